#pragma once
// The user locale's names and separators that date-time patterns use: the
// month names and the time separator.
//
// On Windows they come from GetLocaleInfoA for the user's default locale, in
// the ANSI code page (Windows-1250 for Polish).  Elsewhere they are the
// English names and ":".  Tests install their own with ScopedLocaleFormats.
#include <array>
#include <string>

namespace nuvex {

struct TLocaleFormats {
  std::array<std::string, 12> LongMonthNames;   // "January" ... "December"
  std::array<std::string, 12> ShortMonthNames;  // "Jan" ... "Dec"
  std::string TimeSeparator = ":";
};

// The English names and ":".
const TLocaleFormats& EnglishLocaleFormats();

// The formats in use now: the installed ones, else the platform's, read
// afresh on every call (the user may change them while the program runs).
TLocaleFormats CurrentLocaleFormats();
// Installs formats (not owned; nullptr restores the platform's) and returns
// the ones installed before.
const TLocaleFormats* SetLocaleFormats(const TLocaleFormats* formats);
// The platform's own (defined per platform).
TLocaleFormats PlatformLocaleFormats();

class ScopedLocaleFormats {
 public:
  explicit ScopedLocaleFormats(const TLocaleFormats& formats) : previous_(SetLocaleFormats(&formats)) {}
  ~ScopedLocaleFormats() { SetLocaleFormats(previous_); }
  ScopedLocaleFormats(const ScopedLocaleFormats&) = delete;
  ScopedLocaleFormats& operator=(const ScopedLocaleFormats&) = delete;

 private:
  const TLocaleFormats* previous_;
};

}  // namespace nuvex
