#include "skin/SkinTypes.h"

namespace nuvex {

TSplitMode IntToSplitMode(int n) {
  return (n >= spNone && n <= spVertical) ? static_cast<TSplitMode>(n) : spNone;
}

TInteriorArea IntToInteriorArea(int n) {
  return (n >= iaStretched && n <= iaTransparent) ? static_cast<TInteriorArea>(n) : iaStretched;
}

}  // namespace nuvex
