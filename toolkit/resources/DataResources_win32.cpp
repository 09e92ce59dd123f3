#include <windows.h>

#include <optional>
#include <span>
#include <string>

#include "toolkit/resources/DataResources.h"

namespace nuvex {

// The RCDATA resources of the program's own module.  FindResource compares
// names without regard to letter case.
std::optional<std::span<const uint8_t>> FindPlatformDataResource(const std::string& name) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC info = FindResourceA(module, name.c_str(), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  if (!info) return std::nullopt;
  HGLOBAL handle = LoadResource(module, info);
  const DWORD size = SizeofResource(module, info);
  const void* data = handle ? LockResource(handle) : nullptr;
  if (!data) return std::nullopt;
  return std::span<const uint8_t>(static_cast<const uint8_t*>(data), size);
}

}  // namespace nuvex
