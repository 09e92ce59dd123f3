#include "tests/support/PinnedTexts.h"

#include <gtest/gtest.h>

#include <iterator>

#include "installer/Messages.h"

namespace nuvex::test {
namespace {

// Windows-1250: \xB9 a-ogonek, \xE6 c-acute, \xEA e-ogonek, \xB3 l-stroke,
// \xF1 n-acute, \xF3 o-acute, \x9C s-acute, \xBF z-dot.  A literal is split
// after each escape so that a following letter cannot join it.
constexpr PinnedMessage kMessages[] = {
    {0, "Akceptuj", "Ok"},
    {1, "Anuluj", "Cancel"},
    {2, "Przerwij", "Break"},
    {3, "Zako\xF1" "cz", "Stop"},
    {4, "B\xB3\xB9" "d", "Error"},
    {5, "Informacja", "Information"},
    {100, "Program Instalacyjny \"Nuvex Player\"", "\"Nuvex Player\" Installation Program"},
    {101, "Program Instalacyjny", "Installation program"},
    {102, "Nazwa folderu instalacyjnego:", "Destination folder:"},
    {103, "Kliknij tutaj aby zmieni\xE6 folder instalacyjny programu",
     "Click here if You want to chage destination folder"},
    {104, "Instalacja przebieg\xB3" "a pomy\x9C" "lnie", "Installation successful"},
    {105, "Wyst\xB9" "pi\xB3 b\xB3\xB9" "d podczas instalacji programu!", "Installation failed!"},
    {107, "Instalacja biblioteki DirectX nie znaleziona!", "DirectX library not found!"},
    {108, "Wska\xBF folder instalacyjny", "Select Destination Directory"},
    {109, "Folder instalacyjny musi by\xE6 pe\xB3n\xB9 \x9C" "cie\xBF" "k\xB9 (np. C:\\Gry)!",
     "The destination folder must be a full path (for example C:\\Games)!"},
    {110, "Za ma\xB3o miejsca na dysku %s: instalacja potrzebuje %s KB, wolne jest %s KB.",
     "Not enough free space on drive %s: the installation needs %s KB, %s KB are free."},
    {300, "\\Pomoc - wersja ", "\\Help - version "},
    {500, "Czy napewno chcesz odinstalowa\xE6 %s oraz wszystkie jego sk\xB3" "adniki?",
     "Are you sure you want to completely remove %s and all of its components?"},
    {501, "Deinstalacja - wersja ", "Uninstall - version "},
    {502, "Deinstalacja", "Uninstall"},
    {503, "%s zosta\xB3 usuni\xEAty z tego komputera.", "%s has been removed from this computer."},
    {504, "Nie uda\xB3o si\xEA ca\xB3kowicie usun\xB9\xE6 %s.", "%s could not be removed completely."},
    {505, "Tych plik\xF3w nie uda\xB3o si\xEA usun\xB9\xE6:", "These files could not be removed:"},
    {506, "Te pliki mog\xB9 by\xE6 u\xBFywane przez inne programy i pozosta\xB3y na miejscu:",
     "These files may be shared with other programs and were left in place:"},
    {507, "Te foldery nie s\xB9 puste i pozosta\xB3y:", "These folders are not empty and were kept:"},
    {508, "Program deinstalacyjny zostanie usuni\xEAty po ponownym uruchomieniu systemu.",
     "The uninstaller itself will be removed when the computer restarts."},
    {509, "Lista zainstalowanych plik\xF3w %s nie istnieje lub jest uszkodzona. Nic nie zosta\xB3o usuni\xEAte.",
     "The list of installed files %s is missing or damaged. Nothing was removed."},
};

}  // namespace

std::span<const PinnedMessage> PinnedMessages() { return kMessages; }

std::string Pinned(int id, uint8_t language) {
  for (const PinnedMessage& m : kMessages)
    if (m.id == id) return language == kPolishLanguage ? m.polish : m.english;
  ADD_FAILURE() << "message " << id << " is not pinned";
  return "";
}

std::string Pinned(int id) { return Pinned(id, CurrentLanguage()); }

}  // namespace nuvex::test
