#include <windows.h>

#include "platform/Clock.h"

namespace nuvex {

namespace {

class WindowsClock : public TClock {
 public:
  uint32_t TickCount() override { return GetTickCount(); }
  TSystemTime LocalTime() override {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
  }
};

}  // namespace

template <>
TClock& Service<TClock>::Platform() { return PlatformObject<WindowsClock>(); }

}  // namespace nuvex
