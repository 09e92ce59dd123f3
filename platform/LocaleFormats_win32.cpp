#include <windows.h>

#include "platform/LocaleFormats.h"

namespace nuvex {

namespace {

// One locale text in the ANSI code page, or fallback when the locale has none.
std::string LocaleText(LCTYPE type, const std::string& fallback) {
  char buffer[128] = {};
  const int n = GetLocaleInfoA(LOCALE_USER_DEFAULT, type | LOCALE_USE_CP_ACP, buffer, sizeof buffer);
  if (n <= 1) return fallback;  // n counts the terminating zero
  return std::string(buffer, static_cast<size_t>(n - 1));
}

class UserLocaleFormats final : public TLocaleFormatSource {
 public:
  TLocaleFormats Read() override;
};

TLocaleFormats UserLocaleFormats::Read() {
  const TLocaleFormats& english = EnglishLocaleFormats();
  TLocaleFormats formats;
  for (int i = 0; i < 12; ++i) {
    formats.LongMonthNames[i] = LocaleText(LOCALE_SMONTHNAME1 + i, english.LongMonthNames[i]);
    formats.ShortMonthNames[i] = LocaleText(LOCALE_SABBREVMONTHNAME1 + i, english.ShortMonthNames[i]);
  }
  formats.TimeSeparator = LocaleText(LOCALE_STIME, english.TimeSeparator);
  return formats;
}

}  // namespace

template <>
TLocaleFormatSource& Service<TLocaleFormatSource>::Platform() { return PlatformObject<UserLocaleFormats>(); }

}  // namespace nuvex
