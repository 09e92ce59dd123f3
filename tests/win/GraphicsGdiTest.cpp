// The graphics core against GDI itself: stretching, lines, regions on real
// windows, DIB sections, GDI text and the program's bitmap resources.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "skin/Regions.h"
#include "skin/SkinTypes.h"
#include "tests/support/GraphicsTestUtil.h"
#include "toolkit/graphics/GdiBridge.h"
#include "toolkit/graphics/TextRenderer.h"
#include "toolkit/resources/BitmapResources.h"

namespace nuvex {
namespace {

using test::CoordPicture;

std::vector<TPixel> Pixels(const TBitmap& b) {
  return std::vector<TPixel>(b.Bits(), b.Bits() + size_t(b.Width()) * b.Height());
}

// StretchBlt with COLORONCOLOR against CopyRect, growing and shrinking.
TEST(GraphicsGdi, StretchingMatchesStretchBlt) {
  std::mt19937 random(5);
  for (int round = 0; round < 300; ++round) {
    const int sw = 1 + random() % 40, sh = 1 + random() % 40;
    const TBitmap source = CoordPicture(sw + 4, sh + 4, 99);
    const int sl = random() % 5, st = random() % 5;
    const int dw = 1 + random() % 60, dh = 1 + random() % 60;
    const int dl = int(random() % 7) - 3, dt = int(random() % 7) - 3;

    gdi::DibSection from(source);
    TBitmap white(64, 64);
    gdi::DibSection to(white);
    SetStretchBltMode(to.Dc(), COLORONCOLOR);
    ASSERT_TRUE(StretchBlt(to.Dc(), dl, dt, dw, dh, from.Dc(), sl, st, sw, sh, SRCCOPY));
    TBitmap expected;
    to.Store(expected);

    TBitmap actual(64, 64);
    actual.Canvas().CopyRect(Bounds(dl, dt, dw, dh), source, Bounds(sl, st, sw, sh));
    ASSERT_EQ(Pixels(actual), Pixels(expected))
        << "round " << round << ": " << sw << "x" << sh << " onto " << dw << "x" << dh;
  }
}

TEST(GraphicsGdi, LinesMatchLineTo) {
  std::mt19937 random(9);
  for (int round = 0; round < 500; ++round) {
    const int x0 = int(random() % 40) - 8, y0 = int(random() % 40) - 8;
    const int x1 = int(random() % 40) - 8, y1 = int(random() % 40) - 8;
    TBitmap white(24, 24);
    gdi::DibSection dib(white);
    gdi::UniquePen pen(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
    {
      gdi::SelectionScope select(dib.Dc(), pen.Get());
      MoveToEx(dib.Dc(), x0, y0, nullptr);
      LineTo(dib.Dc(), x1, y1);
    }
    TBitmap expected;
    dib.Store(expected);

    TBitmap actual(24, 24);
    actual.Canvas().Pen.Color = clBlack;
    actual.Canvas().MoveTo(x0, y0);
    actual.Canvas().LineTo(x1, y1);
    ASSERT_EQ(Pixels(actual), Pixels(expected))
        << "(" << x0 << "," << y0 << ") to (" << x1 << "," << y1 << ")";
  }
}

// A picture with holes: a ring, a notch and a few single key pixels.
TBitmap PictureWithHoles() {
  TBitmap b(60, 40);
  b.Canvas().Brush.Color = clNavy;
  b.Canvas().FillRect(b.ClientRect());
  b.Canvas().Brush.Color = KeyColour;
  b.Canvas().FillRect({10, 10, 30, 30});
  b.Canvas().FillRect({0, 0, 5, 40});
  b.Canvas().Brush.Color = clYellow;
  b.Canvas().FillRect({15, 15, 25, 25});
  for (int i = 0; i < 40; i += 3) b.Canvas().SetPixel(40 + i % 17, i, KeyColour);
  return b;
}

TEST(GraphicsGdi, AWindowTakesTheShapeOfAPicture) {
  const TBitmap picture = PictureWithHoles();
  const TRegion shape = *GetNewRegion(&picture);
  ASSERT_GT(shape.RectCount(), 10u);

  HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, 100, 100, picture.Width(),
                                picture.Height(), nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  ShowWindow(window, SW_SHOWNOACTIVATE);
  gdi::UniqueRegion handle = gdi::CreateRegionHandle(shape);
  ASSERT_NE(SetWindowRgn(window, handle.Get(), TRUE), 0);
  handle.Release();  // the window owns it now

  gdi::UniqueRegion copy(CreateRectRgn(0, 0, 0, 0));
  ASSERT_EQ(GetWindowRgn(window, copy.Get()), COMPLEXREGION);
  EXPECT_EQ(gdi::RegionFromHandle(copy.Get()), shape);
  // The raw rectangles too: ours are already the window system's banded form.
  const DWORD size = GetRegionData(copy.Get(), 0, nullptr);
  std::vector<unsigned char> data(size);
  GetRegionData(copy.Get(), size, reinterpret_cast<RGNDATA*>(data.data()));
  EXPECT_EQ(reinterpret_cast<RGNDATA*>(data.data())->rdh.nCount, shape.RectCount());
  EXPECT_FALSE(PtInRegion(copy.Get(), 12, 12));
  EXPECT_TRUE(PtInRegion(copy.Get(), 20, 20));
  EXPECT_FALSE(PtInRegion(copy.Get(), 2, 20));
  EXPECT_TRUE(PtInRegion(copy.Get(), 6, 20));
  DestroyWindow(window);
}

TEST(GraphicsGdi, EmptyAndLargeRegionsConvert) {
  gdi::UniqueRegion empty = gdi::CreateRegionHandle(TRegion());
  RECT box;
  EXPECT_EQ(GetRgnBox(empty.Get(), &box), NULLREGION);
  EXPECT_TRUE(gdi::RegionFromHandle(empty.Get()).Empty());

  TBitmap board(300, 200);
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 300; ++x)
      if ((x / 2 + y / 3) % 2) board.Canvas().SetPixel(x, y, KeyColour);
  const TRegion shape = *GetNewRegion(&board);
  ASSERT_GT(shape.RectCount(), 1000u);
  gdi::UniqueRegion handle = gdi::CreateRegionHandle(shape);
  EXPECT_EQ(gdi::RegionFromHandle(handle.Get()), shape);
  // In one call, and in pieces of every odd size: the same region.
  for (size_t pieces : {size_t(1), size_t(3), size_t(1000), SIZE_MAX}) {
    gdi::UniqueRegion other = gdi::CreateRegionHandle(shape, pieces);
    EXPECT_TRUE(EqualRgn(other.Get(), handle.Get())) << pieces;
  }
  // The same as one CombineRgn per run.
  gdi::UniqueRegion slow(CreateRectRgn(0, 0, 0, 0));
  for (const TRect& r : shape.Rects()) {
    gdi::UniqueRegion piece(CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom));
    CombineRgn(slow.Get(), slow.Get(), piece.Get(), RGN_OR);
  }
  EXPECT_TRUE(EqualRgn(slow.Get(), handle.Get()));
}

TEST(GraphicsGdi, DibSectionsCarryPicturesBothWays) {
  const TBitmap picture = CoordPicture(7, 5, 99);
  gdi::DibSection dib(picture);
  EXPECT_EQ(GetPixel(dib.Dc(), 3, 2), COLORREF(MakeColor(3, 2, 99)));
  SetPixel(dib.Dc(), 1, 1, RGB(10, 20, 30));
  TBitmap back;
  dib.Store(back);
  EXPECT_EQ(back.Canvas().Pixel(1, 1), MakeColor(10, 20, 30));
  EXPECT_EQ(back.Canvas().Pixel(6, 4), MakeColor(6, 4, 99));

  TBitmap white(10, 10);
  gdi::DibSection screen(white);
  gdi::DrawBitmap(screen.Dc(), 2, 3, picture);
  EXPECT_EQ(GetPixel(screen.Dc(), 2, 3), COLORREF(MakeColor(0, 0, 99)));
  EXPECT_EQ(GetPixel(screen.Dc(), 8, 7), COLORREF(MakeColor(6, 4, 99)));
  EXPECT_EQ(GetPixel(screen.Dc(), 1, 3), COLORREF(RGB(255, 255, 255)));
}

// The progress bar's paint path shows one part of the window picture: it
// must land where the whole picture, clipped to that part, would put it.
TEST(GraphicsGdi, ABitmapPartLandsWhereTheClippedWholeWould) {
  TBitmap picture(12, 9);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 12; ++x) picture.Canvas().SetPixel(x, y, MakeColor(x * 20, y * 25, 99));
  const TRect part = Rect(3, 2, 10, 6);
  TBitmap white(12, 9);
  gdi::DibSection whole(white), byPart(white);
  {
    gdi::SavedDcState saved(whole.Dc());
    IntersectClipRect(whole.Dc(), part.Left, part.Top, part.Right, part.Bottom);
    gdi::DrawBitmap(whole.Dc(), 0, 0, picture);
  }
  gdi::DrawBitmapPart(byPart.Dc(), part, picture);
  TBitmap expected, got;
  whole.Store(expected);
  byPart.Store(got);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 12; ++x) ASSERT_EQ(got.Canvas().Pixel(x, y), expected.Canvas().Pixel(x, y)) << x << "," << y;
  EXPECT_EQ(got.Canvas().Pixel(3, 2), MakeColor(60, 50, 99));
  EXPECT_EQ(got.Canvas().Pixel(9, 5), MakeColor(180, 125, 99));
  EXPECT_EQ(got.Canvas().Pixel(10, 5), clWhite);
  // A part reaching beyond the picture is cut to it.
  gdi::DibSection cut(white);
  gdi::DrawBitmapPart(cut.Dc(), Rect(8, 6, 20, 20), picture);
  TBitmap cutPicture;
  cut.Store(cutPicture);
  EXPECT_EQ(cutPicture.Canvas().Pixel(11, 8), MakeColor(220, 200, 99));
  EXPECT_EQ(cutPicture.Canvas().Pixel(7, 8), clWhite);
}

// The GDI renderer keeps its font selected and its last extent: a text in
// one font right after another font must still be measured and drawn in its own.
TEST(GraphicsGdi, TheTextRendererTakesEachFontAfterAnother) {
  TTextRenderer& renderer = CurrentTextRenderer();
  const TFont small{"MS Sans Serif", 8, clBlack, 0};
  const TFont big{"MS Sans Serif", 20, clBlack, 0};
  const std::string text = "Ab 50 %";
  const TSize smallExtent = renderer.Measure(small, text);
  const TSize bigExtent = renderer.Measure(big, text);
  EXPECT_GT(bigExtent.cy, smallExtent.cy);
  EXPECT_EQ(renderer.Measure(small, text), smallExtent);
  EXPECT_GT(renderer.Measure(small, text + "!").cx, smallExtent.cx);
  const auto drawn = [&](const TFont& before) {
    TBitmap scratch(200, 60), picture(200, 60);
    renderer.Draw(scratch, 2, 2, before, text, std::nullopt);
    renderer.Draw(picture, 2, 2, small, text, std::nullopt);
    return picture;
  };
  TBitmap afterSmall = drawn(small), afterBig = drawn(big);
  int ink = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 200; ++x) {
      const TColor pixel = afterBig.Canvas().Pixel(x, y);
      ASSERT_EQ(pixel, afterSmall.Canvas().Pixel(x, y)) << x << "," << y;
      if (pixel == clWhite) continue;
      ++ink;
      EXPECT_LT(y, 2 + smallExtent.cy) << x;
    }
  EXPECT_GT(ink, 10);
}

TEST(GraphicsGdi, SystemColoursComeFromGetSysColor) {
  EXPECT_EQ(ColorToRGB(clBtnFace), TColor(GetSysColor(COLOR_BTNFACE)));
  EXPECT_EQ(ColorToRGB(clBtnShadow), TColor(GetSysColor(COLOR_BTNSHADOW)));
}

TEST(GraphicsGdi, GdiTextIsDrawnInTheFontColourInsideItsCell) {
  TBitmap b(80, 30);
  TCanvas& c = b.Canvas();
  c.Font.Color = clRed;
  c.Brush.Style = bsClear;
  const TSize extent = c.TextExtent(" 50 %");
  EXPECT_GT(extent.cx, 10);
  EXPECT_GT(extent.cy, 5);
  c.TextOut(5, 5, " 50 %");
  int red = 0, outside = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 80; ++x) {
      if (c.Pixel(x, y) == clWhite) continue;
      ++red;
      if (x < 5 || y < 5 || x >= 5 + extent.cx + 2 || y >= 5 + extent.cy) ++outside;
    }
  EXPECT_GT(red, 10);
  EXPECT_EQ(outside, 0);
}

TEST(GraphicsGdi, BitmapResourcesOfTheProgramAreFoundByName) {
  const TBitmap b = LoadBitmapResource("gfxtest.strip");
  ASSERT_EQ(b.Width(), 6);
  ASSERT_EQ(b.Height(), 4);
  EXPECT_EQ(b.PixelFormat(), pf8bit);
  EXPECT_EQ(PixelToColor(b.ScanLine(0)[0]), KeyColour);
  EXPECT_EQ(PixelToColor(b.ScanLine(1)[1]), clWhite);
  EXPECT_EQ(PixelToColor(b.ScanLine(3)[5]), MakeColor(0, 128, 0));
  EXPECT_THROW(LoadBitmapResource("GfxTest.None"), ResourceNotFoundError);
}

}  // namespace
}  // namespace nuvex
