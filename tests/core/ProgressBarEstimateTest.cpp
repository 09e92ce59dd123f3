// The completion estimate: MulDiv's rounding, the date-time values and
// pattern language, and the estimate's arithmetic.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "base/Error.h"
#include "base/DateTime.h"
#include "base/MulDiv.h"
#include "controls/ProgressEstimate.h"

namespace nuvex {
namespace {

constexpr int32_t kIntMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kIntMin = std::numeric_limits<int32_t>::min();

TLocaleFormats PolishLikeFormats() {
  TLocaleFormats f = EnglishLocaleFormats();
  f.LongMonthNames[11] = "grudzie\xF1";  // Windows-1250
  f.ShortMonthNames[11] = "gru";
  f.TimeSeparator = ".";
  return f;
}

TEST(ProgressBarMulDiv, RoundsHalvesAwayFromZero) {
  EXPECT_EQ(MulDiv(5, 3, 2), 8);    // 7.5
  EXPECT_EQ(MulDiv(-5, 3, 2), -8);  // -7.5
  EXPECT_EQ(MulDiv(5, -3, 2), -8);
  EXPECT_EQ(MulDiv(5, 3, -2), -8);
  EXPECT_EQ(MulDiv(-5, 3, -2), 8);
  EXPECT_EQ(MulDiv(-1, 1, 2), -1);  // -0.5
  EXPECT_EQ(MulDiv(1, 1, 3), 0);
  EXPECT_EQ(MulDiv(2, 1, 3), 1);
  EXPECT_EQ(MulDiv(-2, 1, 3), -1);
  EXPECT_EQ(MulDiv(0, -7, 3), 0);
  EXPECT_EQ(MulDiv(7, 10, 7), 10);
}

TEST(ProgressBarMulDiv, UsesASixtyFourBitProductAndFlagsOverflowWithMinusOne) {
  EXPECT_EQ(MulDiv(100000, 100000, 1000), 10000000);  // the product exceeds 32 bits
  EXPECT_EQ(MulDiv(kIntMax, kIntMax, kIntMax), kIntMax);
  EXPECT_EQ(MulDiv(kIntMax, 2, 2), kIntMax);
  EXPECT_EQ(MulDiv(kIntMax, 2, 1), -1);
  EXPECT_EQ(MulDiv(kIntMin, 1, 1), -1);  // -2^31 counts as overflow
  EXPECT_EQ(MulDiv(kIntMin, 1, -1), -1);
  EXPECT_EQ(MulDiv(kIntMin, kIntMin, kIntMin), -1);
  EXPECT_EQ(MulDiv(-kIntMax, 1, 1), -kIntMax);
  EXPECT_EQ(MulDiv(3, 4, 0), -1);
}

TEST(ProgressBarDateTime, EncodesDaysSinceTheEndOf1899) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
  EXPECT_EQ(EncodeDate(1900, 3, 1), 61.0);  // 1900 is no leap year
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
  EXPECT_EQ(EncodeDate(2000, 2, 29), 36585.0);
  EXPECT_EQ(EncodeDate(1, 1, 1), -693593.0);
  EXPECT_EQ(EncodeTime(12, 0, 0, 0), 0.5);
  EXPECT_EQ(EncodeTime(6, 0, 0, 0), 0.25);
  EXPECT_THROW(EncodeDate(1900, 2, 29), Error);
  EXPECT_THROW(EncodeDate(2026, 13, 1), Error);
  EXPECT_THROW(EncodeDate(0, 1, 1), Error);
  EXPECT_THROW(EncodeDate(10000, 1, 1), Error);
  EXPECT_THROW(EncodeTime(24, 0, 0, 0), Error);
  EXPECT_THROW(EncodeTime(0, 0, 0, 1000), Error);
}

TEST(ProgressBarDateTime, DecodesToTheNearestMillisecond) {
  const TSystemTime t{2026, 12, 7, 10, 36, 5, 250};
  EXPECT_EQ(DecodeDateTime(SystemTimeToDateTime(t)), t);
  const TSystemTime leap{2024, 2, 29, 23, 59, 59, 999};
  EXPECT_EQ(DecodeDateTime(SystemTimeToDateTime(leap)), leap);
  // 0.4 ms before midnight rounds into the next day and year.
  const TDateTime late = EncodeDate(2026, 12, 31) + (kMSecsPerDay - 0.4) / kMSecsPerDay;
  EXPECT_EQ(DecodeDateTime(late), (TSystemTime{2027, 1, 1, 0, 0, 0, 0}));
  EXPECT_THROW(DecodeDateTime(EncodeDate(9999, 12, 31) + 1), Error);
  EXPECT_THROW(DecodeDateTime(-693594), Error);
  EXPECT_THROW(DecodeDateTime(std::numeric_limits<double>::quiet_NaN()), Error);
}

TEST(ProgressBarDateTime, FormatsThePatternLanguage) {
  const TLocaleFormats& en = EnglishLocaleFormats();
  const TDateTime t = SystemTimeToDateTime({2026, 3, 7, 9, 5, 4, 7});
  EXPECT_EQ(FormatDateTime("d mmmm yyyy", t, en), "7 March 2026");
  EXPECT_EQ(FormatDateTime("dd/mm/yy", t, en), "07/03/26");
  EXPECT_EQ(FormatDateTime("D MMM YYYY", t, en), "7 Mar 2026");
  EXPECT_EQ(FormatDateTime("h:nn:ss.zzz", t, en), "9:05:04.007");
  EXPECT_EQ(FormatDateTime("hh:mm", t, en), "09:05");  // m after an hour means minutes
  EXPECT_EQ(FormatDateTime("h \"hours, d and m\" n", t, en), "9 hours, d and m 5");
  EXPECT_EQ(FormatDateTime("yyyy 'mmmm", t, en), "2026 mmmm");  // an unclosed quote runs to the end
  EXPECT_EQ(FormatDateTime("h:nn", t, PolishLikeFormats()), "9.05");
  EXPECT_THROW(FormatDateTime("dddd", t, en), Error);
}

TEST(ProgressBarEstimate, ThePatternAndItsText) {
  EXPECT_EQ(EstimatePattern("at"), "d mmmm yyyy \", at\" h:nn.ss");
  const TDateTime finish = SystemTimeToDateTime({2026, 12, 7, 10, 36, 5, 0});
  EXPECT_EQ(FormatDateTime(EstimatePattern("at"), finish, EnglishLocaleFormats()),
            "7 December 2026 , at 10:36.05");
  EXPECT_EQ(FormatDateTime(EstimatePattern("o"), finish, PolishLikeFormats()),
            "7 grudzie\xF1 2026 , o 10.36.05");
}

TEST(ProgressBarEstimate, Duration) {
  EXPECT_EQ(EstimatedDuration(123456, 0, 250), 250000);  // nothing done: a second per unit
  EXPECT_EQ(EstimatedDuration(0, 0, kIntMax), int64_t{kIntMax} * 1000);
  EXPECT_EQ(EstimatedDuration(10000, 25, 100), 40000);
  EXPECT_EQ(EstimatedDuration(1000, 3, 10), 3333);
  EXPECT_EQ(EstimatedDuration(1, 2, 3), 2);  // 1.5 away from zero
  // Beyond 32 bits MulDiv gives -1, and negatives become 0.
  EXPECT_EQ(EstimatedDuration(kIntMax, 1, 100), 0);
  EXPECT_EQ(EstimatedDuration(-5000, 1, 2), 0);
  EXPECT_EQ(EstimatedDuration(5000, 0, -3), 0);
}

TEST(ProgressBarEstimate, FinishAddsTheDurationWithDaysWrappingAt31) {
  const TDateTime start = SystemTimeToDateTime({2026, 1, 10, 8, 0, 0, 0});
  const int64_t kDay = kMSecsPerDay;
  EXPECT_EQ(DecodeDateTime(EstimatedFinish(start, 40 * kDay)), (TSystemTime{2026, 1, 19, 8, 0, 0, 0}));
  EXPECT_EQ(DecodeDateTime(EstimatedFinish(start, 31 * kDay)), (TSystemTime{2026, 1, 10, 8, 0, 0, 0}));
  const int64_t mixed = 2 * kDay + ((17 * 60 + 3) * 60 + 4) * 1000 + 5;
  // 08:00 + 17:03:04.005 passes midnight: one more day.
  EXPECT_EQ(DecodeDateTime(EstimatedFinish(start, mixed)), (TSystemTime{2026, 1, 13, 1, 3, 4, 5}));
}

TEST(ProgressBarEstimate, ElapsedTimeIsRightAcrossAWrapOfTheTickCounter) {
  const TDateTime start = SystemTimeToDateTime({2026, 12, 7, 10, 0, 0, 0});
  // 0xFFFFF000 to 0x1000: 8192 ms; a quarter done: 32.768 s in all (seconds
  // are shown, not rounded).
  EXPECT_EQ(EstimateText(start, 0xFFFFF000u, 0x1000u, 25, 100, "at", EnglishLocaleFormats()),
            "7 December 2026 , at 10:00.32");
  // Past the year 9999 the finish cannot be formatted.
  const TDateTime last = SystemTimeToDateTime({9999, 12, 31, 23, 0, 0, 0});
  EXPECT_THROW(EstimateText(last, 0, 0, 0, 3600 * 2, "at", EnglishLocaleFormats()), Error);
}

}  // namespace
}  // namespace nuvex
