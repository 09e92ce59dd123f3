#include "platform/Clock.h"

namespace nuvex {

namespace {
TClock* g_clock = nullptr;  // nullptr: the platform's own
}  // namespace

TClock& CurrentClock() { return g_clock ? *g_clock : PlatformClock(); }

TClock* SetClock(TClock* clock) {
  TClock* previous = g_clock;
  g_clock = clock;
  return previous;
}

}  // namespace nuvex
