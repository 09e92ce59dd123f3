#pragma once
// TIniFile: a reader of profile (INI) files that reads a file exactly as the
// Windows profile API (GetPrivateProfileStringA into a buffer of 2048
// characters) reads it, on every platform.
//
// How a file is read:
// - The whole file is read once, when the reader is created; the reader sees
//   the file as it was then.  A missing or unreadable file, and one larger
//   than kProfileFileLimit, reads as empty, so every lookup gives its default.
//   Creation never fails.
// - A file starting with the UTF-8 byte order mark has the mark skipped; the
//   rest is taken byte for byte.  A file starting with a UTF-16 byte order mark
//   (either byte order) is UTF-16: each character below 128 becomes its byte,
//   every other character becomes "?".  (Windows converts non-ASCII characters
//   of such files to the ANSI code page instead; the skins use ASCII.)
// - Lines end at "\n" or "\r" (so "\r\n", "\n" and a lone "\r" all end a
//   line).  Blanks are space, tab, "\n", "\v", "\f", "\r" and 0x1A (a DOS
//   end-of-file mark); nothing else, not even a non-breaking space.
// - Each line is trimmed of blanks at both ends; blank lines are skipped.
// - A line starting with "[" that holds a "]" starts a section named by the
//   text between the "[" and the LAST "]" on the line, trimmed of blanks.  A "["
//   line without "]" is an ordinary line.
// - Any other line is an entry: the key is the text before the first "=",
//   trimmed; the value is the text after it, trimmed.  A line without "=" is a
//   key without a value: a lookup that finds it gives the default.
// - Comments: a line starting with ";" (or "#") is not treated specially; it
//   is an entry whose key starts with ";", which no reader asks for.  So
//   ";Name=x" hides nothing, and "Name=x ; note" has the value "x ; note".
// - Entries before the first section form a section without a name, found by
//   asking for the section "".  A later "[]" names a section "" too, which that
//   first one hides.
// - Lookups trim the section and key asked for, and compare names without
//   regard to the case of the ASCII letters A-Z (other bytes must be equal).
//   Only the FIRST section of a name is searched (a repeated section is never
//   read), and in it the first entry of the key wins.
// - A name or value holding a zero byte ends at that byte.
// - Quotes: a value (or default) longer than one character that starts and
//   ends with the same quote character (" or ') loses both quotes.  Quotes
//   inside a value stay.
// - Length: a value is cut to its first 2047 characters; lines may be of any
//   length.  A quoted value that reaches the limit keeps its opening quote cut
//   and loses one more character at the end (which for a value of exactly 2047
//   characters between the quotes is its last one), as the Windows reader does.
// - A default has trailing spaces removed before it is used.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nuvex {

// The longest value a lookup returns: the Windows reader's buffer of 2048
// characters less the terminating zero.
inline constexpr size_t kProfileValueLimit = 2047;
// Files above this size are not read at all (no profile file is that large).
inline constexpr size_t kProfileFileLimit = size_t{64} << 20;

// The parsed content of one profile file.
struct TProfileEntry {
  std::string Key;
  std::optional<std::string> Value;  // none for a line without "="
};
struct TProfileSection {
  std::string Name;
  std::vector<TProfileEntry> Entries;
};
struct TProfile {
  // The first section is the nameless one of the entries before any header.
  std::vector<TProfileSection> Sections;
};

// Parses the bytes of a profile file by the rules above.
TProfile ParseProfile(std::string_view bytes);
// The entry a lookup of (section, key) finds by the rules above: in the first
// section of that name, the first entry of that key; null when there is none.
// A found entry without a value (a line without "=") still gives the default.
const TProfileEntry* FindProfileEntry(const TProfile& profile, std::string_view section,
                                      std::string_view key);
// The value the rules above give for (section, key), or defaultValue.
std::string LookupProfileString(const TProfile& profile, std::string_view section,
                                std::string_view key, std::string_view defaultValue);

// An integer as the INI reader reads it: an optional sign ("+" or "-") and
// decimal digits within the signed 32-bit range, or an optional sign, "$" and
// up to eight significant hexadecimal digits (taken as 32 bits, so "$FFFFFFFF"
// is -1).  A text of three or more characters starting with "0x" or "0X" is
// read as "$" and the rest.  Nothing else (no blanks, no trailing characters,
// no empty text) is an integer.
std::optional<int32_t> ParseProfileInteger(std::string_view text);

class TIniFile {
 public:
  explicit TIniFile(std::string fileName);
  virtual ~TIniFile() = default;
  TIniFile(const TIniFile&) = delete;
  TIniFile& operator=(const TIniFile&) = delete;

  const std::string& FileName() const { return fileName_; }
  // The file as it was parsed, for tools that report on its sections and
  // entries; every lookup below goes through FindProfileEntry on it.
  const TProfile& Profile() const { return profile_; }

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  // The value as an integer (ParseProfileInteger), or defaultValue when the
  // key is missing or its value is no integer.
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const;
  // An integer: 0 is false, any other integer true; anything else (words such
  // as "true" or "yes" included) gives defaultValue.
  bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

 private:
  std::string fileName_;
  TProfile profile_;
};

}  // namespace nuvex
