#pragma once
// What form descriptions take from the program: the descriptions themselves
// (resources/forms/<name>.nfd) and the pictures they name (the bitmap
// resources, and resources/pictures/<name>.jpg or <name>.bmp).  Names
// compare without regard to ASCII case.
#include <string>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/resources/BitmapResources.h"

namespace nuvex {

// The text of the description called name; ResourceNotFoundError when there
// is none.
std::string LoadFormResource(const std::string& name);

// The picture called name: a bitmap resource if there is one, else a data
// resource holding a JPEG or a whole bitmap file (known by its signature).
// ResourceNotFoundError when neither exists, Error("Resource <name> is not a
// picture") for other data, JpegError or BitmapFormatError when the picture
// is broken.
TBitmap LoadPictureResource(const std::string& name);

}  // namespace nuvex
