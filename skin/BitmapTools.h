#pragma once
// Small picture routines of the skin engine.
#include <string>

#include "toolkit/graphics/Bitmap.h"

namespace nuvex {

// Dest takes source's size and a pixel copy of it; dest keeps its own pixel format.
void CopyBitmap(const TBitmap& source, TBitmap& dest);

// Loads the embedded bitmap called name (letter case ignored) into dest: dest
// takes its size, a format of 8 bits or fewer is raised to 16 bits, and the
// picture is drawn at (0, 0).  A missing name raises ResourceNotFoundError
// ("Resource <name> not found") and leaves dest as it was.
void LoadBitmapFromResource(const std::string& name, TBitmap& dest);

}  // namespace nuvex
