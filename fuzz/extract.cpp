// Extraction: the bytes as a packed file of the package, unpacked by
// TCompressor::Decompress into a target beside it, and read once more by the
// InflateReader in requests of odd sizes.  Error (the reader's "error" for a
// corrupt stream) is a clear refusal.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/Error.h"
#include "fuzz/FuzzSupport.h"
#include "installer/Compressor.h"
#include "installer/InflateReader.h"
#include "platform/Files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string source = nuvex::fuzz::ScratchFolder() + "packed.z";
  const std::string target = nuvex::fuzz::ScratchFolder() + "target.bin";
  nuvex::fuzz::WriteFile(source, nuvex::fuzz::AsText(data, size));

  nuvex::TCompressor compressor;
  int32_t last = 0;
  compressor.OnProgress = nuvex::TProgressEvent([&last](void*, int32_t position) {
    if (position <= last) __builtin_trap();  // the running count only grows
    last = position;
  });
  try {
    compressor.Decompress(source, target);
  } catch (const nuvex::Error&) {
  }

  try {
    nuvex::FileStream stream = nuvex::FileStream::OpenRead(source);
    nuvex::InflateReader reader(stream, nullptr);
    std::vector<uint8_t> buffer(8191);
    size_t request = size == 0 ? 1 : 1 + data[0] % 97;
    for (;;) {
      const size_t got = reader.Read(buffer.data(), request);
      if (got > request) __builtin_trap();
      if (got < request) {
        if (reader.Read(buffer.data(), request) != 0) __builtin_trap();  // nothing after the end
        break;
      }
      request = 1 + (request * 37 + 11) % buffer.size();
    }
  } catch (const nuvex::Error&) {
  }
  return 0;
}
