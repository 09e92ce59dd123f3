#pragma once
// The machine's drives, as letters in alphabetical order ("C", "D", ...).
// On Windows the logical drives the system reports; natively the one-letter
// folders of the sandbox's drive root (platform/NativePath.h).
#include <vector>

namespace nuvex {

std::vector<char> LogicalDrives();

}  // namespace nuvex
