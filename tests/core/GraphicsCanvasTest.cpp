// The bitmap, its canvas and colours.
#include <gtest/gtest.h>

#include "tests/support/GraphicsTestUtil.h"
#include "base/Error.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Color.h"

namespace nuvex {
namespace {

using test::CoordColor;
using test::CoordPicture;
using test::Picture;

TEST(GraphicsColor, PlainAndSystemColoursResolve) {
  EXPECT_EQ(ColorToRGB(clTeal), 0x808000);
  EXPECT_EQ(ColorRed(clRed), 255);
  EXPECT_EQ(ColorBlue(clNavy), 128);
  EXPECT_EQ(MakeColor(1, 2, 3), 0x030201);
  EXPECT_EQ(clBtnFace, static_cast<TColor>(0x8000000F));
  EXPECT_EQ(clBtnShadow, static_cast<TColor>(0x80000010));
  EXPECT_EQ(clBtnHighlight, static_cast<TColor>(0x80000014));
  EXPECT_EQ(ColorToRGB(clBtnFace), PlatformSystemColor(15));
  EXPECT_EQ(ColorToRGB(clBtnHighlight), PlatformSystemColor(20));
  // Bits above the colour are dropped, not carried into pixels.
  EXPECT_EQ(ColorToRGB(0x1FFFFFFF), 0xFFFFFF);
  EXPECT_EQ(ClassicSystemColor(15), MakeColor(192, 192, 192));
  EXPECT_EQ(ClassicSystemColor(16), MakeColor(128, 128, 128));
  EXPECT_EQ(ClassicSystemColor(99), clBlack);
  // Pixels are stored the other way round.
  EXPECT_EQ(RgbToPixel(clRed), 0xFF0000u);
  EXPECT_EQ(PixelToColor(0x0000FFu), clBlue);
}

TEST(GraphicsBitmap, ResizeKeepsSharedPartAndFillsWithBrush) {
  TBitmap b = CoordPicture(3, 2);
  b.Canvas().Brush.Color = clYellow;
  b.SetSize(4, 3);
  EXPECT_EQ(b.Canvas().Pixel(2, 1), CoordColor(2, 1));
  EXPECT_EQ(b.Canvas().Pixel(3, 0), clYellow);
  EXPECT_EQ(b.Canvas().Pixel(0, 2), clYellow);
  b.SetWidth(1);
  EXPECT_EQ(b.Width(), 1);
  EXPECT_EQ(b.Canvas().Pixel(0, 1), CoordColor(0, 1));
  b.SetHeight(-5);
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(b.Canvas().Pixel(0, 0), -1);
  EXPECT_THROW(b.SetSize(kMaxBitmapSide + 1, 1), Error);
  EXPECT_THROW(b.SetSize(20000, 20000), Error);
  EXPECT_TRUE(b.Empty());  // a refused size leaves the picture as it was
}

TEST(GraphicsBitmap, CopiesAreIndependentAndKeepSettings) {
  TBitmap a = CoordPicture(2, 2);
  a.SetPixelFormat(pf8bit);
  a.SetTransparentColor(clRed);
  a.SetTransparent(true);
  TBitmap b = a;
  b.Canvas().SetPixel(0, 0, clBlack);
  EXPECT_EQ(a.Canvas().Pixel(0, 0), CoordColor(0, 0));
  EXPECT_EQ(b.PixelFormat(), pf8bit);
  EXPECT_TRUE(b.Transparent());
  EXPECT_EQ(b.TransparentColor(), clRed);
  // The copy's canvas draws on the copy.
  EXPECT_EQ(&b.Canvas().Bitmap(), &b);
  TBitmap c = std::move(b);
  EXPECT_EQ(&c.Canvas().Bitmap(), &c);
  EXPECT_EQ(c.Canvas().Pixel(0, 0), clBlack);
}

TEST(GraphicsBitmap, AutomaticTransparentColourIsBottomLeftPixel) {
  TBitmap b = CoordPicture(3, 4);
  EXPECT_EQ(b.TransparentMode(), tmAuto);
  EXPECT_EQ(b.TransparentColor(), CoordColor(0, 3));
  b.SetTransparentColor(clAqua);
  EXPECT_EQ(b.TransparentMode(), tmFixed);
  EXPECT_EQ(b.TransparentColor(), clAqua);
}

TEST(GraphicsCanvas, FillRectClipsAndHonoursClearBrush) {
  TBitmap b(4, 3);
  b.Canvas().Brush.Color = clNavy;
  b.Canvas().FillRect({-2, 1, 2, 9});
  EXPECT_EQ(b.Canvas().Pixel(1, 2), clNavy);
  EXPECT_EQ(b.Canvas().Pixel(2, 2), clWhite);
  EXPECT_EQ(b.Canvas().Pixel(0, 0), clWhite);
  b.Canvas().Brush.Style = bsClear;
  b.Canvas().FillRect(b.ClientRect());
  EXPECT_EQ(b.Canvas().Pixel(3, 0), clWhite);
  b.Canvas().Brush = {clBtnShadow, bsSolid};
  b.Canvas().FillRect(b.ClientRect());
  EXPECT_EQ(b.Canvas().Pixel(3, 0), ColorToRGB(clBtnShadow));
}

// No-blend stretching as StretchBlt does it (the values were read from GDI).
TEST(GraphicsCanvas, StretchingRepeatsAndDropsWholeColumnsAndRows) {
  const TBitmap source = CoordPicture(3, 5);
  TBitmap wide(5, 2);
  wide.Canvas().CopyRect(wide.ClientRect(), source, {0, 0, 3, 5});
  const int columns[5] = {0, 0, 1, 2, 2};  // 3 onto 5: the pixel under each centre
  const int rows[2] = {0, 3};              // 5 onto 2: the first row of each group
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 5; ++x)
      EXPECT_EQ(wide.Canvas().Pixel(x, y), CoordColor(columns[x], rows[y])) << x << "," << y;

  // 5 onto 3 across: the last column of each group.
  TBitmap narrow(3, 1);
  narrow.Canvas().CopyRect(narrow.ClientRect(), CoordPicture(5, 1), {0, 0, 5, 1});
  EXPECT_EQ(narrow.Canvas().Pixel(0, 0), CoordColor(1, 0));
  EXPECT_EQ(narrow.Canvas().Pixel(1, 0), CoordColor(2, 0));
  EXPECT_EQ(narrow.Canvas().Pixel(2, 0), CoordColor(4, 0));
  // Shrunk to a single pixel: the next-to-last column, the first row.
  TBitmap one(1, 1);
  one.Canvas().CopyRect(one.ClientRect(), CoordPicture(7, 7), {0, 0, 7, 7});
  EXPECT_EQ(one.Canvas().Pixel(0, 0), CoordColor(5, 0));
  // A centre exactly on a boundary takes the lower pixel: 4 onto 6.
  TBitmap ties(6, 1);
  ties.Canvas().CopyRect(ties.ClientRect(), CoordPicture(4, 1), {0, 0, 4, 1});
  const int tieColumns[6] = {0, 0, 1, 2, 2, 3};
  for (int x = 0; x < 6; ++x) EXPECT_EQ(ties.Canvas().Pixel(x, 0), CoordColor(tieColumns[x], 0)) << x;
  // Whole multiples repeat evenly.
  TBitmap triple(9, 1);
  triple.Canvas().CopyRect(triple.ClientRect(), CoordPicture(3, 1), {0, 0, 3, 1});
  for (int x = 0; x < 9; ++x) EXPECT_EQ(triple.Canvas().Pixel(x, 0), CoordColor(x / 3, 0)) << x;
}

TEST(GraphicsCanvas, CopyRectClipsTargetAndSkipsPixelsOutsideSource) {
  const TBitmap source = CoordPicture(4, 4);
  TBitmap target(4, 4);
  // The target starts left of the bitmap: the mapping still counts from its
  // own left edge.
  target.Canvas().CopyRect({-2, 0, 2, 1}, source, {0, 0, 4, 1});
  EXPECT_EQ(target.Canvas().Pixel(0, 0), CoordColor(2, 0));
  EXPECT_EQ(target.Canvas().Pixel(1, 0), CoordColor(3, 0));
  EXPECT_EQ(target.Canvas().Pixel(2, 0), clWhite);
  // A source reaching beyond the picture leaves those target pixels alone.
  target.Canvas().CopyRect({0, 2, 4, 3}, source, {2, 1, 6, 2});
  EXPECT_EQ(target.Canvas().Pixel(0, 2), CoordColor(2, 1));
  EXPECT_EQ(target.Canvas().Pixel(1, 2), CoordColor(3, 1));
  EXPECT_EQ(target.Canvas().Pixel(2, 2), clWhite);
  // Empty and inverted rectangles draw nothing.
  TBitmap untouched(2, 2);
  untouched.Canvas().CopyRect({2, 0, 0, 2}, source, {0, 0, 2, 2});
  untouched.Canvas().CopyRect({0, 0, 2, 2}, source, {0, 2, 2, 0});
  EXPECT_TRUE(test::AllPixels(untouched, clWhite));
}

TEST(GraphicsCanvas, CopyWithinOnePictureReadsTheOriginal) {
  TBitmap b = CoordPicture(4, 1);
  b.Canvas().CopyRect({1, 0, 4, 1}, b, {0, 0, 3, 1});
  EXPECT_EQ(b.Canvas().Pixel(0, 0), CoordColor(0, 0));
  EXPECT_EQ(b.Canvas().Pixel(1, 0), CoordColor(0, 0));
  EXPECT_EQ(b.Canvas().Pixel(2, 0), CoordColor(1, 0));
  EXPECT_EQ(b.Canvas().Pixel(3, 0), CoordColor(2, 0));
}

TEST(GraphicsCanvas, DrawIsSeeThroughOnlyForATransparentPicture) {
  TBitmap piece = Picture({"rk", "kg"});
  TBitmap target(3, 3);
  target.Canvas().Brush.Color = clBlue;
  target.Canvas().FillRect(target.ClientRect());
  target.Canvas().Draw(1, 1, piece);
  EXPECT_EQ(target.Canvas().Pixel(2, 1), 0xFF00FF);

  target.Canvas().FillRect(target.ClientRect());
  piece.SetTransparentColor(0xFF00FF);
  piece.SetTransparent(true);
  target.Canvas().Draw(1, 1, piece);
  EXPECT_EQ(target.Canvas().Pixel(1, 1), clRed);
  EXPECT_EQ(target.Canvas().Pixel(2, 1), clBlue);
  EXPECT_EQ(target.Canvas().Pixel(1, 2), clBlue);
  EXPECT_EQ(target.Canvas().Pixel(2, 2), clLime);

  target.Canvas().FillRect(target.ClientRect());
  target.Canvas().StretchDraw({0, 0, 3, 3}, piece);  // 2 onto 3: columns 0, 0, 1
  EXPECT_EQ(target.Canvas().Pixel(0, 0), clRed);
  EXPECT_EQ(target.Canvas().Pixel(1, 1), clRed);
  EXPECT_EQ(target.Canvas().Pixel(2, 0), clBlue);
  EXPECT_EQ(target.Canvas().Pixel(2, 2), clLime);
}

std::vector<TPoint> Painted(const TBitmap& b) {
  std::vector<TPoint> points;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.ScanLine(y)[x] != 0xFFFFFF) points.push_back({x, y});
  return points;
}

std::vector<TPoint> Line(int x0, int y0, int x1, int y1, int size = 8) {
  TBitmap b(size, size);
  b.Canvas().MoveTo(x0, y0);
  b.Canvas().LineTo(x1, y1);
  EXPECT_EQ(b.Canvas().PenPos(), (TPoint{x1, y1}));
  return Painted(b);
}

TEST(GraphicsCanvas, LinesLeaveOutTheirEndPoint) {
  EXPECT_EQ(Line(0, 0, 3, 0), (std::vector<TPoint>{{0, 0}, {1, 0}, {2, 0}}));
  EXPECT_EQ(Line(1, 3, 1, 0), (std::vector<TPoint>{{1, 1}, {1, 2}, {1, 3}}));
  EXPECT_TRUE(Line(2, 2, 2, 2).empty());
  EXPECT_EQ(Line(0, 0, 3, 3), (std::vector<TPoint>{{0, 0}, {1, 1}, {2, 2}}));
}

TEST(GraphicsCanvas, LineTiesGoTheSameWayInBothDirections) {
  // (0,0)-(4,1) passes exactly between two rows at x = 2; both directions
  // take the upper row there.
  EXPECT_EQ(Line(0, 0, 4, 1), (std::vector<TPoint>{{0, 0}, {1, 0}, {2, 0}, {3, 1}}));
  EXPECT_EQ(Line(4, 1, 0, 0), (std::vector<TPoint>{{1, 0}, {2, 0}, {3, 1}, {4, 1}}));
  // Steep: (0,0)-(1,4), tie at y = 2.
  EXPECT_EQ(Line(0, 0, 1, 4), (std::vector<TPoint>{{0, 0}, {0, 1}, {0, 2}, {1, 3}}));
  EXPECT_EQ(Line(1, 4, 0, 0), (std::vector<TPoint>{{0, 1}, {0, 2}, {1, 3}, {1, 4}}));
}

TEST(GraphicsCanvas, LinesAreClippedNotWrapped) {
  EXPECT_EQ(Line(-5, 1, 3, 1, 4), (std::vector<TPoint>{{0, 1}, {1, 1}, {2, 1}}));
  EXPECT_EQ(Line(5, 5, 0, 0, 4), (std::vector<TPoint>{{1, 1}, {2, 2}, {3, 3}}));
  // Far-away coordinates cost nothing and paint nothing.
  EXPECT_TRUE(Line(-2000000000, 5, 2000000000, 5).empty());
  const std::vector<TPoint> across = Line(-100000, 2, 100000, 2);
  EXPECT_EQ(across.size(), 8u);
}

TEST(GraphicsCanvas, PolylineFollowsItsPointsWithThePenColour) {
  TBitmap b(4, 4);
  b.Canvas().Pen.Color = clBtnShadow;
  b.Canvas().Polyline({{0, 3}, {0, 0}, {3, 0}});
  EXPECT_EQ(b.Canvas().Pixel(0, 3), ColorToRGB(clBtnShadow));
  EXPECT_EQ(b.Canvas().Pixel(0, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(b.Canvas().Pixel(2, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(b.Canvas().Pixel(3, 0), clWhite);  // the last end point
  EXPECT_EQ(b.Canvas().PenPos(), (TPoint{3, 0}));
}

}  // namespace
}  // namespace nuvex
