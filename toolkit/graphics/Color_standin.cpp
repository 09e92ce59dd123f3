#include "toolkit/graphics/Color.h"

namespace nuvex {

TColor PlatformSystemColor(int index) { return ClassicSystemColor(index); }

}  // namespace nuvex
