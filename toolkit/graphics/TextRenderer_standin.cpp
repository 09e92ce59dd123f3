#include "toolkit/graphics/TextRenderer.h"

namespace nuvex {

template <>
TTextRenderer& Service<TTextRenderer>::Platform() {
  static THeadlessTextRenderer renderer;
  return renderer;
}

}  // namespace nuvex
