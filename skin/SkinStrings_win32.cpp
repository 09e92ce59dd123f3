#include <windows.h>

#include "skin/SkinStrings.h"

namespace nuvex {

// The program's string resource; the built-in table when the program carries
// none under this id.
std::string SkinString(int id) {
  char buffer[1024];
  const int length = LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(id), buffer, sizeof buffer);
  if (length > 0) return std::string(buffer, static_cast<size_t>(length));
  return DefaultSkinString(id);
}

}  // namespace nuvex
