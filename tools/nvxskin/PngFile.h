#pragma once
// PNG files through libpng: 8-bit RGB, written from and read into a TBitmap.
#include <string>

#include "toolkit/graphics/Bitmap.h"

namespace nvxskin {

// Writes the picture as an 8-bit RGB PNG; raises nuvex::Error on failure.
void WritePngFile(const std::string& path, const nuvex::TBitmap& bitmap);
// Reads a PNG file of any colour type into a 24-bit picture (alpha dropped);
// raises nuvex::Error on failure.
nuvex::TBitmap ReadPngFile(const std::string& path);

}  // namespace nvxskin
