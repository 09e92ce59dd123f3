#pragma once
// How Windows-style paths land in a POSIX file tree (non-Windows builds only).
// "\" becomes "/"; a drive "X:" becomes the folder "<drive root>/X" (the
// letter in upper case), so that "C:\Temp\a.txt" is "<drive root>/C/Temp/a.txt".
// The drive root comes from NUVEX_DRIVE_ROOT, or SetDriveRoot, or defaults to
// "/tmp/nuvex-drives".  Paths without a drive are only re-separated.
#include <string>

namespace nuvex {

std::string NativePath(const std::string& path);
void SetDriveRoot(const std::string& folder);
std::string DriveRoot();

}  // namespace nuvex
