#include "base/DateTime.h"

#include <cctype>
#include <cmath>

#include "base/Ascii.h"
#include "base/Error.h"

namespace nuvex {

const TLocaleFormats& EnglishLocaleFormats() {
  static const TLocaleFormats formats{
      {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October",
       "November", "December"},
      {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
      ":"};
  return formats;
}

namespace {

// Day 0 of TDateTime (30 December 1899) counted from 1 January 1970.
constexpr int64_t kDateDelta = -25569;

bool IsLeapYear(int64_t year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInMonth(int64_t year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days from 1 January 1970 in the proleptic Gregorian calendar, and back.
int64_t DaysFromCivil(int64_t y, int m, int d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

double RoundHalfEven(double x) {
  const double floor = std::floor(x);
  const double rest = x - floor;
  if (rest > 0.5) return floor + 1;
  if (rest < 0.5) return floor;
  return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

std::string Digits(int value, int width) {
  std::string text = std::to_string(value);
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), '0');
  return text;
}

}  // namespace

TDateTime EncodeDate(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) {
    throw Error("Invalid argument to date encode");
  }
  return static_cast<double>(DaysFromCivil(year, month, day) - kDateDelta);
}

TDateTime EncodeTime(int hour, int minute, int second, int milliseconds) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || milliseconds < 0 ||
      milliseconds > 999) {
    throw Error("Invalid argument to time encode");
  }
  const int64_t ms = ((int64_t{hour} * 60 + minute) * 60 + second) * 1000 + milliseconds;
  return static_cast<double>(ms) / kMSecsPerDay;
}

TDateTime SystemTimeToDateTime(const TSystemTime& time) {
  return EncodeDate(time.Year, time.Month, time.Day) +
         EncodeTime(time.Hour, time.Minute, time.Second, time.Milliseconds);
}

TSystemTime DecodeDateTime(TDateTime value) {
  static const double kFirst = EncodeDate(1, 1, 1);
  static const double kEnd = EncodeDate(9999, 12, 31) + 1;
  if (!(value >= kFirst && value < kEnd)) throw Error("Invalid date-time value");
  const int64_t total = static_cast<int64_t>(RoundHalfEven(value * kMSecsPerDay));
  int64_t days = total / kMSecsPerDay;
  int64_t ms = total % kMSecsPerDay;
  if (ms < 0) {
    ms += kMSecsPerDay;
    --days;
  }
  TSystemTime result;
  CivilFromDays(days + kDateDelta, result.Year, result.Month, result.Day);
  if (result.Year > 9999) throw Error("Invalid date-time value");  // rounded up past the last day
  result.Hour = static_cast<int>(ms / 3600000);
  result.Minute = static_cast<int>(ms / 60000 % 60);
  result.Second = static_cast<int>(ms / 1000 % 60);
  result.Milliseconds = static_cast<int>(ms % 1000);
  return result;
}

std::string FormatDateTime(std::string_view pattern, TDateTime value, const TLocaleFormats& formats) {
  const TSystemTime t = DecodeDateTime(value);
  std::string out;
  bool afterHour = false;  // the last field was an hour: m means minutes
  size_t i = 0;
  while (i < pattern.size()) {
    const char c = pattern[i];
    if (c == '"' || c == '\'') {
      const size_t close = pattern.find(c, i + 1);
      const size_t end = close == std::string_view::npos ? pattern.size() : close;
      out.append(pattern.substr(i + 1, end - i - 1));
      i = close == std::string_view::npos ? pattern.size() : close + 1;
      continue;
    }
    const char letter = AsciiLower(c);
    size_t run = 1;
    if (std::isalpha(static_cast<unsigned char>(c))) {
      while (i + run < pattern.size() &&
             AsciiLower(pattern[i + run]) == letter) {
        ++run;
      }
    }
    const int width = run >= 2 ? 2 : 1;
    switch (letter) {
      case 'd':
        if (run > 2) throw Error("Unsupported date-time pattern");
        out += Digits(t.Day, width);
        break;
      case 'm':
        if (afterHour && run <= 2) {
          out += Digits(t.Minute, width);
        } else if (run >= 4) {
          out += formats.LongMonthNames[t.Month - 1];
        } else if (run == 3) {
          out += formats.ShortMonthNames[t.Month - 1];
        } else {
          out += Digits(t.Month, width);
        }
        break;
      case 'y':
        out += run <= 2 ? Digits(t.Year % 100, 2) : Digits(t.Year, 4);
        break;
      case 'h':
        out += Digits(t.Hour, width);
        break;
      case 'n':
        out += Digits(t.Minute, width);
        break;
      case 's':
        out += Digits(t.Second, width);
        break;
      case 'z':
        out += Digits(t.Milliseconds, run >= 3 ? 3 : 1);
        break;
      case ':':
        out += formats.TimeSeparator;
        break;
      default:
        out.append(pattern.substr(i, run));
        break;
    }
    // Every field decides what a following m means; separators and literals keep it.
    if (std::string_view("dmyhnsz").find(letter) != std::string_view::npos) afterHour = letter == 'h';
    i += run;
  }
  return out;
}

}  // namespace nuvex
