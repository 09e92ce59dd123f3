#pragma once
// The built-in skin's pictures, named "PlayerControl" and "PlayerControl."
// followed by a part name.  On Windows they are bitmap resources of the
// program; elsewhere they are embedded in the program and registered with
// the embedded bitmaps (toolkit/resources/BitmapResources.h) by this call.
namespace nuvex {

// Makes the pictures loadable by name; later calls do nothing.
void RegisterBuiltInSkinPictures();

}  // namespace nuvex
