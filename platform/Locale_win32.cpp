#include <windows.h>

#include "platform/Locale.h"

namespace nuvex {

uint32_t GetSystemDefaultLocaleId() { return GetSystemDefaultLCID(); }

}  // namespace nuvex
