#include "platform/Clock.h"

namespace nuvex {

// The program runs on Windows only; natively the clock stands still at a
// fixed moment, so that nothing built on it depends on when it ran.
template <>
TClock& Service<TClock>::Platform() {
  static TManualClock clock = [] {
    TManualClock fixed;
    fixed.SetLocalTime({2026, 1, 1, 12, 0, 0, 0});
    return fixed;
  }();
  return clock;
}

}  // namespace nuvex
