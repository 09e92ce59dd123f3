#pragma once
// Whether the drives a run writes to can take what it will place there,
// worked out before anything is written.
#include <cstdint>
#include <string>
#include <vector>

#include "base/Error.h"
#include "package/FileConfiguration.h"

namespace nuvex {

class TRunInstall;

// The most a run adds to one drive at any moment.  Drive: "C:" or
// "\\server\share".
struct TDriveNeed {
  std::string Drive;
  uint64_t Needed = 0;
  friend bool operator==(const TDriveNeed&, const TDriveNeed&) = default;
};

// Raised when a drive has less free space than the run needs; its text is
// message 110 with the drive and both sizes.
class DiskSpaceError : public Error {
 public:
  using Error::Error;
};

// "C:" for "c:\x", "\\server\share" for a network path; the working folder's
// drive for any other path.
std::string DriveOf(const std::string& path);

// Walks the run's records in order and follows, for each drive, what its
// files add and what the files they replace give back, and keeps the
// highest point.  Reads sizes only: nothing is created, not even "C:\Temp\".
std::vector<TDriveNeed> DriveNeeds(const TRunInstall& install);

// Compares each drive's need with its free space (TDiskSpace).  A drive
// whose free space the platform cannot tell is let through: the run's own
// write failures still stop it.  Raises DiskSpaceError for the first drive
// that is short.
void CheckDiskSpace(const TRunInstall& install);

}  // namespace nuvex
