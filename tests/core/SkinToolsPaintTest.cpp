// Cutting state images out of a strip and painting them: the hand-worked cases.
#include <gtest/gtest.h>

#include "tests/support/GraphicsTestUtil.h"
#include "tests/support/TestSupport.h"
#include "skin/SkinTools.h"

namespace nuvex {
namespace {

using test::CoordColor;
using test::CoordPicture;

TEST(SkinToolsPaint, StateRectanglesOfAStrip) {
  EXPECT_EQ(StateImageRect(226, 117, spHorizontal, 2, 3), (TRect{0, 39, 226, 78}));
  EXPECT_EQ(StateImageRect(90, 20, spVertical, 3, 3), (TRect{60, 0, 90, 20}));
  EXPECT_EQ(StateImageRect(90, 20, spNone, 3, 3), (TRect{0, 0, 90, 20}));
  // 100 rows, 3 images: 33 rows each; row 99 belongs to none.
  EXPECT_EQ(StateImageRect(10, 100, spHorizontal, 3, 3), (TRect{0, 66, 10, 99}));
  EXPECT_EQ(StateImageRect(10, 100, spHorizontal, 1, 0), (TRect{0, 0, 10, 100}));
}

TEST(SkinToolsPaint, LeftoverRowsOfAStripAreNeverShown) {
  const TBitmap strip = CoordPicture(4, 100);
  TBitmap dest;
  ASSERT_TRUE(PaintBitmap(strip, dest, 0, 0, 0, 0, -1, -1, spHorizontal, 3, 3, iaStretched));
  ASSERT_EQ(dest.Height(), 33);
  ASSERT_EQ(dest.Width(), 4);
  for (int y = 0; y < 33; ++y) EXPECT_EQ(dest.Canvas().Pixel(1, y), CoordColor(1, 66 + y));
}

TEST(SkinToolsPaint, CountZeroIsOneImage) {
  const TBitmap strip = CoordPicture(6, 9);
  TBitmap zero, one;
  PaintBitmap(strip, zero, 1, 1, 1, 1, 12, 10, spHorizontal, 1, 0, iaStretched);
  PaintBitmap(strip, one, 1, 1, 1, 1, 12, 10, spHorizontal, 1, 1, iaStretched);
  EXPECT_EQ(test::PixelsOf(zero), test::PixelsOf(one));
  EXPECT_EQ(zero.Canvas().Pixel(0, 11), CoordColor(0, 8));
}

// The mapping of one axis of the 20 x 20 image with margins 5 onto a target
// of `size` pixels: margins at their own size, the interior by `inner`.
template <typename Inner>
int AxisMap(int d, int size, Inner inner) {
  if (d < 5) return d;
  if (d >= size - 5) return 15 + (d - (size - 5));
  return inner(d);
}

TEST(SkinToolsPaint, StretchedTwentySquareOntoFortyByThirty) {
  const TBitmap strip = CoordPicture(20, 20);
  TBitmap dest;
  ASSERT_TRUE(PaintBitmap(strip, dest, 5, 5, 5, 5, 30, 40, spNone, 1, 1, iaStretched));
  ASSERT_EQ(dest.Width(), 40);
  ASSERT_EQ(dest.Height(), 30);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 40; ++x) {
      const int sx = AxisMap(x, 40, [](int d) { return 5 + (d - 5) * 10 / 30; });
      const int sy = AxisMap(y, 30, [](int d) { return 5 + (d - 5) * 10 / 20; });
      ASSERT_EQ(dest.Canvas().Pixel(x, y), CoordColor(sx, sy)) << x << "," << y;
    }
  }
}

TEST(SkinToolsPaint, TiledTwentySquareOntoFortyByThirty) {
  const TBitmap strip = CoordPicture(20, 20);
  TBitmap dest;
  ASSERT_TRUE(PaintBitmap(strip, dest, 5, 5, 5, 5, 30, 40, spNone, 1, 1, iaTiled));
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 40; ++x) {
      const int sx = AxisMap(x, 40, [](int d) { return 5 + (d - 5) % 10; });
      const int sy = AxisMap(y, 30, [](int d) { return 5 + (d - 5) % 10; });
      ASSERT_EQ(dest.Canvas().Pixel(x, y), CoordColor(sx, sy)) << x << "," << y;
    }
  }
}

TEST(SkinToolsPaint, NoMarginsScaleTheWholeImage) {
  const TBitmap strip = CoordPicture(8, 6);
  TBitmap dest;
  PaintBitmap(strip, dest, 0, 0, 0, 0, 4, 12, spNone, 1, 1, iaStretched);
  const int columns[12] = {0, 0, 1, 2, 2, 3, 4, 4, 5, 6, 6, 7};  // 8 onto 12
  const int rows[4] = {0, 2, 3, 5};                              // 6 onto 4
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 12; ++x) ASSERT_EQ(dest.Canvas().Pixel(x, y), CoordColor(columns[x], rows[y]));
}

TEST(SkinToolsPaint, TiledWithoutMarginsClipsTheLastTiles) {
  const TBitmap strip = CoordPicture(10, 10);
  TBitmap dest;
  PaintBitmap(strip, dest, 0, 0, 0, 0, 15, 25, spNone, 1, 1, iaTiled);
  for (int y = 0; y < 15; ++y)
    for (int x = 0; x < 25; ++x) ASSERT_EQ(dest.Canvas().Pixel(x, y), CoordColor(x % 10, y % 10));
}

TEST(SkinToolsPaint, CentredInteriorKeepsTheTargetAndItsOldPixels) {
  TBitmap strip = CoordPicture(10, 10);
  strip.Canvas().SetPixel(4, 4, KeyColour);
  TBitmap dest(25, 25);
  dest.Canvas().Brush.Color = clNavy;
  dest.Canvas().FillRect(dest.ClientRect());
  ASSERT_TRUE(PaintBitmap(strip, dest, 0, 0, 0, 0, 99, 99, spNone, 1, 1, iaCentered));
  ASSERT_EQ(dest.Width(), 25);  // the requested size is not applied
  for (int y = 0; y < 25; ++y) {
    for (int x = 0; x < 25; ++x) {
      const bool inside = x >= 7 && x < 17 && y >= 7 && y < 17;
      const bool key = x == 11 && y == 11;
      const TColor expected = inside && !key ? CoordColor(x - 7, y - 7) : clNavy;
      ASSERT_EQ(dest.Canvas().Pixel(x, y), expected) << x << "," << y;
    }
  }
  // A target smaller than the interior: (9 - 10) div 2 is 0.
  TBitmap small(9, 9);
  PaintBitmap(strip, small, 0, 0, 0, 0, -1, -1, spNone, 1, 1, iaCentered);
  EXPECT_EQ(small.Canvas().Pixel(0, 0), CoordColor(0, 0));
  EXPECT_EQ(small.Canvas().Pixel(8, 8), CoordColor(8, 8));
}

TEST(SkinToolsPaint, TransparentInteriorLeavesAFrameInTheRegion) {
  const TBitmap strip = CoordPicture(12, 12);
  TBitmap dest;
  PaintBitmap(strip, dest, 3, 3, 3, 3, 20, 30, spNone, 1, 1, iaTransparent);
  TRegion expected;
  expected.Union(TRect{0, 0, 30, 3});
  expected.Union(TRect{0, 17, 30, 20});
  expected.Union(TRect{0, 3, 3, 17});
  expected.Union(TRect{27, 3, 30, 17});
  EXPECT_EQ(*GetNewRegion(&dest), expected);
  // The edges are scaled in this mode: the left edge's 6 rows over 14.
  EXPECT_EQ(dest.Canvas().Pixel(1, 3 + 13), CoordColor(1, 3 + 13 * 6 / 14));
}

TEST(SkinToolsPaint, EmptyInteriorRaisesAndLeavesTheTargetRed) {
  const TBitmap strip = CoordPicture(20, 20);
  TBitmap dest(7, 5);
  EXPECT_EQ(test::MessageOf<Error>([&] { PaintBitmap(strip, dest, 2, 10, 2, 10, 30, 40, spNone, 1, 1, iaStretched); }),
            "[PaintBitmap] CheckError returned True");
  EXPECT_EQ(dest.Width(), 7);  // red at the size it had
  EXPECT_TRUE(test::AllPixels(dest, clRed));
  // A count so large that an image has no height.
  EXPECT_THROW(PaintBitmap(strip, dest, 0, 0, 0, 0, -1, -1, spHorizontal, 1, 21, iaTiled), Error);
  // Crossing margins.
  EXPECT_THROW(PaintBitmap(strip, dest, 12, 0, 12, 0, -1, -1, spNone, 1, 1, iaTiled), Error);
}

TEST(SkinToolsPaint, HorizontalTiledWithoutInteriorHeightStopsRed) {
  TBitmap strip = CoordPicture(20, 20);
  TBitmap dest;
  EXPECT_FALSE(PaintBitmap(strip, dest, 5, 6, 5, 6, 12, 40, spNone, 1, 1, iaHorizontalTiled));
  EXPECT_EQ(dest.Width(), 40);
  EXPECT_EQ(dest.Height(), 12);
  EXPECT_TRUE(test::AllPixels(dest, clRed));  // no edges or corners over it
}

TEST(SkinToolsPaint, HorizontalTiledScalesToHeightThenRepeats) {
  const TBitmap strip = CoordPicture(10, 10);
  TBitmap dest;
  ASSERT_TRUE(PaintBitmap(strip, dest, 2, 2, 2, 2, 20, 30, spNone, 1, 1, iaHorizontalTiled));
  // Interior 6 x 6, scaled to 16 rows, repeated every 6 columns from x = 2.
  EXPECT_EQ(dest.Canvas().Pixel(2, 2), CoordColor(2, 2));
  EXPECT_EQ(dest.Canvas().Pixel(8 + 3, 2 + 15), CoordColor(2 + 3, 2 + 15 * 6 / 16));
  // The top edge is tiled: 6 columns wide pieces from x = 2.
  EXPECT_EQ(dest.Canvas().Pixel(2 + 6 * 3 + 1, 1), CoordColor(2 + 1, 1));
  // The left edge is scaled.
  EXPECT_EQ(dest.Canvas().Pixel(0, 2 + 15), CoordColor(0, 2 + 15 * 6 / 16));
}

TEST(SkinToolsPaint, TopStretchTakesABandAsHighAsTheTargetLessItsBottomMargin) {
  const TBitmap strip = CoordPicture(10, 40);
  TBitmap dest;
  // Interior (0, 4, 10, 20) of the 10 x 20 state image 1; target 10 x 14;
  // the band is rows 4 .. 4 + (14 - 0) of the strip, scaled onto rows 4 .. 14.
  ASSERT_TRUE(PaintBitmap(strip, dest, 0, 4, 0, 0, 14, 10, spHorizontal, 1, 2, iaTopStretch));
  const int rows[10] = {0, 1, 3, 4, 6, 7, 8, 10, 11, 13};  // 14 band rows onto 10
  for (int y = 4; y < 14; ++y) EXPECT_EQ(dest.Canvas().Pixel(3, y), CoordColor(3, 4 + rows[y - 4])) << y;
  // The last rows come from below the state image (they belong to image 2).
  EXPECT_EQ(dest.Canvas().Pixel(3, 13), CoordColor(3, 17));
}

TEST(SkinToolsPaint, TheSourceMayBeTheTarget) {
  TBitmap b = CoordPicture(10, 10);
  ASSERT_TRUE(PaintBitmap(b, b, 0, 0, 0, 0, 20, 20, spNone, 1, 1, iaStretched));
  EXPECT_EQ(b.Canvas().Pixel(19, 19), CoordColor(9, 9));
}

TEST(SkinToolsPaint, ConversionsFromSkinNumbers) {
  EXPECT_EQ(IntToSplitMode(0), spNone);
  EXPECT_EQ(IntToSplitMode(2), spVertical);
  EXPECT_EQ(IntToSplitMode(3), spNone);
  EXPECT_EQ(IntToSplitMode(-1), spNone);
  EXPECT_EQ(IntToInteriorArea(5), iaTransparent);
  EXPECT_EQ(IntToInteriorArea(4), iaTopStretch);
  EXPECT_EQ(IntToInteriorArea(6), iaStretched);
  EXPECT_EQ(IntToInteriorArea(-1), iaStretched);
}

TEST(SkinToolsBitmaps, CopyBitmapIsAPixelCopyKeepingTheTargetFormat) {
  const TBitmap source = CoordPicture(5, 3);
  TBitmap dest(1, 1, pf16bit);
  CopyBitmap(source, dest);
  EXPECT_EQ(dest.PixelFormat(), pf16bit);
  EXPECT_EQ(test::PixelsOf(dest), test::PixelsOf(source));
  TBitmap empty;
  CopyBitmap(empty, dest);
  EXPECT_TRUE(dest.Empty());
}

}  // namespace
}  // namespace nuvex
