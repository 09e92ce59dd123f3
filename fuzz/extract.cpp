// Extraction: the bytes as a packed file of the package, unpacked by
// TCompressor::Decompress over a target that already holds a file, and read
// once more by the InflateReader in requests of odd sizes.  What the outcome
// must be is worked out beside it with zlib's own inflate: a corrupt stream
// raises "error" and nothing else; a stream cut short, or data too small for
// the packed size, gives false; a failed run leaves the target as it was and
// no temporary file beside it; a successful one leaves exactly the stream's
// data.  Any other error (a file that cannot be opened or created here, a
// fault of the extraction itself) is a finding.
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "base/Error.h"
#include "fuzz/FuzzSupport.h"
#include "package/Compressor.h"
#include "package/InflateReader.h"
#include "platform/Files.h"

namespace {

enum class Stream { Ended, CutShort, Corrupt };

// The whole stream inflated in one go.
Stream Inflate(const uint8_t* data, size_t size, std::vector<uint8_t>& out) {
  z_stream z{};
  if (inflateInit(&z) != Z_OK) __builtin_trap();
  z.next_in = const_cast<Bytef*>(data);
  z.avail_in = static_cast<uInt>(size);
  uint8_t block[16384];
  Stream result = Stream::CutShort;
  for (;;) {
    z.next_out = block;
    z.avail_out = sizeof block;
    const int rc = inflate(&z, Z_NO_FLUSH);
    out.insert(out.end(), block, block + (sizeof block - z.avail_out));
    if (rc == Z_STREAM_END) result = Stream::Ended;
    else if (rc == Z_BUF_ERROR && z.avail_in == 0) result = Stream::CutShort;
    else if (rc != Z_OK) result = Stream::Corrupt;
    else continue;
    break;
  }
  inflateEnd(&z);
  return result;
}

std::vector<uint8_t> Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void ExpectDataError(const nuvex::Error& e) {
  if (std::strcmp(e.what(), "error") != 0) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string folder = nuvex::fuzz::ScratchFolder() + "extract/";
  const std::string source = folder + "packed.z";
  const std::string target = folder + "target.bin";
  nuvex::fuzz::WriteFile(source, nuvex::fuzz::AsText(data, size));
  static constexpr std::string_view kEarlier = "the file that was there before";
  nuvex::fuzz::WriteFile(target, kEarlier);

  std::vector<uint8_t> expected;
  const Stream stream = Inflate(data, size, expected);
  // Requests of 4096 bytes: one per full or partial piece, and the empty one.
  const size_t requests = (expected.size() + 4095) / 4096 + 1;
  const bool complete = stream == Stream::Ended && requests >= size / 4096 + 1;

  nuvex::TCompressor compressor;
  int32_t last = 0;
  compressor.OnProgress = nuvex::TProgressEvent([&last](void*, int32_t position) {
    if (position != last + 4096) __builtin_trap();  // each full piece, counted from zero
    last = position;
  });
  bool result = false;
  try {
    result = compressor.Decompress(source, target);
    if (stream == Stream::Corrupt) __builtin_trap();  // corrupt data unpacked without a word
  } catch (const nuvex::Error& e) {
    ExpectDataError(e);
    if (stream != Stream::Corrupt) __builtin_trap();
  }
  if (result != complete) __builtin_trap();
  const std::vector<uint8_t> now = Contents(target);
  if (result ? now != expected : now != std::vector<uint8_t>(kEarlier.begin(), kEarlier.end())) __builtin_trap();
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name != "packed.z" && name != "target.bin") __builtin_trap();  // a temporary file left behind
  }

  try {
    nuvex::FileStream file = nuvex::FileStream::OpenRead(source);
    nuvex::InflateReader reader(file, nullptr);
    std::vector<uint8_t> buffer(8191), read;
    size_t request = size == 0 ? 1 : 1 + data[0] % 97;
    for (;;) {
      const size_t got = reader.Read(buffer.data(), request);
      if (got > request) __builtin_trap();
      read.insert(read.end(), buffer.begin(), buffer.begin() + static_cast<ptrdiff_t>(got));
      if (got < request) {
        if (reader.Read(buffer.data(), request) != 0) __builtin_trap();  // nothing after the end
        break;
      }
      request = 1 + (request * 37 + 11) % buffer.size();
    }
    if (stream == Stream::Corrupt || read != expected) __builtin_trap();
  } catch (const nuvex::Error& e) {
    ExpectDataError(e);
    if (stream != Stream::Corrupt) __builtin_trap();
  }
  return 0;
}
