#include "installer/Messages.h"

#include <array>

#include "base/Error.h"
#include "platform/Locale.h"

namespace nuvex {

namespace {

constexpr std::array<LanguageRow, 2> kLanguages{{
    {0x15, "Polski"},
    {0x09, "English"},
}};

// Windows-1250: a \xB9, c \xE6, e \xEA, l \xB3, n \xF1, o \xF3, s \x9C, z-dot \xBF.  A string
// is closed after each escape so that a following letter is not read as hex.
constexpr std::array<MessageEntry, 27> kPolish{{
    {0, "Akceptuj"},
    {1, "Anuluj"},
    {2, "Przerwij"},
    {3, "Zako\xF1" "cz"},  // "Zakończ"
    {4, "B\xB3\xB9" "d"},  // "Błąd"
    {5, "Informacja"},
    {100, "Program Instalacyjny \"Nuvex Player\""},
    {101, "Program Instalacyjny"},
    {102, "Nazwa folderu instalacyjnego:"},
    // "Kliknij tutaj aby zmienić folder instalacyjny programu"
    {103, "Kliknij tutaj aby zmieni\xE6" " folder instalacyjny programu"},
    {104, "Instalacja przebieg\xB3" "a pomy\x9C" "lnie"},  // "Instalacja przebiegła pomyślnie"
    // "Wystąpił błąd podczas instalacji programu!"
    {105, "Wyst\xB9" "pi\xB3" " b\xB3\xB9" "d podczas instalacji programu!"},
    {107, "Instalacja biblioteki DirectX nie znaleziona!"},
    {108, "Wska\xBF" " folder instalacyjny"},  // "Wskaż folder instalacyjny"
    // "Folder instalacyjny musi być pełną ścieżką (np. C:\Gry)!"
    {109, "Folder instalacyjny musi by\xE6" " pe\xB3n\xB9" " \x9C" "cie\xBF" "k\xB9" " (np. C:\\Gry)!"},
    // "Za mało miejsca na dysku %s: instalacja potrzebuje %s KB, wolne jest %s KB."
    {110, "Za ma\xB3" "o miejsca na dysku %s: instalacja potrzebuje %s KB, wolne jest %s KB."},
    {300, "\\Pomoc - wersja "},
    // "Czy napewno chcesz odinstalować %s oraz wszystkie jego składniki?"
    {500, "Czy napewno chcesz odinstalowa\xE6" " %s oraz wszystkie jego sk\xB3" "adniki?"},
    {501, "Deinstalacja - wersja "},
    {502, "Deinstalacja"},
    {503, "%s zosta\xB3" " usuni\xEA" "ty z tego komputera."},  // "%s został usunięty z tego komputera."
    {504, "Nie uda\xB3" "o si\xEA" " ca\xB3" "kowicie usun\xB9\xE6" " %s."},  // "Nie udało się całkowicie usunąć %s."
    {505, "Tych plik\xF3" "w nie uda\xB3" "o si\xEA" " usun\xB9\xE6" ":"},  // "Tych plików nie udało się usunąć:"
    // "Te pliki mogą być używane przez inne programy i pozostały na miejscu:"
    {506, "Te pliki mog\xB9" " by\xE6" " u\xBF" "ywane przez inne programy i pozosta\xB3" "y na miejscu:"},
    {507, "Te foldery nie s\xB9" " puste i pozosta\xB3" "y:"},  // "Te foldery nie są puste i pozostały:"
    // "Program deinstalacyjny zostanie usunięty po ponownym uruchomieniu systemu."
    {508, "Program deinstalacyjny zostanie usuni\xEA" "ty po ponownym uruchomieniu systemu."},
    // "Lista zainstalowanych plików %s nie istnieje lub jest uszkodzona. Nic nie zostało usunięte."
    {509, "Lista zainstalowanych plik\xF3" "w %s nie istnieje lub jest uszkodzona. Nic nie zosta\xB3" "o usuni\xEA" "te."},
}};

constexpr std::array<MessageEntry, 27> kEnglish{{
    {0, "Ok"},
    {1, "Cancel"},
    {2, "Break"},
    {3, "Stop"},
    {4, "Error"},
    {5, "Information"},
    {100, "\"Nuvex Player\" Installation Program"},
    {101, "Installation program"},
    {102, "Destination folder:"},
    {103, "Click here if You want to chage destination folder"},
    {104, "Installation successful"},
    {105, "Installation failed!"},
    {107, "DirectX library not found!"},
    {108, "Select Destination Directory"},
    {109, "The destination folder must be a full path (for example C:\\Games)!"},
    {110, "Not enough free space on drive %s: the installation needs %s KB, %s KB are free."},
    {300, "\\Help - version "},
    {500, "Are you sure you want to completely remove %s and all of its components?"},
    {501, "Uninstall - version "},
    {502, "Uninstall"},
    {503, "%s has been removed from this computer."},
    {504, "%s could not be removed completely."},
    {505, "These files could not be removed:"},
    {506, "These files may be shared with other programs and were left in place:"},
    {507, "These folders are not empty and were kept:"},
    {508, "The uninstaller itself will be removed when the computer restarts."},
    {509, "The list of installed files %s is missing or damaged. Nothing was removed."},
}};

// English until the start-up step has run.
constinit uint8_t g_currentLanguage = kEnglishLanguage;

}  // namespace

std::span<const LanguageRow> LanguageTable() { return kLanguages; }

std::span<const MessageEntry> MessageTable(uint8_t language) {
  switch (language) {
    case kPolishLanguage:
      return kPolish;
    case kEnglishLanguage:
      return kEnglish;
    default:
      return {};
  }
}

uint8_t DetectLanguage(uint32_t localeId) {
  const uint32_t primary = localeId & 0x3ff;
  for (size_t i = 0; i < kLanguages.size(); ++i) {
    if (kLanguages[i].primaryLanguageId == primary) return static_cast<uint8_t>(i);
  }
  return kEnglishLanguage;
}

uint8_t DetectLanguage() { return DetectLanguage(GetSystemDefaultLocaleId()); }

void InitializeLanguage() { SetCurrentLanguage(DetectLanguage()); }

uint8_t CurrentLanguage() { return g_currentLanguage; }

void SetCurrentLanguage(uint8_t index) {
  if (index >= kLanguages.size()) {
    throw Error("Unknown language index " + std::to_string(index));
  }
  g_currentLanguage = index;
}

bool IsEnglishLanguage() { return g_currentLanguage == kEnglishLanguage; }

std::string GetMessageText(int id) { return GetMessageText(g_currentLanguage, id); }

std::string GetMessageText(uint8_t language, int id) {
  // Ids are unsigned in the table: a negative id matches nothing.
  const auto wanted = static_cast<uint32_t>(id);
  for (const MessageEntry& entry : MessageTable(language)) {
    if (entry.id == wanted) return entry.text;
  }
  return {};
}

}  // namespace nuvex
