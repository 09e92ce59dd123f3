#include "toolkit/TextRenderer.h"

namespace nuvex {

TTextRenderer& PlatformTextRenderer() {
  static THeadlessTextRenderer renderer;
  return renderer;
}

}  // namespace nuvex
