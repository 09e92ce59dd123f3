// The progress bar's range: clamping, what a position change asks for, and
// the arithmetic of the done width and the percentage.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "controls/ProgressRange.h"

namespace nuvex {
namespace {

constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();
constexpr int32_t kInt32Min = std::numeric_limits<int32_t>::min();

TEST(ProgressBarRange, PositionIsClampedAndAnUnchangedValueDoesNothing) {
  TProgressRange r;
  EXPECT_EQ(r.SetPosition(150), TPositionChange::UpdateEstimate);  // clamped to 100, divisible by 4
  EXPECT_EQ(r.Position(), 100);
  EXPECT_EQ(r.SetPosition(150), TPositionChange::None);
  EXPECT_EQ(r.SetPosition(100), TPositionChange::None);
  EXPECT_EQ(r.SetPosition(-7), TPositionChange::RestartTiming);  // clamped to Min
  EXPECT_EQ(r.Position(), 0);
  EXPECT_EQ(r.SetPosition(-7), TPositionChange::None);
}

TEST(ProgressBarRange, WhichChangesRefreshTheEstimate) {
  TProgressRange r;
  EXPECT_EQ(r.SetPosition(1), TPositionChange::UpdateEstimate);
  EXPECT_EQ(r.SetPosition(3), TPositionChange::UpdateEstimate);
  EXPECT_EQ(r.SetPosition(5), TPositionChange::Moved);
  EXPECT_EQ(r.SetPosition(8), TPositionChange::UpdateEstimate);
  EXPECT_EQ(r.SetPosition(99), TPositionChange::Moved);
  EXPECT_EQ(r.SetPosition(0), TPositionChange::RestartTiming);

  // The test is on the position itself, not on its distance from Min.
  r.SetMin(2);
  EXPECT_EQ(r.SetPosition(6), TPositionChange::Moved);
  EXPECT_EQ(r.SetPosition(4), TPositionChange::UpdateEstimate);
  EXPECT_EQ(r.SetPosition(3), TPositionChange::UpdateEstimate);
  EXPECT_EQ(r.SetPosition(2), TPositionChange::RestartTiming);

  TProgressRange negative;
  negative.SetMin(-20);
  EXPECT_EQ(negative.SetPosition(-7), TPositionChange::UpdateEstimate);  // below 4
  EXPECT_EQ(negative.SetPosition(-20), TPositionChange::RestartTiming);
}

TEST(ProgressBarRange, MaxAtOrBelowMinBecomesMinPlusOne) {
  TProgressRange r;
  r.SetPosition(60);
  EXPECT_TRUE(r.SetMin(40));
  EXPECT_TRUE(r.SetMax(10));
  EXPECT_EQ(r.Max(), 41);
  EXPECT_EQ(r.Position(), 41);  // pulled down
  EXPECT_FALSE(r.SetMax(40));   // 41 again: no change
  EXPECT_FALSE(r.SetMax(41));
}

TEST(ProgressBarRange, MinAtOrAboveMaxBecomesMaxAndTheBarIsEmpty) {
  TProgressRange r;
  r.SetPosition(30);
  EXPECT_TRUE(r.SetMin(500));
  EXPECT_EQ(r.Min(), 100);
  EXPECT_EQ(r.Position(), 100);  // pulled up
  EXPECT_EQ(r.Fraction(), 0.0);
  EXPECT_EQ(PercentageValue(r.Fraction()), 0);
  EXPECT_FALSE(r.SetMin(100));
  // With Min = Max every position clamps to the one value.
  EXPECT_EQ(r.SetPosition(7), TPositionChange::None);
}

TEST(ProgressBarRange, TheLargestIntegersKeepTheInvariants) {
  TProgressRange r;
  EXPECT_TRUE(r.SetMax(kInt32Max));
  EXPECT_TRUE(r.SetMin(kInt32Max));
  EXPECT_EQ(r.Min(), kInt32Max);
  // There is no Min + 1: Max stays at Min instead of wrapping below it.
  EXPECT_FALSE(r.SetMax(0));
  EXPECT_EQ(r.Max(), kInt32Max);
  EXPECT_LE(r.Min(), r.Position());
  EXPECT_LE(r.Position(), r.Max());

  TProgressRange wide;
  wide.SetMin(kInt32Min);
  wide.SetMax(kInt32Max);
  wide.SetPosition(0);
  EXPECT_NEAR(wide.Fraction(), 0.5, 1e-9);
  EXPECT_EQ(PercentageValue(wide.Fraction()), 50);
  // The estimate's 32-bit differences wrap instead of overflowing.
  EXPECT_EQ(wide.Total(), -1);
  EXPECT_EQ(wide.Done(), kInt32Min);
}

TEST(ProgressBarRange, StepIsAtLeastOne) {
  TProgressRange r;
  EXPECT_FALSE(r.SetStep(0));
  EXPECT_EQ(r.Step(), 1);
  EXPECT_TRUE(r.SetStep(10));
  EXPECT_TRUE(r.SetStep(-3));
  EXPECT_EQ(r.Step(), 1);
}

TEST(ProgressBarRange, RoundingIsHalfToEven) {
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(2.5000001), 3);
  EXPECT_EQ(RoundHalfEven(2.4999999), 2);
  EXPECT_EQ(RoundHalfEven(-0.5), 0);
  EXPECT_EQ(RoundHalfEven(-1.5), -2);
  EXPECT_EQ(RoundHalfEven(-2.6), -3);
}

TEST(ProgressBarRange, DoneWidthAndPercentageText) {
  TProgressRange r;
  r.SetPosition(50);
  EXPECT_EQ(DoneWidth(225, r.Fraction()), 112);  // 112.5 to the even 112
  EXPECT_EQ(DoneWidth(227, r.Fraction()), 114);  // 113.5 to the even 114
  EXPECT_EQ(PercentageText("", r.Fraction()), " 50 %");
  EXPECT_EQ(PercentageText("Copying", 0.125), "Copying 12 %");  // 12.5 to 12
  EXPECT_EQ(PercentageText("x", 0.375), "x 38 %");              // 37.5 to 38
  EXPECT_EQ(PercentageText("", 1.0), " 100 %");
  EXPECT_EQ(DoneWidth(225, 1.0), 225);
  EXPECT_EQ(DoneWidth(225, 0.0), 0);
}

}  // namespace
}  // namespace nuvex
