#include "platform/LocaleFormats.h"

namespace nuvex {

TLocaleFormats PlatformLocaleFormats() { return EnglishLocaleFormats(); }

}  // namespace nuvex
