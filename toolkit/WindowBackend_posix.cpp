#include "toolkit/HeadlessBackend.h"

namespace nuvex {

// Without a window system every window is a headless one.
TWindowBackend& PlatformWindowBackend() {
  static THeadlessBackend backend;
  return backend;
}

}  // namespace nuvex
