#pragma once
// The platform's answers about its own folders, in the form of
// GetSystemDirectoryA: each fills `buffer` (of `size` bytes) and returns the
// length of the text, or the size needed when it does not fit, or 0 on
// failure.  Kept this raw so that the rules built on it (installer/
// WinSysTools.h) can be tried against the platform's odd answers.
#include <cstdint>

#include "base/Service.h"

namespace nuvex {

class TSystemFolders {
 public:
  virtual ~TSystemFolders() = default;
  virtual uint32_t SystemDirectory(char* buffer, uint32_t size) = 0;
  virtual uint32_t WindowsDirectory(char* buffer, uint32_t size) = 0;
};

// On Windows the real calls; natively the folders of a Windows-like tree
// under the drive root (NativePath.h): "C:\WINDOWS\SYSTEM32" and "C:\WINDOWS".
template <>
TSystemFolders& Service<TSystemFolders>::Platform();

}  // namespace nuvex
