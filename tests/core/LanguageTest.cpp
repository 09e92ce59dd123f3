#include "language/Language.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/Files.h"

namespace nuvex {
namespace {

// FNV-1a over "id<TAB>text<LF>" of every row in table order: any changed,
// moved, added or dropped text shows here.
uint64_t TableFingerprint() {
  uint64_t hash = 0xcbf29ce484222325u;
  for (const TDefaultText& row : DefaultTexts()) {
    for (unsigned char c : std::to_string(row.id) + '\t' + row.text + '\n') {
      hash = (hash ^ c) * 0x100000001b3u;
    }
  }
  return hash;
}

size_t IndexOf(int id) {
  const auto table = DefaultTexts();
  for (size_t i = 0; i < table.size(); ++i) {
    if (table[i].id == id) return i;
  }
  return table.size();
}

TEST(LanguageTableTest, HoldsUniqueAsciiTextsForIdsUpTo3000) {
  const auto table = DefaultTexts();
  ASSERT_EQ(table.size(), 352u);
  std::set<int32_t> ids;
  size_t characters = 0;
  for (const TDefaultText& row : table) {
    EXPECT_TRUE(ids.insert(row.id).second) << "duplicate id " << row.id;
    EXPECT_GE(row.id, 0);
    EXPECT_LE(row.id, 3000);
    ASSERT_NE(row.text, nullptr);
    for (const char* c = row.text; *c; ++c) {
      EXPECT_TRUE(*c >= 0x20 && *c < 0x7f) << "id " << row.id;
      ++characters;
    }
  }
  EXPECT_EQ(characters, 6612u);
  EXPECT_EQ(TableFingerprint(), 0x6cf2de7764f22fdeu);
}

TEST(LanguageTableTest, KeepsThePlayersOrderAndSpelling) {
  const auto table = DefaultTexts();
  EXPECT_EQ(table.front().id, 0);
  EXPECT_STREQ(table.front().text, "&Play / Pau&se");
  EXPECT_EQ(table.back().id, 3000);
  EXPECT_EQ(IndexOf(1023), IndexOf(23) + 1);
  EXPECT_EQ(IndexOf(182), IndexOf(161) + 2);
  EXPECT_LT(IndexOf(2467), IndexOf(2466));
  EXPECT_LT(IndexOf(2466), IndexOf(2465));
  // The bookmark runs: the number is the id minus 1130, or minus 1140.
  for (int id = 1131; id <= 1140; ++id) {
    EXPECT_EQ(GetLanguageText(id), "Load from Bookmark " + std::to_string(id - 1130));
    EXPECT_EQ(GetLanguageText(id + 10), "Save to Bookmark " + std::to_string(id - 1130));
  }
  EXPECT_EQ(IndexOf(1141), IndexOf(1140) + 1);
  EXPECT_EQ(GetLanguageText(176), "Wszystkie pliki");
  EXPECT_EQ(GetLanguageText(304),
            "Error encountered while writing the file. If you override existing file then uncheck \"read only\" "
            "file property.");
  EXPECT_EQ(GetLanguageText(2100), "\"InterVideo Audio Decoder\" Properties");
  EXPECT_EQ(GetLanguageText(2435), "FPS for .asf files && non-timed: subtitles:");
  EXPECT_EQ(GetLanguageText(2468), "TMP  -  h:mm:ss:Text");
  EXPECT_EQ(GetLanguageText(140), " File");
}

TEST(LanguageTest, SharedLookupAnswersFromTheDefaults) {
  std::string text = "stale";
  GetLanguageText(160, text);
  EXPECT_EQ(text, "at");
  GetLanguageText(161, text);
  EXPECT_EQ(text, "Estimated date and time: ");
  for (int id : {8, -1, 3001, 1130, 1151}) {
    text = "stale";
    GetLanguageText(id, text);
    EXPECT_EQ(text, "") << id;
  }
  EXPECT_EQ(&SharedLanguage(), &SharedLanguage());
}

TEST(LanguageTest, OverridesWinOnlyWithANonEmptyText) {
  TLanguage language("C:\\Player\\Setup.exe");
  EXPECT_TRUE(language.Overrides().empty());
  // Only the first entry for an id counts; when it is empty the default answers.
  language.Overrides().push_back({"", 160});
  language.Overrides().push_back({"o", 160});
  EXPECT_EQ(language.GetText(160), "at");
  language.Overrides().clear();
  language.Overrides().push_back({"um", 160});
  language.Overrides().push_back({"bei", 160});
  language.Overrides().push_back({"", 161});
  language.Overrides().push_back({"Nowy tekst", 8});
  EXPECT_EQ(language.GetText(160), "um");
  EXPECT_EQ(language.GetText(161), "Estimated date and time: ");
  EXPECT_EQ(language.GetText(8), "Nowy tekst");
  EXPECT_EQ(language.GetText(9), "");
}

TEST(LanguageTest, LanguageFileSitsBesideTheProgram) {
  EXPECT_EQ(TLanguage("C:\\Player\\Setup.exe").LanguageFileName(), "C:\\Player\\Setup.lng");
  EXPECT_EQ(TLanguage("C:\\My.Player\\Setup").LanguageFileName(), "C:\\My.Player\\Setup.lng");
  EXPECT_EQ(TLanguage("C:\\Player\\Setup.old.exe").LanguageFileName(), "C:\\Player\\Setup.old.lng");
  EXPECT_EQ(TLanguage("/opt/my.player/setup").LanguageFileName(), "/opt/my.player/setup.lng");
  EXPECT_EQ(TLanguage("C:Setup.exe").LanguageFileName(), "C:Setup.lng");
  EXPECT_EQ(TLanguage("").LanguageFileName(), ".lng");

  const std::string program = ProgramPath();
  ASSERT_FALSE(program.empty());
  const std::string folder = ProgramFolder();
  EXPECT_EQ(program.substr(0, folder.size()), folder);
  const std::string file = TLanguage().LanguageFileName();
  EXPECT_EQ(file.substr(0, folder.size()), folder);
  EXPECT_EQ(file.substr(folder.size()), "core_tests.lng");
}

}  // namespace
}  // namespace nuvex
