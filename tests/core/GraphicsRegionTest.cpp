// Regions in banded form, and the shape of a picture.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <stdexcept>

#include "tests/support/GraphicsTestUtil.h"
#include "skin/Regions.h"
#include "toolkit/graphics/Region.h"

namespace nuvex {
namespace {

using Rects = std::vector<TRect>;

TEST(GraphicsRegion, UnionKeepsTheBandedForm) {
  TRegion r;
  EXPECT_TRUE(r.Empty());
  r.Union(TRect{0, 0, 2, 2});
  r.Union(TRect{1, 1, 4, 3});
  // Bands: rows 0..1 [0,2); row 1..2 [0,4); row 2..3 [1,4).
  EXPECT_EQ(r.Rects(), (Rects{{0, 0, 2, 1}, {0, 1, 4, 2}, {1, 2, 4, 3}}));
  EXPECT_EQ(r.Bounds(), (TRect{0, 0, 4, 3}));
  // Touching runs in a band join; touching bands with the same runs join.
  TRegion s;
  s.Union(TRect{0, 0, 2, 1});
  s.Union(TRect{2, 0, 5, 1});
  s.Union(TRect{0, 1, 5, 3});
  EXPECT_EQ(s.Rects(), (Rects{{0, 0, 5, 3}}));
  // Empty rectangles add nothing.
  s.Union(TRect{7, 7, 7, 9});
  EXPECT_EQ(s.RectCount(), 1u);
}

TEST(GraphicsRegion, EqualSetsCompareEqualWhateverTheOrder) {
  TRegion a;
  a.Union(TRect{0, 0, 3, 1});
  a.Union(TRect{5, 0, 6, 4});
  a.Union(TRect{0, 1, 3, 4});
  TRegion b;
  b.Union(TRect{5, 2, 6, 4});
  b.Union(TRect{0, 0, 3, 4});
  b.Union(TRect{5, 0, 6, 2});
  EXPECT_EQ(a, b);
  EXPECT_EQ(a.Rects(), (Rects{{0, 0, 3, 4}, {5, 0, 6, 4}}));
  b.Union(TRect{3, 3, 4, 4});
  EXPECT_FALSE(a == b);
}

TEST(GraphicsRegion, ContainsAndOffset) {
  TRegion r;
  r.Union(TRect{0, 0, 2, 1});
  r.Union(TRect{4, 0, 6, 1});
  r.Union(TRect{1, 2, 3, 3});
  EXPECT_TRUE(r.Contains(0, 0));
  EXPECT_TRUE(r.Contains(5, 0));
  EXPECT_FALSE(r.Contains(2, 0));
  EXPECT_FALSE(r.Contains(6, 0));
  EXPECT_FALSE(r.Contains(1, 1));
  EXPECT_TRUE(r.Contains(2, 2));
  EXPECT_FALSE(r.Contains(0, 2));
  EXPECT_FALSE(r.Contains(1, 3));
  EXPECT_FALSE(r.Contains(-1, 0));
  r.Offset(10, -1);
  EXPECT_TRUE(r.Contains(10, -1));
  EXPECT_FALSE(r.Contains(0, 0));
  EXPECT_EQ(r.Bounds(), (TRect{10, -1, 16, 2}));
}

TEST(GraphicsRegion, BuilderRefusesRunsOutOfOrder) {
  TRegionBuilder a;
  a.AddRun(0, 3, 5);
  EXPECT_THROW(a.AddRun(0, 1, 2), std::logic_error);
  TRegionBuilder b;
  b.AddRun(2, 0, 1);
  EXPECT_THROW(b.AddRun(1, 0, 1), std::logic_error);
  TRegionBuilder c;
  c.AddRun(0, 0, 2);
  c.AddRun(0, 2, 4);  // touching: joined
  c.AddRun(1, 0, 4);
  EXPECT_EQ(c.Finish().Rects(), (Rects{{0, 0, 4, 2}}));
}

// Random unions against a plain set of pixels.
TEST(GraphicsRegion, RandomUnionsMatchAPixelSet) {
  std::mt19937 random(1234);
  for (int round = 0; round < 200; ++round) {
    TRegion region;
    std::set<std::pair<int, int>> pixels;
    const int count = 1 + random() % 8;
    for (int i = 0; i < count; ++i) {
      const int l = random() % 12, t = random() % 12;
      const TRect r{l, t, l + static_cast<int>(random() % 6), t + static_cast<int>(random() % 6)};
      region.Union(r);
      for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) pixels.insert({x, y});
    }
    for (int y = -1; y < 19; ++y)
      for (int x = -1; x < 19; ++x)
        ASSERT_EQ(region.Contains(x, y), pixels.count({x, y}) == 1) << round << ": " << x << "," << y;
    // Canonical: the same pixels built row by row give the same rectangles.
    TRegionBuilder rows;
    for (int y = 0; y < 18; ++y) {
      int start = -1;
      for (int x = 0; x <= 18; ++x) {
        const bool in = pixels.count({x, y}) == 1;
        if (in && start < 0) start = x;
        if (!in && start >= 0) {
          rows.AddRun(y, start, x);
          start = -1;
        }
      }
    }
    ASSERT_EQ(rows.Finish(), region) << round;
  }
}

TEST(SkinToolsRegion, KeyColouredPixelsAreHoles) {
  const TBitmap a = test::Picture({"krrk"});
  EXPECT_EQ(GetNewRegion(&a)->Rects(), (Rects{{1, 0, 3, 1}}));
  const TBitmap b = test::Picture({"rkrr"});
  EXPECT_EQ(GetNewRegion(&b)->Rects(), (Rects{{0, 0, 1, 1}, {2, 0, 4, 1}}));
  const TBitmap c = test::Picture({"#..#", "k##k", "kkkk"});
  EXPECT_EQ(GetNewRegion(&c)->Rects(), (Rects{{0, 0, 4, 1}, {1, 1, 3, 2}}));
}

TEST(SkinToolsRegion, WholeEmptyAndMissingPictures) {
  const TBitmap full = test::Picture({"r#", "gb"});
  EXPECT_EQ(GetNewRegion(&full)->Rects(), (Rects{{0, 0, 2, 2}}));
  const TBitmap holes = test::Picture({"kk", "kk"});
  const std::optional<TRegion> none = GetNewRegion(&holes);
  ASSERT_TRUE(none.has_value());
  EXPECT_TRUE(none->Empty());
  TBitmap zeroWidth(0, 5);
  ASSERT_TRUE(GetNewRegion(&zeroWidth).has_value());
  EXPECT_TRUE(GetNewRegion(&zeroWidth)->Empty());
  EXPECT_FALSE(GetNewRegion(nullptr).has_value());
}

TEST(SkinToolsRegion, OnlyTheExactKeyColourIsAHole) {
  TBitmap b(3, 1);
  b.Canvas().SetPixel(0, 0, MakeColor(255, 0, 254));
  b.Canvas().SetPixel(1, 0, MakeColor(255, 0, 255));
  b.Canvas().SetPixel(2, 0, MakeColor(254, 0, 255));
  EXPECT_EQ(GetNewRegion(&b)->Rects(), (Rects{{0, 0, 1, 1}, {2, 0, 3, 1}}));
}

}  // namespace
}  // namespace nuvex
