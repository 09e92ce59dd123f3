#pragma once
// The checksum of a file's contents that our package builder keeps in each
// index record (PackageIndex.h tells where): CRC-32 (zlib's) and the size.
#include <cstddef>
#include <cstdint>
#include <string>

namespace nuvex {

struct TContentsChecksum {
  uint32_t Crc32 = 0;  // of the whole contents; 0 for none
  uint64_t Size = 0;   // in bytes
  friend bool operator==(const TContentsChecksum&, const TContentsChecksum&) = default;
};

// Sums contents given in pieces.
class TContentsSummer {
 public:
  void Add(const void* data, size_t count);
  const TContentsChecksum& Result() const { return sum_; }

 private:
  TContentsChecksum sum_;
};

// The checksum of a file's contents, read in blocks of 64 KiB.  Raises
// FileOpenError when the file cannot be opened.
TContentsChecksum ChecksumOfFile(const std::string& path);

}  // namespace nuvex
