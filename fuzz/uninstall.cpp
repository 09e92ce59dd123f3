// The uninstaller's list of installed files: ParseUninstallList; a list it
// reads is written again and must read back the same.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "package/UninstallList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<nuvex::TUninstallList> list = nuvex::ParseUninstallList(text);
  if (!list) return 0;
  if (nuvex::ParseUninstallList(nuvex::UninstallListText(*list)) != list) __builtin_trap();
  return 0;
}
