#pragma once
// Free space on a drive, behind a seam of our own so that the installer's
// space check can be tried against any answer.
#include <cstdint>
#include <optional>
#include <string>

#include "base/Service.h"

namespace nuvex {

class TDiskSpace {
 public:
  virtual ~TDiskSpace() = default;
  // The bytes the current user may still write on the drive whose root is
  // `root` ("C:\", "\\server\share\"); nothing when the platform cannot tell.
  virtual std::optional<uint64_t> FreeBytes(const std::string& root) = 0;
};

// On Windows GetDiskFreeSpaceExA.  Natively the free space of the file system
// that holds the drive's folder in the sandbox (NativePath.h); nothing for a
// drive the sandbox does not have.
template <>
TDiskSpace& Service<TDiskSpace>::Platform();

}  // namespace nuvex
