// BMP decoding: the bytes as a whole bitmap file and as a packed DIB (the form
// of a bitmap resource).  BitmapFormatError is the reader's clear refusal.
// A picture that is read must be written again and read back with the same
// size, pixel format and pixels (a 16-bit file keeps five bits a channel).
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "toolkit/formats/BitmapFile.h"

namespace {

void CheckRoundTrip(const nuvex::TBitmap& first) {
  // A few bytes of run-length data may make a picture of millions of pixels;
  // writing and reading those again would cost seconds an input.
  if (int64_t{first.Width()} * first.Height() > (1 << 20)) return;
  std::vector<uint8_t> file;
  try {
    file = nuvex::EncodeBitmapFile(first);
  } catch (const nuvex::Error&) {
    __builtin_trap();  // every picture the reader makes has colours its format holds
  }
  nuvex::TBitmap second;
  try {
    second = nuvex::DecodeBitmapFile(file);
  } catch (const nuvex::BitmapFormatError&) {
    __builtin_trap();  // our own file refused
  }
  if (second.Width() != first.Width() || second.Height() != first.Height() ||
      second.PixelFormat() != first.PixelFormat()) {
    __builtin_trap();
  }
  const uint32_t mask = first.PixelFormat() == nuvex::pf16bit ? 0xF8F8F8 : 0xFFFFFF;
  const size_t count = static_cast<size_t>(first.Width()) * first.Height();
  for (size_t i = 0; i < count; ++i) {
    if ((first.Bits()[i] & mask) != (second.Bits()[i] & mask)) __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  try {
    CheckRoundTrip(nuvex::DecodeBitmapFile(bytes));
  } catch (const nuvex::BitmapFormatError&) {
  }
  try {
    (void)nuvex::DecodePackedDib(bytes);
  } catch (const nuvex::BitmapFormatError&) {
  }
  return 0;
}
