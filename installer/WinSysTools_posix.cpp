#include <cstring>

#include "installer/WinSysTools.h"

namespace nuvex {
namespace {

// Fixed folders of a Windows-like tree under the drive root (NativePath.h).
uint32_t Answer(const char* text, char* buffer, uint32_t size) {
  uint32_t length = static_cast<uint32_t>(std::strlen(text));
  if (length + 1 > size) return length + 1;
  std::memcpy(buffer, text, length + 1);
  return length;
}

}  // namespace

SystemFolderCalls PlatformFolderCalls() {
  return {
      [](char* buffer, uint32_t size) { return Answer("C:\\WINDOWS\\SYSTEM32", buffer, size); },
      [](char* buffer, uint32_t size) { return Answer("C:\\WINDOWS", buffer, size); },
  };
}

}  // namespace nuvex
