// The progress bar on real windows: it repaints at once while nobody handles
// window messages, pixel for pixel as the painter says; the estimate reads in
// the user's locale with the real clock and locale calls; MulDiv agrees with
// the system's.
//
// CTest runs the locale test once more per locale with NUVEX_EXPECT_LANGUAGE
// set (see tests/Extra.cmake); without it the test checks the estimate
// against the locale's own names, whatever the locale is.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <tuple>

#include "bench/BenchSupport.h"
#include "tests/support/GraphicsTestUtil.h"
#include "tests/support/ProgressBarPicture.h"
#include "tests/support/Services.h"
#include "base/MulDiv.h"
#include "controls/MyProgressBar.h"
#include "controls/ProgressPainter.h"
#include "platform/Clock.h"
#include "platform/LocaleFormats.h"
#include "toolkit/graphics/GdiBridge.h"
#include "toolkit/backends/win32/Win32Backend.h"
#include "toolkit/ui/WinControl.h"

namespace nuvex {
namespace {

std::string Environment(const char* name) {
  char buffer[64] = {};
  const DWORD n = GetEnvironmentVariableA(name, buffer, sizeof buffer);
  return n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
}

// The window's client pixels under rect, read back from its device context.
TBitmap ReadBack(HWND window, const TRect& rect) {
  gdi::DibSection dib(rect.Width(), rect.Height());
  gdi::WindowDc dc(window);
  BitBlt(dib.Dc(), 0, 0, rect.Width(), rect.Height(), dc.Get(), rect.Left, rect.Top, SRCCOPY);
  GdiFlush();
  TBitmap picture;
  dib.Store(picture);
  return picture;
}

using test::ExpectedPicture;

TEST(ProgressBarWin, RepaintsAtOnceWhileNoMessagesAreHandled) {
  TWinControl form(nullptr);
  form.SetBounds(40, 40, 300, 80);
  form.HandleNeeded();
  auto& bar = TComponent::Create<TMyProgressBar>(form);
  bar.SetParent(&form);
  bar.SetBounds(10, 20, 225, 18);
  bench::GiveInstallerLook(bar);  // red on navy, as the checks below read it
  bar.SetMax(1000);
  const HWND window = test::WindowHandle(form);
  ASSERT_NE(window, nullptr);
  CurrentWindowBackend().ProcessMessages();
  ASSERT_EQ(test::DifferentPixels(ReadBack(window, bar.BoundsRect()), ExpectedPicture(bar)), 0);

  // From here on no message is handled: what the window shows, the bar drew itself.
  for (int position = 1; position <= 1000; position += 37) {
    bar.SetPosition(position);
    // 225 * position / 1000, an exact half to the even neighbour.
    const int whole = 225 * position / 1000, rest = 225 * position % 1000;
    const int done = rest > 500 || (rest == 500 && whole % 2 == 1) ? whole + 1 : whole;
    gdi::WindowDc dc(window);
    if (done < 3 || done > 221) continue;  // the frame's columns
    ASSERT_EQ(GetPixel(dc.Get(), 10 + done - 1, 20 + 15), RGB(255, 0, 0)) << position;
    ASSERT_EQ(GetPixel(dc.Get(), 10 + done, 20 + 15), RGB(0, 0, 128)) << position;
  }
  bar.SetPosition(500);
  EXPECT_EQ(test::DifferentPixels(ReadBack(window, bar.BoundsRect()), ExpectedPicture(bar)), 0);
}

// The painter that keeps its text layers against the plain one, with GDI
// text: antialiased, bold, italic (overhanging its cell), wider than the bar.
TEST(ProgressBarWin, KeptTextLayersGiveTheSamePixelsWithGdiText) {
  TProgressPainter painter;
  TBitmap cached, plain;
  TProgressLook look;
  look.ColorDone = clRed;
  look.ColorToDo = clNavy;
  look.Shape = psFrame;
  const TFont fonts[] = {{"MS Sans Serif", 8, clYellow, 0},
                         {"Arial", 11, clWhite, fsBold | fsItalic},
                         {"Times New Roman", 14, clBtnText, fsItalic | fsUnderline}};
  for (const TFont& font : fonts) {
    look.Font = font;
    for (int border : {0, 2}) {
      look.BorderWidth = static_cast<uint8_t>(border);
      for (const auto& [width, height, info] : {std::tuple{225, 18, ""}, std::tuple{60, 24, "Copying"}}) {
        look.InfoText = info;
        TProgressRange range;
        range.SetMax(3 * width);
        for (int p = 0; p <= range.Max(); ++p) {
          range.SetPosition(p);
          painter.Paint(cached, width, height, look, range);
          PaintProgressPicture(plain, width, height, look, range);
          ASSERT_EQ(test::DifferentPixels(cached, plain), 0) << font.Name << " " << width << " border " << border << " at " << p;
        }
      }
    }
  }
}

TEST(ProgressBarWin, TheRealClocksStartTheTiming) {
  SYSTEMTIME before{}, after{};
  GetLocalTime(&before);
  const DWORD tickBefore = GetTickCount();
  TMyProgressBar bar(nullptr);
  const DWORD tickAfter = GetTickCount();
  GetLocalTime(&after);
  // Unsigned: a start before tickBefore wraps round to a huge difference.
  EXPECT_LE(bar.StartTick() - tickBefore, tickAfter - tickBefore);
  const TDateTime from = SystemTimeToDateTime({before.wYear, before.wMonth, before.wDay, before.wHour,
                                               before.wMinute, before.wSecond, before.wMilliseconds});
  const TDateTime to = SystemTimeToDateTime({after.wYear, after.wMonth, after.wDay, after.wHour, after.wMinute,
                                             after.wSecond, after.wMilliseconds});
  EXPECT_GE(bar.StartTime(), from);
  EXPECT_LE(bar.StartTime(), to);
}

// The estimate's text two hours after a start at 10:00 on 7 December 2026.
std::string EstimateOfTwoHours() {
  TManualClock clock;
  clock.SetLocalTime({2026, 12, 7, 10, 0, 0, 0});
  clock.SetTickCount(5000);
  ScopedService<TClock> useClock(clock);
  TMyProgressBar bar(nullptr);
  TGraphicControl label(nullptr);
  bar.SetLinkInfoLabel(&label);
  bar.SetMax(3600);
  clock.Advance(2000);
  bar.SetPosition(1);  // two hours in all
  return label.Caption();
}

TEST(ProgressBarWin, EstimateReadsInTheUserLocale) {
  char december[80] = {}, separator[8] = {};
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SMONTHNAME12 | LOCALE_USE_CP_ACP, december, sizeof december);
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIME | LOCALE_USE_CP_ACP, separator, sizeof separator);
  EXPECT_EQ(EstimateOfTwoHours(),
            std::string("Estimated date and time: 7 ") + december + " 2026 , at 12" + separator + "00.00");
}

// Runs in the locales that the test command names in NUVEX_EXPECT_LANGUAGE.
TEST(ProgressBarWin, EstimateNamesTheMonthOfTheLocale) {
  const std::string expected = Environment("NUVEX_EXPECT_LANGUAGE");
  if (expected == "Polish") {
    EXPECT_EQ(GetACP(), 1250u);
    EXPECT_EQ(EstimateOfTwoHours(), "Estimated date and time: 7 grudzie\xF1 2026 , at 12:00.00");
  } else if (expected == "English") {
    EXPECT_EQ(EstimateOfTwoHours(), "Estimated date and time: 7 December 2026 , at 12:00.00");
  } else {
    FAIL() << "NUVEX_EXPECT_LANGUAGE must be Polish or English, not " << expected;
  }
}

// For a negative divisor Wine's MulDiv negates the divisor and the first
// factor in 32 bits, where -2^31 stays negative: MulDiv(1, 2^31 - 1, -2^31)
// gives 0 and MulDiv(-2^31, 1, -2) gives -2^30.  Those cases are left out.
bool WineNegatesMinimum(int32_t a, int32_t c) { return c < 0 && (a == INT32_MIN || c == INT32_MIN); }

TEST(ProgressBarWin, MulDivAgreesWithTheSystem) {
  std::mt19937 random(11);
  const int32_t edges[] = {0, 1, -1, 2, -2, 3, 7, INT32_MAX, INT32_MIN, INT32_MAX - 1, INT32_MIN + 1, 46341, -46341};
  for (int32_t a : edges)
    for (int32_t b : edges)
      for (int32_t c : edges)
        if (!WineNegatesMinimum(a, c)) {
          ASSERT_EQ(nuvex::MulDiv(a, b, c), ::MulDiv(a, b, c)) << a << " " << b << " " << c;
        }
  for (int i = 0; i < 200000; ++i) {
    const auto a = static_cast<int32_t>(random());
    const auto b = static_cast<int32_t>(i % 3 == 0 ? random() % 20000 : random());
    const auto c = static_cast<int32_t>(i % 2 == 0 ? random() % 1000 - 500 : random());
    if (WineNegatesMinimum(a, c)) continue;
    ASSERT_EQ(nuvex::MulDiv(a, b, c), ::MulDiv(a, b, c)) << a << " " << b << " " << c;
  }
}

}  // namespace
}  // namespace nuvex
