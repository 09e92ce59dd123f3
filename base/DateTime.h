#pragma once
// Date-time values as the component library keeps them: days since
// 30 December 1899 as a double, the fraction being the time of day.  And the
// library's date-time pattern language, as far as this program uses it.
#include <cstdint>
#include <string>
#include <string_view>

#include <array>

namespace nuvex {

// A local date and time as the window system reports it.
struct TSystemTime {
  int Year = 2000;  // 1..9999
  int Month = 1;    // 1..12
  int Day = 1;      // 1..31
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
  int Milliseconds = 0;
  friend bool operator==(const TSystemTime&, const TSystemTime&) = default;
};

// The locale's names and separators that date-time patterns use.
struct TLocaleFormats {
  std::array<std::string, 12> LongMonthNames;   // "January" ... "December"
  std::array<std::string, 12> ShortMonthNames;  // "Jan" ... "Dec"
  std::string TimeSeparator = ":";
};

// The English names and ":".
const TLocaleFormats& EnglishLocaleFormats();

using TDateTime = double;

inline constexpr int64_t kMSecsPerDay = 86400000;

// Raise Error for a date outside 1 January 1 .. 31 December 9999 or a time
// outside 0:00:00.000 .. 23:59:59.999.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int milliseconds);
TDateTime SystemTimeToDateTime(const TSystemTime& time);

// The calendar date and time of a value, to the nearest millisecond (an exact
// half to the even neighbour).  Raises Error for a value outside the years
// 1..9999 or one that is not a number.
TSystemTime DecodeDateTime(TDateTime value);

// Formats value by pattern:
//   d, dd            day of the month, without / with a leading zero
//   m, mm            month number; mmm, mmmm short / full month name;
//                    directly after an hour, m and mm are minutes
//   yy, yyyy         two-digit / four-digit year (any run of three or more
//                    y gives four digits)
//   h, hh            hour of the 24-hour clock; n, nn minutes; s, ss seconds
//   z, zzz           milliseconds, without / with leading zeros
//   :                the locale's time separator
//   "..." or '...'   copied without the quotes; an unclosed quote runs to the end
// Letters are read without regard to case; every other character is copied.
// Runs of d longer than two (day names, whole-date forms) are not supported
// and raise Error, as does a value DecodeDateTime rejects.
std::string FormatDateTime(std::string_view pattern, TDateTime value, const TLocaleFormats& formats);

}  // namespace nuvex
