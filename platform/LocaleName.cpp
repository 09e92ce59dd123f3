#include <algorithm>
#include <array>
#include <cctype>
#include <string>

#include "base/Ascii.h"
#include "platform/Locale.h"

namespace nuvex {

namespace {

constexpr uint32_t kEnglishUnitedStates = 0x409;

struct LocaleName {
  std::string_view language;
  std::string_view territory;  // empty: the language's main locale
  uint32_t localeId;
};

// Territory-specific rows come before their language's main row.
constexpr std::array<LocaleName, 31> kLocales{{
    {"pl", "", 0x0415},
    {"en", "GB", 0x0809},
    {"en", "", 0x0409},
    {"de", "AT", 0x0C07},
    {"de", "CH", 0x0807},
    {"de", "", 0x0407},
    {"fr", "BE", 0x080C},
    {"fr", "CA", 0x0C0C},
    {"fr", "CH", 0x100C},
    {"fr", "", 0x040C},
    {"es", "", 0x0C0A},
    {"it", "", 0x0410},
    {"pt", "BR", 0x0416},
    {"pt", "", 0x0816},
    {"nl", "", 0x0413},
    {"cs", "", 0x0405},
    {"sk", "", 0x041B},
    {"hu", "", 0x040E},
    {"ru", "", 0x0419},
    {"uk", "", 0x0422},
    {"sv", "", 0x041D},
    {"da", "", 0x0406},
    {"fi", "", 0x040B},
    {"nb", "", 0x0414},
    {"no", "", 0x0414},
    {"tr", "", 0x041F},
    {"el", "", 0x0408},
    {"ja", "", 0x0411},
    {"zh", "TW", 0x0404},
    {"zh", "", 0x0804},
    {"ko", "", 0x0412},
}};

}  // namespace

uint32_t LocaleIdFromName(std::string_view name) {
  const size_t languageEnd = std::min(name.find_first_of("_.@"), name.size());
  const std::string language = LowerAscii(name.substr(0, languageEnd));
  std::string territory;
  if (languageEnd < name.size() && name[languageEnd] == '_') {
    const std::string_view rest = name.substr(languageEnd + 1);
    territory = UpperAscii(rest.substr(0, std::min(rest.find_first_of(".@"), rest.size())));
  }
  for (const LocaleName& row : kLocales) {
    if (row.language == language && (row.territory.empty() || row.territory == territory)) {
      return row.localeId;
    }
  }
  return kEnglishUnitedStates;  // also "C" and "POSIX"
}

uint32_t CodePageOfLocaleId(uint32_t localeId) {
  switch (localeId & 0x3FF) {  // the primary language
    case 0x15: case 0x05: case 0x1B: case 0x0E: return 1250;
    case 0x19: case 0x22: return 1251;
    case 0x08: return 1253;
    case 0x1F: return 1254;
    case 0x11: return 932;
    case 0x04: return localeId == 0x0404 ? 950 : 936;
    case 0x12: return 949;
    default: return 1252;
  }
}

}  // namespace nuvex
