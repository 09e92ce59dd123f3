// The program's fonts (gdi::FontFor), the text renderer that keeps its font,
// DC and section between draws, and the paint owner of a window.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/Services.h"
#include "tests/support/FreshTextDraw.h"
#include "tests/support/GraphicsTestUtil.h"
#include "toolkit/graphics/GdiBridge.h"
#include "toolkit/graphics/TextRenderer.h"
#include "toolkit/ui/WinControl.h"

namespace nuvex {
namespace {

using test::FontOf;

LOGFONTA Described(HFONT font) {
  LOGFONTA log{};
  EXPECT_EQ(GetObjectA(font, sizeof log, &log), int(sizeof log));
  return log;
}

TEST(GdiFont, OneHandlePerDescriptionMadeAsDescribed) {
  const TFont base = FontOf("Arial", 10);
  const HFONT arial = gdi::FontFor(base);
  ASSERT_NE(arial, nullptr);
  EXPECT_NE(arial, static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
  EXPECT_EQ(gdi::FontFor(base), arial);
  // The colour is not part of a font, nor are undefined style bits; sizes of
  // the same pixel height (10 pt and -10 pt are 13 pixels) make one font.
  EXPECT_EQ(gdi::FontFor(FontOf("Arial", 10, 0, clRed)), arial);
  EXPECT_EQ(gdi::FontFor(FontOf("Arial", 10, 0x80)), arial);
  EXPECT_EQ(gdi::FontFor(FontOf("Arial", -10)), arial);

  const LOGFONTA log = Described(arial);
  EXPECT_EQ(log.lfHeight, -base.PixelHeight());
  EXPECT_EQ(log.lfWeight, FW_NORMAL);
  EXPECT_FALSE(log.lfItalic);
  EXPECT_STREQ(log.lfFaceName, "Arial");

  std::vector<HFONT> others;
  for (const TFont& f : {FontOf("Tahoma", 10), FontOf("Arial", 11), FontOf("Arial", 10, fsBold),
                         FontOf("Arial", 10, fsItalic), FontOf("Arial", 10, fsUnderline),
                         FontOf("Arial", 10, fsStrikeOut)}) {
    const HFONT h = gdi::FontFor(f);
    EXPECT_NE(h, arial) << f.Name << " " << f.Size << " style " << int(f.Style);
    for (HFONT o : others) EXPECT_NE(h, o);
    others.push_back(h);
  }
  const LOGFONTA bold = Described(gdi::FontFor(FontOf("Arial", 10, fsBold | fsItalic | fsUnderline | fsStrikeOut)));
  EXPECT_EQ(bold.lfWeight, FW_BOLD);
  EXPECT_TRUE(bold.lfItalic);
  EXPECT_TRUE(bold.lfUnderline);
  EXPECT_TRUE(bold.lfStrikeOut);
  EXPECT_EQ(Described(gdi::FontFor(FontOf("Arial", 11))).lfHeight, -FontOf("Arial", 11).PixelHeight());
}

TBitmap Gradient(int width, int height) {
  TBitmap b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) b.Canvas().SetPixel(x, y, MakeColor((x * 3) & 255, (y * 5) & 255, (200 + x) & 255));
  return b;
}

// Draws that grow the kept section come before smaller ones, so stale
// pixels of an earlier draw would show; parts clipped at every edge, opaque
// and transparent, italic overhangs, and one draw too large to keep.
TEST(GdiFont, KeptRendererDrawsWhatAFreshOneDraws) {
  TTextRenderer& renderer = Service<TTextRenderer>::Platform();
  struct Case {
    int width, height, x, y;
    TFont font;
    std::string text;
    std::optional<TColor> background;
  };
  const std::vector<Case> cases = {
      {300, 60, 4, 4, FontOf("Arial", 24, fsBold, clRed), "Installing files", std::nullopt},
      {80, 30, 5, 5, FontOf("MS Sans Serif", 8, 0, clWindowText), " 50 %", std::nullopt},
      {80, 30, 5, 5, FontOf("MS Sans Serif", 8, 0, clWhite), " 50 %", clNavy},
      {60, 20, -7, -3, FontOf("Tahoma", 12, fsItalic, clGreen), "Wf/|", std::nullopt},
      {60, 20, 40, 12, FontOf("Tahoma", 12, fsItalic | fsUnderline, clBlue), "Wf/|", clYellow},
      {300, 60, 250, 40, FontOf("Arial", 24, fsStrikeOut, clBlack), "Edge", std::nullopt},
      {20, 10, 2, 1, FontOf("Arial", 6), "ab", std::nullopt},
      {1800, 300, 10, 10, FontOf("Arial", 150, fsBold, clMaroon), "WWWWWW", std::nullopt},
      {80, 30, 5, 5, FontOf("MS Sans Serif", 8, 0, clRed), " 50 %", std::nullopt},
  };
  for (size_t i = 0; i < cases.size(); ++i) {
    const Case& c = cases[i];
    TBitmap expected = Gradient(c.width, c.height);
    test::FreshTextDraw(expected, c.x, c.y, c.font, c.text, c.background);
    TBitmap actual = Gradient(c.width, c.height);
    renderer.Draw(actual, c.x, c.y, c.font, c.text, c.background);
    EXPECT_FALSE(test::SamePixels(actual, Gradient(c.width, c.height))) << "case " << i << " drew nothing";
    EXPECT_TRUE(test::SamePixels(actual, expected)) << "case " << i << ": \"" << c.text << "\"";
  }
  // Measuring agrees with a fresh font too, an empty text giving the line height.
  TEXTMETRICA metrics{};
  {
    gdi::MemoryDc dc;
    gdi::SelectionScope select(dc.Get(), gdi::FontFor(FontOf("Arial", 24)));
    GetTextMetricsA(dc.Get(), &metrics);
  }
  EXPECT_EQ(renderer.Measure(FontOf("Arial", 24), ""), (TSize{0, int(metrics.tmHeight)}));
  EXPECT_GT(renderer.Measure(FontOf("Arial", 24), "Wide").cx, renderer.Measure(FontOf("Arial", 24), "i").cx);
}

// A paint ends with EndPaint: the update region is validated, so a second
// update paints nothing.
TEST(GdiFont, WindowPaintValidatesItsUpdateRegion) {
  struct Counted : TCustomControl {
    using TCustomControl::TCustomControl;
    int paints = 0;
    void Paint() override { ++paints; }
  };
  TComponent owner(nullptr);
  TCustomControl& form = TComponent::Create<TCustomControl>(owner);
  form.SetBounds(50, 50, 120, 80);
  Counted& child = TComponent::Create<Counted>(form);
  child.SetParent(&form);
  child.SetBounds(10, 10, 60, 40);
  HWND hwnd = test::WindowHandle(child);
  UpdateWindow(hwnd);
  const int before = child.paints;
  const RECT part{5, 5, 20, 20};
  InvalidateRect(hwnd, &part, FALSE);
  UpdateWindow(hwnd);
  EXPECT_EQ(child.paints, before + 1);
  EXPECT_FALSE(GetUpdateRect(hwnd, nullptr, FALSE));
  UpdateWindow(hwnd);
  EXPECT_EQ(child.paints, before + 1);
}

}  // namespace
}  // namespace nuvex
