#include <windows.h>

#include "platform/Drives.h"

namespace nuvex {

std::vector<char> LogicalDrives() {
  std::vector<char> drives;
  const DWORD mask = GetLogicalDrives();
  for (int i = 0; i < 26; ++i)
    if (mask & (1u << i)) drives.push_back(static_cast<char>('A' + i));
  return drives;
}

}  // namespace nuvex
