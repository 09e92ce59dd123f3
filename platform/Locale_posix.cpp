#include <cstdlib>

#include "platform/Locale.h"

namespace nuvex {

uint32_t GetSystemDefaultLocaleId() {
  // The same precedence the C library gives the message category.
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return LocaleIdFromName(value);
  }
  return LocaleIdFromName("");
}

uint32_t GetSystemCodePage() { return CodePageOfLocaleId(GetSystemDefaultLocaleId()); }

}  // namespace nuvex
