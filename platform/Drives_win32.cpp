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

std::string CurrentDirectory() {
  std::string folder(MAX_PATH, '\0');
  const DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(folder.size()), folder.data());
  if (length == 0 || length >= folder.size()) return "C:\\";
  folder.resize(length);
  return folder;
}

}  // namespace nuvex
