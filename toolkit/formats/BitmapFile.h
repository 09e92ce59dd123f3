#pragma once
// Windows bitmap files as the system's loader reads them: the 12-byte core
// header (1, 4, 8, 16, 24 or 32 bits; 3-byte colour table entries) and the
// info header of 40 bytes and its forms of 108 and 124 bytes; 1, 4 and 8 bits
// with a colour table, uncompressed or run-length compressed (RLE4, RLE8,
// bottom-up only), 16, 24 and 32 bits, uncompressed (BI_RGB) or with bit
// fields (BI_BITFIELDS), stored bottom-up or top-down.  The picture keeps the
// file's size and pixel format.  Anything else (other header sizes, alpha bit
// fields, PNG/JPEG in a bitmap, broken sizes, data cut short) raises
// BitmapFormatError with a message that says what is wrong.  An uncompressed
// picture is never larger than its file's bytes allow; a compressed one is
// bounded by kMaxBitmapPixels, and its decoding by the data's length and the
// picture's size.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/Error.h"
#include "toolkit/graphics/Bitmap.h"

namespace nuvex {

// "Bitmap image is not valid: <reason>".
class BitmapFormatError : public Error {
 public:
  explicit BitmapFormatError(const std::string& reason)
      : Error("Bitmap image is not valid: " + reason) {}
};

// A whole bitmap file (starting with "BM").
TBitmap DecodeBitmapFile(std::span<const uint8_t> data);
// A packed device-independent bitmap: the info header, the colour table and
// the pixels, without the file header (the form of a bitmap resource).
TBitmap DecodePackedDib(std::span<const uint8_t> data);
// Reads a bitmap file; FileOpenError when it cannot be opened.
TBitmap ReadBitmapFile(const std::string& path);

// The file of the picture in its pixel format: 1, 4, 8 bits with a colour
// table (the picture's own table first, then its other colours; more colours
// than the format holds raise Error), 16 bits as 5-5-5, 24 and 32 bits;
// always BI_RGB and bottom-up.
std::vector<uint8_t> EncodeBitmapFile(const TBitmap& bitmap);
void WriteBitmapFile(const std::string& path, const TBitmap& bitmap);

}  // namespace nuvex
