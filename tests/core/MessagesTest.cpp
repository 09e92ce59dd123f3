#include "installer/Messages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/Error.h"
#include "platform/Locale.h"
#include "tests/support/PinnedTexts.h"

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
    for (int id : {6, 106, 111, 301, 510, -1, -100, 1 << 30}) {
      EXPECT_EQ(TextIn(language, id), "") << int(language) << " id " << id;
    }
  }
}

// Both languages hold the same ids in the same order, each text exactly as
// written out by hand (Polish as Windows-1250 bytes, English as ASCII).
TEST_F(MessagesTest, EveryTextInBothLanguagesIsThePinnedOne) {
  const auto pinned = test::PinnedMessages();
  const auto polish = MessageTable(kPolishLanguage);
  const auto english = MessageTable(kEnglishLanguage);
  ASSERT_EQ(polish.size(), pinned.size());
  ASSERT_EQ(english.size(), pinned.size());
  for (size_t i = 0; i < pinned.size(); ++i) {
    EXPECT_EQ(polish[i].id, uint32_t(pinned[i].id)) << i;
    EXPECT_EQ(english[i].id, uint32_t(pinned[i].id)) << i;
    EXPECT_EQ(TextIn(kPolishLanguage, pinned[i].id), pinned[i].polish) << pinned[i].id;
    EXPECT_EQ(TextIn(kEnglishLanguage, pinned[i].id), pinned[i].english) << pinned[i].id;
    for (char c : std::string(pinned[i].english)) EXPECT_LT(static_cast<unsigned char>(c), 0x80) << pinned[i].id;
  }
  // Two Polish texts spelled out byte by byte as well.
  EXPECT_EQ(TextIn(kPolishLanguage, 4), std::string({'B', '\xB3', '\xB9', 'd'}));
  EXPECT_EQ(TextIn(kPolishLanguage, 3), std::string({'Z', 'a', 'k', 'o', '\xF1', 'c', 'z'}));
}

// The help shortcut's prefix, whose leading backslash and trailing blank the
// shortcut names depend on (the pinned table holds every text in full).
TEST_F(MessagesTest, TheHelpShortcutPrefixKeepsItsBackslashAndBlank) {
  const std::string help = TextIn(kEnglishLanguage, 300);
  EXPECT_EQ(help.size(), 16u);
  EXPECT_EQ(help.front(), '\\');
  EXPECT_EQ(help.back(), ' ');
}

TEST(LocaleNameTest, PosixNamesMapToLocaleIds) {
  const std::pair<const char*, uint32_t> cases[] = {
      {"pl_PL.UTF-8", 0x415u}, {"pl_PL", 0x415u},       {"pl", 0x415u},          {"pl_DE.ISO-8859-2@x", 0x415u},
      {"PL_pl.utf8", 0x415u},  {"de_DE", 0x407u},       {"de_DE@euro", 0x407u},  {"de_AT.UTF-8", 0xC07u},
      {"en_US.UTF-8", 0x409u}, {"en_GB.UTF-8", 0x809u}, {"fr_FR.UTF-8", 0x40Cu}, {"fr_CA", 0xC0Cu},
      {"pt_BR.UTF-8", 0x416u},
  };
  for (const auto& [name, id] : cases) EXPECT_EQ(LocaleIdFromName(name), id) << name;
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
