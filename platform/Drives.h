#pragma once
// The machine's drives, as letters in alphabetical order ("C", "D", ...).
// On Windows the logical drives the system reports; natively the one-letter
// folders of the sandbox's drive root (platform/NativePath.h).
#include <string>
#include <vector>

namespace nuvex {

std::vector<char> LogicalDrives();

// The process's working folder ("C:\Setup"); natively the sandbox has none
// of its own and answers the root of drive C.
std::string CurrentDirectory();

}  // namespace nuvex
