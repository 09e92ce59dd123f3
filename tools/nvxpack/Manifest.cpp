#include "tools/nvxpack/Manifest.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <sstream>

#include "base/Ascii.h"
#include "package/FileConfiguration.h"

namespace nvxpack {
namespace {

using nuvex::faNone;
using nuvex::faOpen;
using nuvex::faRegister;

// Splits a line into fields: runs of non-blank characters, or texts in double
// quotes (which may hold blanks; there is no escape, as no file name holds a
// quote).  A field that begins with "#" starts a comment.  Returns an error
// text instead when the line cannot be split.
std::optional<std::string> SplitFields(const std::string& line, std::vector<std::string>& fields) {
  size_t i = 0;
  const size_t n = line.size();
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (true) {
    while (i < n && blank(line[i])) ++i;
    if (i == n || line[i] == '#') return std::nullopt;
    if (line[i] == '"') {
      size_t close = line.find('"', i + 1);
      if (close == std::string::npos) return "missing closing quote";
      fields.push_back(line.substr(i + 1, close - i - 1));
      i = close + 1;
      if (i < n && !blank(line[i])) return "a quoted field must be followed by a blank";
    } else {
      size_t start = i;
      while (i < n && !blank(line[i])) {
        if (line[i] == '"') return "a quote may only open a field";
        ++i;
      }
      fields.push_back(line.substr(start, i - start));
    }
  }
}

std::optional<int> SmallNumber(const std::string& text) {
  if (text.empty() || text.size() > 3 || !std::all_of(text.begin(), text.end(), [](char c) {
        return c >= '0' && c <= '9';
      }))
    return std::nullopt;
  int value = std::stoi(text);
  if (value > 255) return std::nullopt;
  return value;
}

std::optional<uint8_t> ParseFolderKind(const std::string& text) {
  static const std::map<std::string, uint8_t> names = {
      {"destination", nuvex::fkDestination}, {"windows", nuvex::fkWindows}, {"system", nuvex::fkSystem},
      {"system32", nuvex::fkSystem32},       {"temp", nuvex::fkTemp},       {"absolute", kAbsoluteFolderKind}};
  if (auto it = names.find(nuvex::LowerAscii(text)); it != names.end()) return it->second;
  if (auto number = SmallNumber(text)) return static_cast<uint8_t>(*number);
  return std::nullopt;
}

std::optional<uint8_t> ParseAction(const std::string& text) {
  static const std::map<std::string, uint8_t> names = {
      {"none", faNone}, {"register", faRegister}, {"open", faOpen}};
  if (auto it = names.find(nuvex::LowerAscii(text)); it != names.end()) return it->second;
  if (auto number = SmallNumber(text)) return static_cast<uint8_t>(*number);
  return std::nullopt;
}

std::string Separated(std::string name) {
  std::replace(name.begin(), name.end(), '/', '\\');
  return name;
}

// Characters no name may hold: control characters, and for source names also
// those Windows refuses in file names.
std::optional<std::string> BadCharacter(const std::string& name, bool fileName) {
  for (char c : name) {
    auto u = static_cast<unsigned char>(c);
    if (u < 0x20) {
      std::ostringstream text;
      text << "control character 0x" << std::hex << int(u);
      return text.str();
    }
    if (fileName && std::string_view("<>:\"|?*").find(c) != std::string_view::npos)
      return std::string("character '") + c + "'";
  }
  return std::nullopt;
}

// Why a source name cannot stand in a package, or nothing when it can.
std::optional<std::string> SourceProblem(const std::string& source) {
  if (source.empty()) return "empty source name";
  if (source.size() > kMaxNameLength)
    return "source name is " + std::to_string(source.size()) + " bytes long; at most 260 fit";
  if (source.size() >= 2 && source[1] == ':') return "source name must be relative to the manifest's folder";
  if (auto bad = BadCharacter(source, true)) return "source name holds a " + *bad;
  if (source.front() == '\\') return "source name must be relative to the manifest's folder";
  std::stringstream parts(source);
  std::string part;
  while (std::getline(parts, part, '\\')) {
    if (part.empty()) return "source name has an empty folder part";
    if (part == "." || part == "..") return "source name must not contain '.' or '..' parts";
  }
  if (source.back() == '\\') return "source name ends with a separator";
  if (nuvex::UpperAscii(source) == "SETUP.DAT") return "a source named 'Setup.dat' would overwrite the package index";
  return std::nullopt;
}

std::optional<std::string> TargetProblem(const std::string& target) {
  if (target.empty()) return "empty target name";
  if (target.size() > kMaxNameLength)
    return "target name is " + std::to_string(target.size()) + " bytes long; at most 260 fit";
  if (auto bad = BadCharacter(target, false)) return "target name holds a " + *bad;
  return std::nullopt;
}

}  // namespace

std::string FolderKindName(uint8_t kind) {
  switch (kind) {
    case nuvex::fkDestination: return "destination";
    case nuvex::fkWindows: return "windows";
    case nuvex::fkSystem: return "system";
    case nuvex::fkSystem32: return "system32";
    case nuvex::fkTemp: return "temp";
    case kAbsoluteFolderKind: return "absolute";
    default: return std::to_string(kind);
  }
}

std::string ActionName(uint8_t action) {
  switch (action) {
    case faNone: return "none";
    case faRegister: return "register";
    case faOpen: return "open";
    default: return std::to_string(action);
  }
}

std::vector<ManifestRecord> ParseManifest(const std::string& text, const std::string& name,
                                          Diagnostics& diagnostics) {
  std::vector<ManifestRecord> records;
  std::map<std::string, int> exactNames;                          // source -> first line
  std::map<std::string, std::pair<std::string, int>> foldedNames;  // upper case -> source, line
  bool tooMany = false;

  // A byte order mark left by an editor is not part of the first name.
  std::stringstream lines(text.rfind("\xEF\xBB\xBF", 0) == 0 ? text.substr(3) : text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    const std::string at = name + ":" + std::to_string(number) + ": ";
    auto error = [&](const std::string& reason) { diagnostics.Error(at + reason); };

    std::vector<std::string> fields;
    if (auto problem = SplitFields(line, fields)) {
      error(*problem);
      continue;
    }
    if (fields.empty()) continue;
    if (fields.size() < 4 || fields.size() > 5) {
      error("expected 4 or 5 fields (source, packed|plain, folder kind, target, [action]), found " +
            std::to_string(fields.size()));
      continue;
    }

    ManifestRecord record;
    record.line = number;
    record.source = Separated(fields[0]);
    record.target = Separated(fields[3]);
    bool ok = true;
    if (auto problem = SourceProblem(record.source)) {
      error(*problem);
      ok = false;
    }
    const std::string storage = nuvex::LowerAscii(fields[1]);
    if (storage == "packed" || storage == "plain") {
      record.packed = storage == "packed";
    } else {
      error("storage must be 'packed' or 'plain', not '" + fields[1] + "'");
      ok = false;
    }
    if (auto kind = ParseFolderKind(fields[2])) {
      record.folderKind = *kind;
    } else {
      error("unknown folder kind '" + fields[2] +
            "' (destination, windows, system, system32, temp, absolute or a number 0-255)");
      ok = false;
    }
    if (auto problem = TargetProblem(record.target)) {
      error(*problem);
      ok = false;
    }
    if (fields.size() == 5 && nuvex::LowerAscii(fields[4]) == "uninstaller") {
      record.uninstaller = true;
      if (record.folderKind != nuvex::fkDestination) {
        error("the uninstaller must go to the destination folder, where it finds its list");
        ok = false;
      }
    } else if (fields.size() == 5) {
      if (auto action = ParseAction(fields[4])) {
        record.action = *action;
      } else {
        error("unknown action '" + fields[4] + "' (none, register, open, uninstaller or a number 0-255)");
        ok = false;
      }
    }
    if (!ok) continue;

    if (record.folderKind <= nuvex::fkSystem32 && record.target.front() != '\\')
      diagnostics.Warning(at + "target '" + record.target + "' does not begin with '\\'; it is joined " +
                          "to the " + FolderKindName(record.folderKind) + " folder without a separator");
    if (record.action > faOpen)
      diagnostics.Warning(at + "action " + std::to_string(record.action) + " does nothing");

    if (auto it = exactNames.find(record.source); it != exactNames.end()) {
      diagnostics.Warning(at + "source '" + record.source + "' repeats line " + std::to_string(it->second) +
                          "; the installer keeps the first");
    } else if (auto folded = foldedNames.find(nuvex::UpperAscii(record.source)); folded != foldedNames.end()) {
      error("source '" + record.source + "' and '" + folded->second.first + "' (line " +
            std::to_string(folded->second.second) + ") name the same file on Windows");
      continue;
    } else {
      exactNames.emplace(record.source, number);
      foldedNames.emplace(nuvex::UpperAscii(record.source), std::make_pair(record.source, number));
    }

    if (static_cast<int>(records.size()) == kMaxRecords) {
      if (!tooMany) error("more than 1999 records; the installer refuses such an index");
      tooMany = true;
      continue;
    }
    records.push_back(record);
  }
  return records;
}

}  // namespace nvxpack
