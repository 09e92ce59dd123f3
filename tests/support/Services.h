#pragma once
// Test stand-ins put in the place of the platform's services for one scope,
// and the accessors tests use to look behind a control at its window.
#include <gtest/gtest.h>

#include "base/Service.h"
#include "platform/LocaleFormats.h"
#include "toolkit/backends/headless/HeadlessBackend.h"
#include "toolkit/graphics/TextRenderer.h"
#include "toolkit/ui/WinControl.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace nuvex::test {

// The headless window system with the headless block font, so that sizes
// that follow a text are the same on every platform.
class ScopedHeadless {
 public:
  explicit ScopedHeadless(THeadlessBackend& backend) : backend_(backend) {}

 private:
  ScopedService<TWindowBackend> backend_;
  THeadlessTextRenderer text_;
  ScopedService<TTextRenderer> textScope_{text_};
};

// A headless world for a test: the backend, which takes simulated input and
// records what the windows do, in place for the object's lifetime.  As a
// base class it is made before, and outlives, every member of the test.
struct HeadlessWorld {
  THeadlessBackend backend;
  ScopedHeadless scope{backend};
};

// A test fixture in a headless world.
class HeadlessTest : public ::testing::Test, protected HeadlessWorld {};

// Fixed locale formats for the scope.
class ScopedLocaleFormats {
 public:
  explicit ScopedLocaleFormats(const TLocaleFormats& formats) : fixed_(formats) {}

 private:
  TFixedLocaleFormats fixed_;
  ScopedService<TLocaleFormatSource> scope_{fixed_};
};

// The headless window of a windowed control (made when needed).
THeadlessWindow& WindowOf(TWinControl& control);

#ifdef _WIN32
// The HWND of a windowed control (made when needed); nullptr when its
// window does not come from the Win32 backend.
HWND WindowHandle(TWinControl& control);
#endif

}  // namespace nuvex::test
