#include "tests/support/PinnedTexts.h"

#include <gtest/gtest.h>

#include <iterator>

#include "installer/Messages.h"

namespace nuvex::test {
namespace {

// Windows-1250: \xB9 a-ogonek, \xE6 c-acute, \xB3 l-stroke, \xF1 n-acute,
// \x9C s-acute, \xBF z-dot.  A literal is split after each escape so that a
// following letter cannot join it.
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
    {300, "\\Pomoc - wersja ", "\\Help - version "},
    {500, "Czy napewno chcesz odinstalowa\xE6 %s oraz wszystkie jego sk\xB3" "adniki?",
     "Are you sure you want to completely remove %s and all of its components?"},
    {501, "Deinstalacja - wersja ", "Uninstall - version "},
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
