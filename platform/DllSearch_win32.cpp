#include "platform/DllSearch.h"

#include <windows.h>

namespace nuvex {

void RestrictDllSearch() {
  // Looked up rather than imported: a system without it (Windows 7 before
  // its update) still starts the program, with the working folder left out.
  using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  const auto restrict = kernel ? reinterpret_cast<SetDefaultDllDirectoriesFunction>(
                                     reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")))
                               : nullptr;
  if (restrict) restrict(LOAD_LIBRARY_SEARCH_SYSTEM32);
  SetDllDirectoryA("");
}

}  // namespace nuvex
