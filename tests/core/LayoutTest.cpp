// Where a windowed control places its children, as arithmetic over rectangles.
#include <gtest/gtest.h>

#include "toolkit/ui/Layout.h"

namespace nuvex {
namespace {

TEST(Layout, AlignedControlsShareTheClientAreaInCreationOrder) {
  TRect rest{0, 0, 200, 100};
  EXPECT_EQ(TakeAligned(rest, alTop, {10, 20}), (TRect{0, 0, 200, 20}));
  EXPECT_EQ(TakeAligned(rest, alBottom, {10, 15}), (TRect{0, 85, 200, 100}));
  EXPECT_EQ(TakeAligned(rest, alLeft, {30, 10}), (TRect{0, 20, 30, 85}));
  EXPECT_EQ(TakeAligned(rest, alRight, {40, 10}), (TRect{160, 20, 200, 85}));
  EXPECT_EQ(TakeAligned(rest, alClient, {1, 1}), (TRect{30, 20, 160, 85}));
  EXPECT_EQ(rest, (TRect{30, 20, 160, 85}));
}

TEST(Layout, AControlLargerThanTheRestKeepsItsSizeWhileTheRestShrinksToNothing) {
  TRect rest{0, 0, 50, 40};
  EXPECT_EQ(TakeAligned(rest, alBottom, {10, 60}), (TRect{0, 0, 50, 60}));
  EXPECT_EQ(rest, (TRect{0, 0, 50, 0}));
  EXPECT_EQ(TakeAligned(rest, alRight, {20, 5}), (TRect{30, 0, 50, 0}));
  EXPECT_EQ(TakeAligned(rest, alTop, {10, 8}), (TRect{0, 0, 30, 8}));
  EXPECT_EQ(rest, (TRect{0, 0, 30, 0}));  // never turned inside out
}

TEST(Layout, AnchorsKeepTheDistancesToTheEdgesTheyName) {
  const TRect b{10, 20, 60, 40};
  EXPECT_EQ(Anchored(b, akLeft | akTop, 30, 10), b);
  EXPECT_EQ(Anchored(b, akTop | akRight, 30, 10), (TRect{40, 20, 90, 40}));
  EXPECT_EQ(Anchored(b, akLeft | akTop | akRight | akBottom, -5, 10), (TRect{10, 20, 55, 50}));
  EXPECT_EQ(Anchored(b, akRight | akBottom, 30, 10), (TRect{40, 30, 90, 50}));
  EXPECT_EQ(Anchored(b, 0, 30, 10), b);  // neither side: stays
}

}  // namespace
}  // namespace nuvex
