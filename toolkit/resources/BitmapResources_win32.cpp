#include <windows.h>

#include <optional>
#include <string>

#include "toolkit/formats/BitmapFile.h"

namespace nuvex {

// The RT_BITMAP resources of the program's own module.  FindResource compares
// names without regard to letter case.
std::optional<TBitmap> LoadPlatformBitmapResource(const std::string& name) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC info = FindResourceA(module, name.c_str(), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
  if (!info) return std::nullopt;
  HGLOBAL handle = LoadResource(module, info);
  const DWORD size = SizeofResource(module, info);
  const void* data = handle ? LockResource(handle) : nullptr;
  if (!data || size == 0) return std::nullopt;
  return DecodePackedDib(std::span<const uint8_t>(static_cast<const uint8_t*>(data), size));
}

}  // namespace nuvex
