#pragma once
// Packed files: one zlib stream (RFC 1950) of the whole file, nothing else.
#include <cstdint>
#include <string>

#include "package/ContentsChecksum.h"

namespace nvxpack {

struct PackedSizes {
  uint64_t unpacked = 0;
  uint64_t packed = 0;
  nuvex::TContentsChecksum contents;  // of the unpacked data
};

// Packs from into to at zlib level 9, streaming.  Raises nuvex::Error
// subclasses when a file cannot be opened, created or written.
PackedSizes PackFile(const std::string& from, const std::string& to);

// Whether the installer's extraction reports success for a packed file of
// this size that unpacks to this many bytes.  It reads 4096-byte pieces and
// counts a call more than it needs; it wants at least packed / 4096 + 1 calls
// (integer division), which output much smaller than its input falls short of.
bool InstallerAcceptsSizes(uint64_t unpacked, uint64_t packed);

// The installer hands both sizes on as signed 32-bit numbers.
inline constexpr uint64_t kMaxPackedFileSize = 0x7FFFFFFF;

struct PackedCheck {
  bool ok = false;
  PackedSizes sizes;
  std::string problem;  // when not ok
};

// Inflates a packed file to its end without storing the output: the stream
// must be complete, its Adler-32 sum must match, nothing may follow it, and
// the installer must accept its sizes.
PackedCheck CheckPackedFile(const std::string& path);

}  // namespace nvxpack
