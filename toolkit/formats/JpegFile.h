#pragma once
// JPEG pictures, decoded with libjpeg into 24-bit bitmaps: baseline and
// progressive, any sampling, restart markers, grey (as grey RGB), and CMYK or
// YCCK (Adobe's inverted inks as well as plain ones) turned into RGB.  A broken file
// raises JpegError carrying libjpeg's own explanation; libjpeg never ends the
// program.
#include <cstdint>
#include <span>
#include <string>

#include "base/Error.h"
#include "toolkit/graphics/Bitmap.h"

namespace nuvex {

// "JPEG error: <reason>".
class JpegError : public Error {
 public:
  explicit JpegError(const std::string& reason) : Error("JPEG error: " + reason) {}
};

TBitmap DecodeJpeg(std::span<const uint8_t> data);
// FileOpenError when the file cannot be opened.
TBitmap ReadJpegFile(const std::string& path);

}  // namespace nuvex
