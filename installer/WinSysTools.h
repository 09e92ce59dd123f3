#pragma once
// The platform's special folders and the shell's "open", in one place.
// None of these functions raises an error or shows a message.
#include <cstdint>
#include <string>

namespace nuvex {

// The system folder as the platform reports it, without a trailing separator;
// empty when the platform fails or its answer does not fit 520 bytes.
std::string GetSystemDir();
// The Windows folder, by the same rules.
std::string GetWindowsDir();
// Always "C:\Temp\"; the folder is created with missing parents when absent
// (a failure to create it is not reported).
std::string GetTempDir();
// Where a file of this folder kind (FileConfiguration.h) and target name is
// placed: the kind's folder and the name joined as they stand, no separator
// added; an unknown kind takes the name as it is.  "C:\Temp\" is named,
// not created.
std::string PlacedPath(uint8_t folderKind, const std::string& targetName, const std::string& destinationFolder);
// Asks the shell to "open" the path (no parameters, no working folder, shown
// normally).  True when the shell's value is above 32.  Does not wait.
bool ShellOpen(const std::string& path);

}  // namespace nuvex
