#include "platform/LocaleFormats.h"

namespace nuvex {

template <>
TLocaleFormatSource& Service<TLocaleFormatSource>::Platform() {
  static TFixedLocaleFormats english(EnglishLocaleFormats());
  return english;
}

}  // namespace nuvex
