#include "installer/Messages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/Error.h"
#include "platform/Locale.h"

namespace nuvex {
namespace {

// Read while the program loads, before any test can change the language.
const uint8_t kLanguageAtLoad = CurrentLanguage();
const std::string kCaptionAtLoad = GetMessageText(4);

// Restores the current language after each test.
class MessagesTest : public testing::Test {
 protected:
  void TearDown() override { SetCurrentLanguage(saved_); }

  static std::string TextIn(uint8_t language, int id) {
    SetCurrentLanguage(language);
    return GetMessageText(id);
  }

 private:
  uint8_t saved_ = CurrentLanguage();
};

// Windows-1250 from UTF-8, for the Polish letters the table uses.
std::string Cp1250(const std::string& utf8) {
  static const std::map<std::string, char> letters = {
      {"ą", '\xB9'}, {"ć", '\xE6'}, {"ł", '\xB3'}, {"ń", '\xF1'}, {"ś", '\x9C'}, {"ż", '\xBF'}};
  std::string out;
  for (size_t i = 0; i < utf8.size();) {
    if (static_cast<unsigned char>(utf8[i]) < 0x80) {
      out += utf8[i++];
      continue;
    }
    const std::string letter = utf8.substr(i, 2);
    const auto found = letters.find(letter);
    if (found == letters.end()) ADD_FAILURE() << "no Windows-1250 letter for " << letter;
    else out += found->second;
    i += 2;
  }
  return out;
}

TEST_F(MessagesTest, StartsInEnglishBeforeTheStartUpStep) {
  EXPECT_EQ(kLanguageAtLoad, kEnglishLanguage);
  EXPECT_EQ(kCaptionAtLoad, "Error");
}

TEST_F(MessagesTest, PolishLocalesOfAnySublanguageChoosePolish) {
  for (uint32_t lcid : {0x0415u, 0x0015u, 0x0815u, 0xFC15u, 0x00010415u}) {
    EXPECT_EQ(DetectLanguage(lcid), kPolishLanguage) << std::hex << lcid;
  }
}

TEST_F(MessagesTest, EveryOtherLocaleChoosesEnglish) {
  // German, French, English (US, UK), neutral, 0x15 above the low ten bits,
  // a primary id that shares only its low byte with Polish.
  for (uint32_t lcid : {0x0407u, 0x040Cu, 0x0409u, 0x0809u, 0x0000u, 0x5409u, 0x5400u, 0x0115u, 0xFFFFFFFFu}) {
    EXPECT_EQ(DetectLanguage(lcid), kEnglishLanguage) << std::hex << lcid;
  }
}

TEST_F(MessagesTest, LanguageTableRows) {
  ASSERT_EQ(LanguageTable().size(), 2u);
  EXPECT_EQ(LanguageTable()[0].primaryLanguageId, 0x15);
  EXPECT_STREQ(LanguageTable()[0].name, "Polski");
  EXPECT_EQ(LanguageTable()[1].primaryLanguageId, 0x09);
  EXPECT_STREQ(LanguageTable()[1].name, "English");
}

TEST_F(MessagesTest, CurrentLanguageSwitchesTheTexts) {
  SetCurrentLanguage(kPolishLanguage);
  EXPECT_FALSE(IsEnglishLanguage());
  EXPECT_EQ(GetMessageText(1), "Anuluj");
  SetCurrentLanguage(kEnglishLanguage);
  EXPECT_TRUE(IsEnglishLanguage());
  EXPECT_EQ(GetMessageText(1), "Cancel");
}

TEST_F(MessagesTest, AnIndexOutsideTheTableIsRejectedAndChangesNothing) {
  SetCurrentLanguage(kPolishLanguage);
  EXPECT_THROW(SetCurrentLanguage(2), Error);
  EXPECT_THROW(SetCurrentLanguage(255), Error);
  EXPECT_EQ(CurrentLanguage(), kPolishLanguage);
  EXPECT_TRUE(MessageTable(2).empty());
}

TEST_F(MessagesTest, UnknownIdsGiveEmptyTextsInBothLanguages) {
  for (uint8_t language : {kPolishLanguage, kEnglishLanguage}) {
    for (int id : {6, 106, 109, 301, 502, -1, -100, 1 << 30}) {
      EXPECT_EQ(TextIn(language, id), "") << int(language) << " id " << id;
    }
  }
}

TEST_F(MessagesTest, BothLanguagesHoldTheSameIdsInTheSameOrder) {
  const auto polish = MessageTable(kPolishLanguage);
  const auto english = MessageTable(kEnglishLanguage);
  ASSERT_EQ(polish.size(), 17u);
  ASSERT_EQ(english.size(), polish.size());
  const std::vector<uint32_t> ids = {0, 1, 2, 3, 4, 5, 100, 101, 102, 103, 104, 105, 107, 108, 300, 500, 501};
  for (size_t i = 0; i < ids.size(); ++i) {
    EXPECT_EQ(polish[i].id, ids[i]);
    EXPECT_EQ(english[i].id, ids[i]);
  }
}

TEST_F(MessagesTest, PolishTextsAreWindows1250) {
  const std::map<int, std::string> readable = {
      {0, "Akceptuj"},
      {1, "Anuluj"},
      {2, "Przerwij"},
      {3, "Zakończ"},
      {4, "Błąd"},
      {5, "Informacja"},
      {100, "Program Instalacyjny \"Nuvex Player\""},
      {101, "Program Instalacyjny"},
      {102, "Nazwa folderu instalacyjnego:"},
      {103, "Kliknij tutaj aby zmienić folder instalacyjny programu"},
      {104, "Instalacja przebiegła pomyślnie"},
      {105, "Wystąpił błąd podczas instalacji programu!"},
      {107, "Instalacja biblioteki DirectX nie znaleziona!"},
      {108, "Wskaż folder instalacyjny"},
      {300, "\\Pomoc - wersja "},
      {500, "Czy napewno chcesz odinstalować %s oraz wszystkie jego składniki?"},
      {501, "Deinstalacja - wersja "},
  };
  for (const auto& [id, text] : readable) EXPECT_EQ(TextIn(kPolishLanguage, id), Cp1250(text)) << id;
  // Spelled out byte by byte, independent of the conversion above.
  EXPECT_EQ(TextIn(kPolishLanguage, 4), std::string({'B', '\xB3', '\xB9', 'd'}));
  EXPECT_EQ(TextIn(kPolishLanguage, 3), std::string({'Z', 'a', 'k', 'o', '\xF1', 'c', 'z'}));
}

TEST_F(MessagesTest, EnglishTexts) {
  SetCurrentLanguage(kEnglishLanguage);
  EXPECT_EQ(GetMessageText(0), "Ok");
  EXPECT_EQ(GetMessageText(100), "\"Nuvex Player\" Installation Program");
  EXPECT_EQ(GetMessageText(103), "Click here if You want to chage destination folder");
  EXPECT_EQ(GetMessageText(500), "Are you sure you want to completely remove %s and all of its components?");
  for (const MessageEntry& entry : MessageTable(kEnglishLanguage)) {
    for (char c : std::string(entry.text)) EXPECT_LT(static_cast<unsigned char>(c), 0x80) << entry.id;
  }
}

TEST_F(MessagesTest, ShortcutNamePrefixesKeepTheirBackslashAndBlank) {
  const std::string help = TextIn(kEnglishLanguage, 300);
  EXPECT_EQ(help.size(), 16u);
  EXPECT_EQ(help.front(), '\\');
  EXPECT_EQ(help.back(), ' ');
  EXPECT_EQ(TextIn(kPolishLanguage, 300), "\\Pomoc - wersja ");
  EXPECT_EQ(TextIn(kEnglishLanguage, 501), "Uninstall - version ");
  EXPECT_EQ(TextIn(kPolishLanguage, 501), "Deinstalacja - wersja ");
}

TEST(LocaleNameTest, PosixNamesMapToLocaleIds) {
  EXPECT_EQ(LocaleIdFromName("pl_PL.UTF-8"), 0x415u);
  EXPECT_EQ(LocaleIdFromName("pl_PL"), 0x415u);
  EXPECT_EQ(LocaleIdFromName("pl"), 0x415u);
  EXPECT_EQ(LocaleIdFromName("pl_DE.ISO-8859-2@x"), 0x415u);
  EXPECT_EQ(LocaleIdFromName("PL_pl.utf8"), 0x415u);
  EXPECT_EQ(LocaleIdFromName("de_DE"), 0x407u);
  EXPECT_EQ(LocaleIdFromName("de_DE@euro"), 0x407u);
  EXPECT_EQ(LocaleIdFromName("de_AT.UTF-8"), 0xC07u);
  EXPECT_EQ(LocaleIdFromName("en_US.UTF-8"), 0x409u);
  EXPECT_EQ(LocaleIdFromName("en_GB.UTF-8"), 0x809u);
  EXPECT_EQ(LocaleIdFromName("fr_FR.UTF-8"), 0x40Cu);
  EXPECT_EQ(LocaleIdFromName("fr_CA"), 0xC0Cu);
  EXPECT_EQ(LocaleIdFromName("pt_BR.UTF-8"), 0x416u);
}

TEST(LocaleNameTest, UnknownAndNeutralNamesAreEnglish) {
  for (const char* name : {"", "C", "POSIX", "C.UTF-8", "xx_YY.UTF-8", "_PL", "plx_PL", "@pl", ".pl"}) {
    EXPECT_EQ(LocaleIdFromName(name), 0x409u) << name;
  }
}

#if !defined(_WIN32)
// Sets the locale variables for one test and puts the old values back.
class LocaleEnvironment {
 public:
  LocaleEnvironment(const char* all, const char* messages, const char* lang) {
    Set("LC_ALL", all);
    Set("LC_MESSAGES", messages);
    Set("LANG", lang);
  }
  ~LocaleEnvironment() {
    for (const auto& [name, value] : saved_) {
      if (value) setenv(name.c_str(), value->c_str(), 1);
      else unsetenv(name.c_str());
    }
  }

 private:
  void Set(const char* name, const char* value) {
    const char* old = std::getenv(name);
    saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
    if (value) setenv(name, value, 1);
    else unsetenv(name);
  }
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST_F(MessagesTest, StartUpFollowsTheLocaleEnvironment) {
  {
    LocaleEnvironment env("pl_PL.UTF-8", nullptr, "de_DE.UTF-8");
    EXPECT_EQ(GetSystemDefaultLocaleId(), 0x415u);
    InitializeLanguage();
    EXPECT_EQ(CurrentLanguage(), kPolishLanguage);
    EXPECT_EQ(GetMessageText(1), "Anuluj");
  }
  {
    LocaleEnvironment env(nullptr, "de_DE.UTF-8", "pl_PL.UTF-8");
    EXPECT_EQ(GetSystemDefaultLocaleId(), 0x407u);
    InitializeLanguage();
    EXPECT_TRUE(IsEnglishLanguage());
  }
  {
    LocaleEnvironment env("", "", "pl_PL");  // empty values do not count
    EXPECT_EQ(DetectLanguage(), kPolishLanguage);
  }
  {
    LocaleEnvironment env(nullptr, nullptr, nullptr);
    EXPECT_EQ(GetSystemDefaultLocaleId(), 0x409u);
    EXPECT_EQ(DetectLanguage(), kEnglishLanguage);
  }
}
#endif

}  // namespace
}  // namespace nuvex
