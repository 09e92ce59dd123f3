#pragma once
// The user locale's names and separators that date-time patterns use: the
// month names and the time separator.
//
// On Windows they come from GetLocaleInfoA for the user's default locale, in
// the ANSI code page (Windows-1250 for Polish).  Natively they are the
// English names and ":".  Tests put other formats in place with
// ScopedService<TLocaleFormatSource>.
#include "base/DateTime.h"
#include "base/Service.h"

namespace nuvex {

class TLocaleFormatSource {
 public:
  virtual ~TLocaleFormatSource() = default;
  // Read afresh on every call: the user may change them while the program runs.
  virtual TLocaleFormats Read() = 0;
};

template <>
TLocaleFormatSource& Service<TLocaleFormatSource>::Platform();

// The formats in use now.
inline TLocaleFormats CurrentLocaleFormats() { return Service<TLocaleFormatSource>::Current().Read(); }

// Formats that stay as they were given.
class TFixedLocaleFormats final : public TLocaleFormatSource {
 public:
  explicit TFixedLocaleFormats(TLocaleFormats formats) : formats_(std::move(formats)) {}
  TLocaleFormats Read() override { return formats_; }

 private:
  TLocaleFormats formats_;
};

}  // namespace nuvex
