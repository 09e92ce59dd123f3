#include "toolkit/backends/headless/HeadlessBackend.h"

namespace nuvex {

// Without a window system every window is a headless one.
template <>
TWindowBackend& Service<TWindowBackend>::Platform() { return PlatformObject<THeadlessBackend>(); }

}  // namespace nuvex
