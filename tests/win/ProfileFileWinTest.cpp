// Our INI reader against the real GetPrivateProfileStringA on awkward files:
// every section and key the file holds (and case and blank variants of them)
// must read the same through both.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "base/Ascii.h"
#include "tests/support/TestSupport.h"
#include "toolkit/formats/IniFile.h"

namespace nuvex {
namespace {

std::string Escaped(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    if (c >= 0x20 && c < 0x7F && c != '\\') {
      out.push_back(static_cast<char>(c));
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    }
  }
  return out;
}

std::string PlatformRead(const std::string& path, const std::string& section, const std::string& key,
                         const char* defaultValue) {
  std::vector<char> buffer(2048, '\0');
  const DWORD got = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue, buffer.data(),
                                             static_cast<DWORD>(buffer.size()), path.c_str());
  return std::string(buffer.data(), got);
}

// A list of zero-terminated names as the platform gives it.
std::vector<std::string> Names(const std::vector<char>& buffer, DWORD got) {
  std::vector<std::string> names;
  for (size_t at = 0; at < got;) {
    std::string name(buffer.data() + at);
    at += name.size() + 1;
    names.push_back(name);
  }
  return names;
}

std::vector<std::string> PlatformSectionNames(const std::string& path) {
  std::vector<char> buffer(1 << 16, '\0');
  return Names(buffer, GetPrivateProfileSectionNamesA(buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str()));
}

// The keys of a section as the platform finds them (no key name asked).
std::vector<std::string> PlatformKeys(const std::string& path, const std::string& section) {
  std::vector<char> buffer(1 << 16, '\0');
  return Names(buffer, GetPrivateProfileStringA(section.c_str(), nullptr, "", buffer.data(),
                                                static_cast<DWORD>(buffer.size()), path.c_str()));
}

// The names to ask for: what the file holds, in other letter cases and with
// blanks around, and a few that it does not hold.
std::set<std::string> Variants(const std::vector<std::string>& names, std::initializer_list<const char*> extra) {
  std::set<std::string> out(extra.begin(), extra.end());
  for (const std::string& name : names) {
    if (name.empty() || name.find('\0') != std::string::npos) continue;
    out.insert(name);
    out.insert(LowerAscii(name));
    out.insert(UpperAscii(name));
    out.insert(" " + name + "\t");
  }
  return out;
}

// Compares every lookup; returns how many were made.
int CompareFile(const std::string& path, const std::string& label) {
  const TProfile parsed = ParseProfile([&] {
    std::vector<uint8_t> bytes = test::ReadAll(path);
    return std::string(bytes.begin(), bytes.end());
  }());
  // The names our parser found and those the platform finds, so that a
  // name our parser misses is asked for too.
  std::vector<std::string> sections, keys;
  for (const TProfileSection& section : parsed.Sections) {
    sections.push_back(section.Name);
    for (const TProfileEntry& entry : section.Entries) keys.push_back(entry.Key);
  }
  for (const std::string& section : PlatformSectionNames(path)) {
    sections.push_back(section);
    for (const std::string& key : PlatformKeys(path, section)) keys.push_back(key);
  }
  const TIniFile ours(path);
  int lookups = 0;
  for (const std::string& section : Variants(sections, {"SkinInfo", "S", "Missing", ""})) {
    for (const std::string& key : Variants(keys, {"Name", "K", "Missing"})) {
      const std::string platform = PlatformRead(path, section, key, "dflt");
      EXPECT_EQ(Escaped(ours.ReadString(section, key, "dflt")), Escaped(platform))
          << label << ": [" << Escaped(section) << "] " << Escaped(key);
      ++lookups;
    }
  }
  std::vector<std::string> ourNames;
  for (const TProfileSection& section : parsed.Sections)
    if (!section.Name.empty()) ourNames.push_back(section.Name.substr(0, section.Name.find('\0')));
  EXPECT_EQ(ourNames, PlatformSectionNames(path)) << label;
  return lookups;
}

struct TrickyFile {
  const char* label;
  std::string bytes;
};

std::vector<TrickyFile> TrickyFiles() {
  using namespace std::string_literals;
  const std::string longValue(5000, 'v');
  const std::string quoted2047 = "\"" + std::string(2047, 'q') + "\"";
  const std::string quoted2046 = "\"" + std::string(2046, 'q') + "\"";
  const std::string quoted2048 = "\"" + std::string(2048, 'q') + "\"";
  return {
      {"plain", "[SkinInfo]\r\nName=Blue\r\nNuvexFilmPlayerVersion=200\r\n"},
      {"blanks", "  [S]  \n\t K \t=\t  a value with  inner  blanks \t \n Other = x=y = z \n"},
      {"case", "[sKiNiNfO]\nnAmE=one\n[S]\nk=two\n"},
      {"duplicates", "[S]\nK=first\nK=second\n[S]\nK=third\nOnly=later\n[s]\nName=x\n"},
      {"no equals", "[S]\nK\nK=after\nName\n=empty key\n=again\nName2 = \n"},
      {"comments", "[S]\n;K=commented\n# Name=hash\nK=real ; not a comment\n;[T]\n[T]\nK=t\n"},
      {"quotes", "[S]\nA=\"quoted\"\nB='single'\nC=\"open\nD=\"\nE=\"\"\nF='mixed\"\nG= \" spaced \" \nH=\"in\"side\"\n"},
      {"quotes at the limit", "[S]\nA=" + quoted2046 + "\nB=" + quoted2047 + "\nC=" + quoted2048 + "\n"},
      {"section headers",
       "[A\nK=inside broken header\n[B]x\nK=b\n[C]]\nK=c\n[ D ]\nK=d\n[]\nK=empty\n[E] ; note ]\nK=e\n[F\n"},
      {"line ends", "[S]\rK=cr only\r\nA=crlf\r\n\r\nB=lf\n\nC=last without end"},
      {"keys before sections", "K=orphan\nName=orphan\n[S]\nK=owned\n"},
      {"nameless sections", "[]\nK=empty\n[ \t ]\nName=blank\n[S]\r[T]\rK=t\r"},
      {"zero bytes", "[S]\nK=before\0after\nNa\0me=zero in key\n[T\0U]\nK=t\n"s},
      {"odd blanks", "[S]\nA=\x1A value \x1A\nB=\x1C\x1D value \x1E\x1F\nC=\xA0 nbsp \xA0\nD=\x85 nel \x85\nE=\v\f x \f\v\n"},
      {"high bytes", "[S\xE9]\nK\xC9=\xFF\xFE\nK=\x80\x81\x8D\x8F\x90\x9D\n"},
      {"long lines", "[S]\nK=" + longValue + "\n" + std::string(3000, 'k') + "=long key\nName=" + std::string(2047, 'n') +
                         "\nA=" + std::string(2048, 'a') + "\n"},
      {"utf-8 bom", "\xEF\xBB\xBF[S]\nK=utf8\n"},
      {"utf-16 le", "\xFF\xFE[\0S\0]\0\r\0\n\0K\0=\0w\0i\0d\0e\0\r\0\n\0"s},
      {"utf-16 be", "\xFE\xFF\0[\0S\0]\0\n\0K\0=\0b\0i\0g\0\n"s},
      {"empty", ""},
      {"only blanks", " \r\n\t\n\n"},
      {"ctrl-z end", "[S]\nK=v\n\x1A"},
  };
}

class ProfileFileWin : public ::testing::Test {
 protected:
  std::string Write(const std::string& bytes) {
    // A fresh name for every file: the platform keeps recently read files.
    const std::string path = tmp_ / ("p" + std::to_string(counter_++) + ".ini");
    test::WriteAll(path, bytes);
    return path;
  }
  test::TempFolder tmp_;
  int counter_ = 0;
};

TEST_F(ProfileFileWin, TrickyFilesReadAsThePlatformReadsThem) {
  int lookups = 0;
  for (const TrickyFile& file : TrickyFiles()) lookups += CompareFile(Write(file.bytes), file.label);
  EXPECT_GT(lookups, 500);
}

TEST_F(ProfileFileWin, RandomFilesReadAsThePlatformReadsThem) {
  std::mt19937 random(20240611);
  const char pieces[] = {'[', ']', '=', '\n', '\r', ' ', '\t', '"', '\'', ';', 'a', 'B', 'k', 'K', 'S', 's', '1'};
  for (int round = 0; round < 60; ++round) {
    std::string bytes;
    const int length = static_cast<int>(random() % 400);
    for (int i = 0; i < length; ++i) {
      const unsigned pick = random() % 10;
      bytes.push_back(pick < 8 ? pieces[random() % sizeof pieces] : static_cast<char>(random() % 256));
    }
    // Keep the files in the ANSI form: a leading byte order mark is its own case above.
    if (bytes.size() >= 2 && (static_cast<unsigned char>(bytes[0]) >= 0xEF)) bytes[0] = 'x';
    CompareFile(Write(bytes), "random file " + std::to_string(round));
  }
}

TEST_F(ProfileFileWin, MissingFileAndFolderGiveTheDefault) {
  const std::string missing = tmp_ / "missing.ini";
  EXPECT_EQ(TIniFile(missing).ReadString("S", "K", "dflt"), PlatformRead(missing, "S", "K", "dflt"));
  EXPECT_EQ(TIniFile(tmp_.Path()).ReadString("S", "K", "dflt"), "dflt");
  EXPECT_EQ(TIniFile(missing).ReadString("S", "K", "'quoted' "), PlatformRead(missing, "S", "K", "'quoted' "));
}

}  // namespace
}  // namespace nuvex
