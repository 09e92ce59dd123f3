#include <windows.h>

#include "platform/Locale.h"

namespace nuvex {

uint32_t GetSystemDefaultLocaleId() { return GetSystemDefaultLCID(); }

uint32_t GetSystemCodePage() { return GetACP(); }

}  // namespace nuvex
