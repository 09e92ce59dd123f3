#include <windows.h>

#include "toolkit/resources/ModuleResource.h"

namespace nuvex {

std::optional<std::span<const uint8_t>> FindModuleResource(const std::string& name, int type) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC info = FindResourceA(module, name.c_str(), MAKEINTRESOURCEA(type));
  if (!info) return std::nullopt;
  HGLOBAL handle = LoadResource(module, info);
  const DWORD size = SizeofResource(module, info);
  const void* data = handle ? LockResource(handle) : nullptr;
  if (!data) return std::nullopt;
  return std::span<const uint8_t>(static_cast<const uint8_t*>(data), size);
}

}  // namespace nuvex
