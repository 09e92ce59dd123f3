#include "platform/LocaleFormats.h"

namespace nuvex {

namespace {
const TLocaleFormats* g_formats = nullptr;  // nullptr: the platform's
}  // namespace

const TLocaleFormats& EnglishLocaleFormats() {
  static const TLocaleFormats formats{
      {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October",
       "November", "December"},
      {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
      ":"};
  return formats;
}

TLocaleFormats CurrentLocaleFormats() { return g_formats ? *g_formats : PlatformLocaleFormats(); }

const TLocaleFormats* SetLocaleFormats(const TLocaleFormats* formats) {
  const TLocaleFormats* previous = g_formats;
  g_formats = formats;
  return previous;
}

}  // namespace nuvex
