#include <windows.h>

#include "installer/InstallerStrings.h"

namespace nuvex {

std::string InstallerString(int id) {
  char buffer[MAX_PATH];
  const int length = LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(id), buffer, sizeof buffer);
  if (length > 0) return std::string(buffer, static_cast<size_t>(length));
  return DefaultInstallerString(id);
}

}  // namespace nuvex
