#include "package/ContentsChecksum.h"

#include <zlib.h>

#include <algorithm>
#include <memory>

#include "platform/Files.h"

namespace nuvex {

void TContentsSummer::Add(const void* data, size_t count) {
  const auto* bytes = static_cast<const Bytef*>(data);
  sum_.Size += count;
  while (count > 0) {  // zlib takes at most a uInt at a time
    const auto piece = static_cast<uInt>(std::min<size_t>(count, 1u << 30));
    sum_.Crc32 = static_cast<uint32_t>(crc32(sum_.Crc32, bytes, piece));
    bytes += piece;
    count -= piece;
  }
}

TContentsChecksum ChecksumOfFile(const std::string& path) {
  constexpr size_t kBlock = 65536;
  FileStream in = FileStream::OpenRead(path);
  auto block = std::make_unique<uint8_t[]>(kBlock);
  TContentsSummer summer;
  while (size_t got = in.Read(block.get(), kBlock)) summer.Add(block.get(), got);
  return summer.Result();
}

}  // namespace nuvex
