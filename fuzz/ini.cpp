// The profile-file reader: the bytes read as a file by TIniFile and parsed
// (ParseProfile).  Every key of every section is looked up through the reader
// and compared with a second reading that walks the bytes line by line,
// written apart from the reader; both must give the same text.  The integer
// and boolean lookups and a few names that are not there must not fail.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "toolkit/formats/IniFile.h"

namespace {

bool Blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == 0x1A; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && Blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && Blank(s.back())) s.remove_suffix(1);
  return s;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// A value or default as the lookup gives it: without a pair of equal quotes
// around it.  Only values well below the length limit are compared.
std::string Unquoted(std::string_view v) {
  if (v.size() > 1 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    v = v.substr(1, v.size() - 2);
  return std::string(v);
}

// The sections in file order, each with its name and its lines' keys and
// values (no value for a line without "="), read straight from the bytes.
struct Line {
  std::string key;
  std::optional<std::string> value;
};
using Sections = std::vector<std::pair<std::string, std::vector<Line>>>;

Sections Walk(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  Sections sections{{"", {}}};
  size_t at = 0;
  while (at <= bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", at);
    if (end == std::string_view::npos) end = bytes.size();
    const std::string_view line = Trim(bytes.substr(at, end - at));
    at = end + 1;
    if (line.empty()) continue;
    const size_t close = line.rfind(']');
    if (line.front() == '[' && close != std::string_view::npos) {
      sections.emplace_back(std::string(Trim(line.substr(1, close - 1))), std::vector<Line>{});
      continue;
    }
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) sections.back().second.push_back({std::string(line), std::nullopt});
    else
      sections.back().second.push_back(
          {std::string(Trim(line.substr(0, equals))), std::string(Trim(line.substr(equals + 1)))});
  }
  return sections;
}

// The first section of the name, the first line of the key in it.
const Line* Find(const Sections& sections, std::string_view section, std::string_view key) {
  for (const auto& [name, lines] : sections) {
    if (!SameName(name, section)) continue;
    for (const Line& line : lines)
      if (SameName(line.key, key)) return &line;
    return nullptr;
  }
  return nullptr;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes = nuvex::fuzz::AsText(data, size);
  const nuvex::TProfile profile = nuvex::ParseProfile(bytes);
  const std::string path = nuvex::fuzz::ScratchFolder() + "profile.ini";
  nuvex::fuzz::WriteFile(path, bytes);
  const nuvex::TIniFile ini(path);

  // The second reading leaves out what it does not model: UTF-16 files and
  // zero bytes inside names and values.
  const bool comparable = bytes.find('\0') == std::string_view::npos && bytes.substr(0, 2) != "\xFF\xFE" &&
                          bytes.substr(0, 2) != "\xFE\xFF";
  const Sections sections = comparable ? Walk(bytes) : Sections{};
  const std::string defaultValue = "'d'";
  int lookups = 0;
  for (const auto& [name, lines] : sections) {
    for (const Line& line : lines) {
      if (line.key.empty()) continue;  // an empty key asks for something else
      if (++lookups > 256) break;
      const Line* found = Find(sections, name, line.key);
      const std::string value = ini.ReadString(name, line.key, defaultValue);
      if (value.size() > nuvex::kProfileValueLimit) __builtin_trap();
      const std::string expected = found && found->value ? Unquoted(*found->value) : Unquoted(defaultValue);
      if ((!found || !found->value || found->value->size() < 2000) && value != expected) __builtin_trap();
      (void)ini.ReadInteger(name, line.key, -7);
      (void)ini.ReadBool(name, line.key, true);
    }
  }
  for (const nuvex::TProfileSection& section : profile.Sections) {
    for (const nuvex::TProfileEntry& entry : section.Entries)
      if (entry.Value) (void)nuvex::ParseProfileInteger(*entry.Value);
    (void)ini.ReadString(section.Name, "", "");
  }
  (void)ini.ReadString("", "Name", "'d'");
  (void)ini.ReadInteger("SkinInfo", "NuvexFilmPlayerVersion", 0);
  (void)nuvex::ParseProfileInteger(bytes.substr(0, 24));
  return 0;
}
