// JPEG decoding with libjpeg (libjpeg itself is Debian's, not instrumented:
// the coverage is our side of it).  JpegError is the reader's clear refusal.
#include <cstddef>
#include <cstdint>
#include <span>

#include "toolkit/formats/JpegFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    (void)nuvex::DecodeJpeg(std::span<const uint8_t>(data, size));
  } catch (const nuvex::JpegError&) {
  }
  return 0;
}
