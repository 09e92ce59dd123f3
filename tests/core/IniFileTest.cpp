// The INI reader: file syntax, lookups and the integer rule.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

#include "tests/support/TestSupport.h"
#include "toolkit/formats/IniFile.h"

namespace nuvex {
namespace {

using namespace std::string_literals;

std::string Read(const std::string& text, const char* section, const char* key, const char* dflt = "dflt") {
  return LookupProfileString(ParseProfile(text), section, key, dflt);
}

TEST(IniFile, SectionsAndKeysMatchWithoutLetterCaseAndValuesAreTrimmed) {
  const std::string text = "[SkinInfo]\r\n  nAmE \t=  Blue  Sky \t\r\nNuvexFilmPlayerVersion=200\r\n";
  EXPECT_EQ(Read(text, "SKININFO", "Name"), "Blue  Sky");
  EXPECT_EQ(Read(text, " skininfo ", "name\t"), "Blue  Sky");  // the names asked for are trimmed too
  EXPECT_EQ(Read(text, "SkinInfo", "NuvexFilmPlayerVersion"), "200");
  EXPECT_EQ(Read(text, "SkinInfo", "Missing"), "dflt");
  EXPECT_EQ(Read(text, "Other", "Name"), "dflt");
}

TEST(IniFile, ValueIsEverythingAfterTheFirstEquals) {
  EXPECT_EQ(Read("[S]\nK = a=b = c\n", "S", "K"), "a=b = c");
  EXPECT_EQ(Read("[S]\nK=\n", "S", "K"), "");  // present but empty: not the default
  EXPECT_EQ(Read("[S]\nK=x ; note\n", "S", "K"), "x ; note");
}

TEST(IniFile, FirstSectionAndFirstKeyWin) {
  const std::string text = "[S]\nK=first\nK=second\n[s]\nK=third\nOnly=later\n";
  EXPECT_EQ(Read(text, "S", "K"), "first");
  EXPECT_EQ(Read(text, "S", "Only"), "dflt");  // a repeated section is never searched
}

TEST(IniFile, LineWithoutEqualsIsAKeyWithoutValue) {
  EXPECT_EQ(Read("[S]\nK\nK=after\n", "S", "K"), "dflt");
  EXPECT_EQ(Read("[S]\nJunk line\nK=v\n", "S", "K"), "v");
}

TEST(IniFile, CommentsAreOrdinaryEntriesNobodyAsksFor) {
  const std::string text = "[S]\n;K=commented\nK=real\n;[T]\n";
  EXPECT_EQ(Read(text, "S", "K"), "real");
  EXPECT_EQ(Read(text, "S", ";K"), "commented");
  EXPECT_EQ(Read(text, "T", "K"), "dflt");
}

TEST(IniFile, SectionHeaderRunsToTheLastBracket) {
  const std::string text = "[A\nK=a\n[B]x\nK=b\n[C]]\nK=c\n[ D ]\nK=d\n[]\nK=e\n[ E ] ; note ]\nK=f\n";
  EXPECT_EQ(Read(text, "B", "K"), "b");
  EXPECT_EQ(Read(text, "C]", "K"), "c");
  EXPECT_EQ(Read(text, "C", "K"), "dflt");
  EXPECT_EQ(Read(text, "D", "K"), "d");  // names are trimmed inside the brackets
  EXPECT_EQ(Read(text, "E ] ; note", "K"), "f");
  EXPECT_EQ(Read(text, "A", "K"), "dflt");  // "[A" without "]" started nothing
  // "[A" and "K=a" belong to the nameless section before any header, which hides "[]".
  EXPECT_EQ(Read(text, "", "K"), "a");
  EXPECT_EQ(Read(text, "  ", "[A"), "dflt");
  EXPECT_EQ(Read("K=orphan\n[S]\n", "", "K"), "orphan");
  EXPECT_EQ(Read("[]\nK=empty\n", "", "K"), "dflt");
}

TEST(IniFile, CarriageReturnAndNewlineEndLines) {
  EXPECT_EQ(Read("[S]\rK=v\rA=a", "S", "K"), "v");
  EXPECT_EQ(Read("[S]\nK=a\rB=b\n", "S", "B"), "b");
  EXPECT_EQ(Read("[S]\r\nK=v\r\n", "S", "K"), "v");
  EXPECT_EQ(Read("[S]\n\r\n\rK=last", "S", "K"), "last");
}

TEST(IniFile, QuotesAroundAValueAreRemoved) {
  const std::string text = "[S]\nA=\"x y\"\nB='x'\nC=\"open\nD=\"\nE=\"\"\nF='mixed\"\nG=\"in\"side\"\n";
  const std::pair<const char*, const char*> values[] = {{"A", "x y"},     {"B", "x"}, {"C", "\"open"},
                                                       {"D", "\""},       {"E", ""},  {"F", "'mixed\""},
                                                       {"G", "in\"side"}};
  for (const auto& [key, value] : values) EXPECT_EQ(Read(text, "S", key), value) << key;
  EXPECT_EQ(Read(text, "S", "Missing", "'q' "), "q");  // defaults go the same way
}

TEST(IniFile, LongValuesAreCutAtTheBufferSize) {
  EXPECT_EQ(Read("[S]\nK=" + std::string(5000, 'v') + "\n", "S", "K"), std::string(2047, 'v'));
  EXPECT_EQ(Read("[S]\nK=\"" + std::string(2046, 'q') + "\"\n", "S", "K"), std::string(2046, 'q'));
  // 2047 characters between quotes: the cut takes the closing quote, then one more goes.
  EXPECT_EQ(Read("[S]\nK=\"" + std::string(2047, 'q') + "\"\n", "S", "K"), std::string(2046, 'q'));
  EXPECT_EQ(Read("[S]\nK=\"" + std::string(2048, 'q') + "\"\n", "S", "K"), std::string(2047, 'q'));
  const std::string longKey(100000, 'k');
  EXPECT_EQ(Read("[S]\n" + longKey + "=x\n", "S", longKey.c_str()), "x");
}

TEST(IniFile, ZeroBytesEndNamesAndValues) {
  const std::string text = "[S]\nK=before\0after\nNa\0me=v\n"s;
  EXPECT_EQ(Read(text, "S", "K"), "before");
  EXPECT_EQ(Read(text, "S", "Na"), "v");
}

TEST(IniFile, ByteOrderMarks) {
  EXPECT_EQ(Read("\xEF\xBB\xBF[S]\nK=v\n", "S", "K"), "v");
  EXPECT_EQ(Read("\xFF\xFE[\0S\0]\0\n\0K\0=\0\xE9\0v\0"s, "S", "K"), "?v");
  EXPECT_EQ(Read("\xFE\xFF\0[\0S\0]\0\n\0K\0=\0w"s, "S", "K"), "w");
}

TEST(IniFile, BlanksAreSpaceControlsAndCtrlZOnly) {
  EXPECT_EQ(Read("[S]\nK=\x1A\t v \v\f\n", "S", "K"), "v");
  EXPECT_EQ(Read("[S]\nK=\x1C v \x1F\n", "S", "K"), "\x1C v \x1F");
  EXPECT_EQ(Read("[S]\nK=\xA0v\xA0\n", "S", "K"), "\xA0v\xA0");
}

TEST(IniFile, IntegerRule) {
  EXPECT_EQ(ParseProfileInteger("200"), 200);
  EXPECT_EQ(ParseProfileInteger("+7"), 7);
  EXPECT_EQ(ParseProfileInteger("-2147483648"), INT32_MIN);
  EXPECT_EQ(ParseProfileInteger("2147483647"), INT32_MAX);
  EXPECT_EQ(ParseProfileInteger("2147483648"), std::nullopt);
  EXPECT_EQ(ParseProfileInteger("-2147483649"), std::nullopt);
  EXPECT_EQ(ParseProfileInteger("99999999999999999999999"), std::nullopt);
  EXPECT_EQ(ParseProfileInteger("0xC8"), 200);
  EXPECT_EQ(ParseProfileInteger("0Xc8"), 200);
  EXPECT_EQ(ParseProfileInteger("$c8"), 200);
  EXPECT_EQ(ParseProfileInteger("-$10"), -16);
  EXPECT_EQ(ParseProfileInteger("$FFFFFFFF"), -1);
  EXPECT_EQ(ParseProfileInteger("$100000000"), std::nullopt);
  EXPECT_EQ(ParseProfileInteger("$0000000000FF"), 255);  // leading zeros are no overflow
  EXPECT_EQ(ParseProfileInteger("0x"), std::nullopt);     // too short to be hexadecimal: "0x" is no number
  EXPECT_EQ(ParseProfileInteger("00"), 0);
  for (const char* bad : {"", "+", "-", "$", "0x$1", "1 ", " 1", "1.5", "yes", "true", "12a", "--1", "0xG"})
    EXPECT_EQ(ParseProfileInteger(bad), std::nullopt) << bad;
}

TEST(IniFile, ReaderOverAFile) {
  test::TempFolder tmp;
  test::WriteAll(tmp / "a.ini", "[S]\nI=0x10\nB=yes\nZ=0\nT=7\nBad=1x\n");
  const TIniFile ini(tmp / "a.ini");
  EXPECT_EQ(ini.FileName(), tmp / "a.ini");
  EXPECT_EQ(ini.ReadInteger("S", "I", -1), 16);
  EXPECT_EQ(ini.ReadInteger("S", "Bad", -1), -1);
  EXPECT_EQ(ini.ReadInteger("S", "Missing", 42), 42);
  EXPECT_TRUE(ini.ReadBool("S", "B", true));  // a word is unreadable: the default
  EXPECT_FALSE(ini.ReadBool("S", "B", false));
  EXPECT_FALSE(ini.ReadBool("S", "Z", true));
  EXPECT_TRUE(ini.ReadBool("S", "T", false));

  const TIniFile missing(tmp / "none.ini");
  EXPECT_EQ(missing.ReadString("S", "I", "d"), "d");
  const TIniFile folder(tmp.Path());
  EXPECT_EQ(folder.ReadString("S", "I", "d"), "d");

  // A file beyond the size limit is not read (sparse, so the test stays cheap).
  test::WriteAll(tmp / "huge.ini", "[S]\nI=1\n");
  std::filesystem::resize_file(tmp / "huge.ini", kProfileFileLimit + 1);
  EXPECT_EQ(TIniFile(tmp / "huge.ini").ReadInteger("S", "I", 7), 7);
}

}  // namespace
}  // namespace nuvex
