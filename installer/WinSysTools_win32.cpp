#include <windows.h>

#include "installer/WinSysTools.h"

namespace nuvex {

SystemFolderCalls PlatformFolderCalls() {
  return {
      [](char* buffer, uint32_t size) -> uint32_t { return GetSystemDirectoryA(buffer, size); },
      [](char* buffer, uint32_t size) -> uint32_t { return GetWindowsDirectoryA(buffer, size); },
  };
}

}  // namespace nuvex
