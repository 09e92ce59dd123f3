#include "toolkit/formats/IniFile.h"

#include <utility>

#include "base/Ascii.h"
#include "base/Error.h"
#include "platform/Files.h"

namespace nuvex {
namespace {

bool IsBlank(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u == ' ' || (u >= 0x09 && u <= 0x0D) || u == 0x1A;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Names and values end at a zero byte.
std::string_view UpToZero(std::string_view text) {
  const size_t zero = text.find('\0');
  return zero == std::string_view::npos ? text : text.substr(0, zero);
}

// UTF-16 text to bytes: ASCII stays, everything else becomes "?".
std::string FromUtf16(std::string_view bytes, bool bigEndian) {
  std::string text;
  text.reserve(bytes.size() / 2);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto lo = static_cast<unsigned char>(bytes[i + (bigEndian ? 1 : 0)]);
    const auto hi = static_cast<unsigned char>(bytes[i + (bigEndian ? 0 : 1)]);
    const unsigned unit = lo | (hi << 8);
    text.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
  }
  return text;
}

// The text of a file after its byte order mark, if any.
std::string DecodeText(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return std::string(bytes.substr(3));
  if (bytes.starts_with("\xFF\xFE")) return FromUtf16(bytes.substr(2), false);
  if (bytes.starts_with("\xFE\xFF")) return FromUtf16(bytes.substr(2), true);
  return std::string(bytes);
}

// What a lookup returns for a stored value or a default: both quotes gone when
// it is quoted, cut to the buffer's size.
std::string CopyEntry(std::string_view value) {
  value = UpToZero(value);
  bool quoted = false;
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    quoted = true;
    value.remove_prefix(1);
  }
  std::string result(value.substr(0, kProfileValueLimit));
  // The closing quote goes only when what follows the opening quote fits the
  // buffer (its size counted with the terminating zero).
  if (quoted && value.size() <= kProfileValueLimit + 1 && !result.empty()) result.pop_back();
  return result;
}

std::string ReadWholeFile(const std::string& path) {
  std::string bytes;
  try {
    if (!FileExists(path)) return bytes;
    FileStream stream = FileStream::OpenRead(path);
    if (stream.Size() > static_cast<int64_t>(kProfileFileLimit)) return bytes;
    char buffer[1 << 14];
    for (;;) {
      const size_t got = stream.Read(buffer, sizeof buffer);
      if (got == 0) break;
      bytes.append(buffer, got);
    }
  } catch (const Error&) {
    bytes.clear();  // an unreadable file reads as an empty one
  }
  return bytes;
}

}  // namespace

TProfile ParseProfile(std::string_view bytes) {
  const std::string text = DecodeText(bytes);
  TProfile profile;
  profile.Sections.push_back({});  // the nameless section of the entries before any header
  size_t next = 0;
  while (next < text.size()) {
    const size_t lineEnd = text.find_first_of("\r\n", next);
    const size_t end = lineEnd == std::string::npos ? text.size() : lineEnd;
    const std::string_view line = Trim(std::string_view(text).substr(next, end - next));
    next = lineEnd == std::string::npos ? text.size() : lineEnd + 1;
    if (line.empty()) continue;

    if (line.front() == '[') {
      const size_t close = line.rfind(']');
      if (close != std::string_view::npos && close > 0) {
        profile.Sections.push_back({std::string(UpToZero(Trim(line.substr(1, close - 1)))), {}});
        continue;
      }
    }
    TProfileSection* const current = &profile.Sections.back();
    TProfileEntry entry;
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      entry.Key = std::string(UpToZero(line));
    } else {
      entry.Key = std::string(UpToZero(Trim(line.substr(0, equals))));
      entry.Value = std::string(Trim(line.substr(equals + 1)));
    }
    current->Entries.push_back(std::move(entry));
  }
  return profile;
}

const TProfileEntry* FindProfileEntry(const TProfile& profile, std::string_view section,
                                      std::string_view key) {
  section = Trim(UpToZero(section));
  key = Trim(UpToZero(key));
  for (const TProfileSection& candidate : profile.Sections) {
    if (!SameTextAscii(candidate.Name, section)) continue;
    for (const TProfileEntry& entry : candidate.Entries) {
      if (SameTextAscii(entry.Key, key)) return &entry;
    }
    break;  // only the first section of a name is searched
  }
  return nullptr;
}

std::string LookupProfileString(const TProfile& profile, std::string_view section,
                                std::string_view key, std::string_view defaultValue) {
  while (!defaultValue.empty() && defaultValue.back() == ' ') defaultValue.remove_suffix(1);
  const TProfileEntry* const entry = FindProfileEntry(profile, section, key);
  return entry && entry->Value ? CopyEntry(*entry->Value) : CopyEntry(defaultValue);
}

std::optional<int32_t> ParseProfileInteger(std::string_view text) {
  std::string rewritten;
  if (text.size() >= 3 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    rewritten = "$" + std::string(text.substr(2));
    text = rewritten;
  }
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  uint64_t value = 0;
  if (text.front() == '$') {
    text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    for (char c : text) {
      int digit;
      if (c >= '0' && c <= '9') digit = c - '0';
      else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
      else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
      else return std::nullopt;
      value = value * 16 + static_cast<uint64_t>(digit);
      if (value > 0xFFFFFFFFu) return std::nullopt;
    }
    const auto bits = static_cast<uint32_t>(negative ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value));
    return static_cast<int32_t>(bits);
  }
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<uint64_t>(c - '0');
    if (value > 0x80000000u) return std::nullopt;
  }
  if (!negative && value > 0x7FFFFFFFu) return std::nullopt;
  return negative ? static_cast<int32_t>(-static_cast<int64_t>(value)) : static_cast<int32_t>(value);
}

TIniFile::TIniFile(std::string fileName)
    : fileName_(std::move(fileName)), profile_(ParseProfile(ReadWholeFile(fileName_))) {}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const {
  return LookupProfileString(profile_, section, key, defaultValue);
}

int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const {
  return ParseProfileInteger(ReadString(section, key, "")).value_or(defaultValue);
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

}  // namespace nuvex
