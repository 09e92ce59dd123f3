// BMP decoding: the bytes as a whole bitmap file and as a packed DIB (the form
// of a bitmap resource).  BitmapFormatError is the reader's clear refusal.
#include <cstddef>
#include <cstdint>
#include <span>

#include "toolkit/formats/BitmapFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  try {
    nuvex::TBitmap bitmap = nuvex::DecodeBitmapFile(bytes);
    (void)nuvex::EncodeBitmapFile(bitmap);
  } catch (const nuvex::BitmapFormatError&) {
  }
  try {
    (void)nuvex::DecodePackedDib(bytes);
  } catch (const nuvex::BitmapFormatError&) {
  }
  return 0;
}
