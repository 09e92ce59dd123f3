#include "toolkit/graphics/TextRenderer.h"

namespace nuvex {

template <>
TTextRenderer& Service<TTextRenderer>::Platform() { return PlatformObject<THeadlessTextRenderer>(); }

}  // namespace nuvex
