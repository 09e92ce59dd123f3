#pragma once
// The platform's special folders and the shell's "open", in one place.
// None of these functions raises an error or shows a message.
#include <cstdint>
#include <string>

namespace nuvex {

class Shell;

// The system folder as the platform reports it, without a trailing separator;
// empty when the platform fails or its answer does not fit 520 bytes.
std::string GetSystemDir();
// The Windows folder, by the same rules.
std::string GetWindowsDir();
// Always "C:\Temp\"; the folder is created with missing parents when absent
// (a failure to create it is not reported).
std::string GetTempDir();
// Asks the shell to "open" the path (no parameters, no working folder, shown
// normally).  True when the shell's value is above 32.  Does not wait.
bool ShellOpen(const std::string& path);
bool ShellOpen(const std::string& path, Shell& shell);

// The platform calls behind GetSystemDir and GetWindowsDir, in the form of
// GetSystemDirectoryA: they fill `buffer` (of `size` bytes) and return the
// length of the text, or the size needed when it does not fit, or 0 on
// failure.  Replaceable, so that the platform's odd answers can be tried.
using FolderQuery = uint32_t (*)(char* buffer, uint32_t size);
struct SystemFolderCalls {
  FolderQuery systemDirectory;
  FolderQuery windowsDirectory;
};
SystemFolderCalls& FolderCalls();
// The calls of this platform (POSIX builds: fixed drive paths, see the
// _posix file).
SystemFolderCalls PlatformFolderCalls();

}  // namespace nuvex
