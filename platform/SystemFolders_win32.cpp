#include <windows.h>

#include "platform/SystemFolders.h"

namespace nuvex {
namespace {

class Win32Folders final : public TSystemFolders {
 public:
  uint32_t SystemDirectory(char* buffer, uint32_t size) override { return GetSystemDirectoryA(buffer, size); }
  uint32_t WindowsDirectory(char* buffer, uint32_t size) override { return GetWindowsDirectoryA(buffer, size); }
};

}  // namespace

template <>
TSystemFolders& Service<TSystemFolders>::Platform() { return PlatformObject<Win32Folders>(); }

}  // namespace nuvex
