#include <windows.h>

#include "toolkit/graphics/Color.h"

namespace nuvex {

// COLORREF has the same 0x00BBGGRR layout as TColor.
TColor PlatformSystemColor(int index) { return static_cast<TColor>(GetSysColor(index) & 0xFFFFFF); }

}  // namespace nuvex
