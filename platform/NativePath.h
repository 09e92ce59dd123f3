#pragma once
// How Windows-style paths land in a POSIX file tree (non-Windows builds only).
// "\" becomes "/"; a drive "X:" becomes the folder "<drive root>/X" (the
// letter in upper case), so that "C:\Temp\a.txt" is "<drive root>/C/Temp/a.txt".
// The drive root comes from NUVEX_DRIVE_ROOT, or SetDriveRoot, or defaults to
// "/tmp/nuvex-drives".  Below a drive, names are found as Windows finds them,
// whatever the case of their ASCII letters: "D:\NUVEX\PLAYER.EXE" is
// "<drive root>/D/Nuvex/Player.exe" when that file exists (a part that exists
// as written is taken as it is; one that exists in no case stays as written,
// to be created so).  Paths without a drive are native paths: they are only
// re-separated and keep the case-sensitive names of the native tree.
#include <string>

namespace nuvex {

std::string NativePath(const std::string& path);
void SetDriveRoot(const std::string& folder);
std::string DriveRoot();

}  // namespace nuvex
