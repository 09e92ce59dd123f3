#include "package/UninstallList.h"

namespace nuvex {
namespace {

constexpr std::string_view kSelf = "self";

std::optional<uint8_t> FolderKindText(std::string_view text) {
  if (text.empty() || text.size() > 3) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value > 255) return std::nullopt;
  return static_cast<uint8_t>(value);
}

}  // namespace

std::string UninstallListText(const TUninstallList& list) {
  std::string text = std::string(kUninstallListSignature) + "\r\n";
  text.append(kSelf).append("\t").append(list.Uninstaller).append("\r\n");
  for (const TUninstallEntry& entry : list.Entries)
    text.append(std::to_string(entry.FolderKind)).append("\t").append(entry.TargetName).append("\r\n");
  return text;
}

std::optional<TUninstallList> ParseUninstallList(std::string_view text) {
  TUninstallList list;
  bool first = true, self = false;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (first) {
      if (line != kUninstallListSignature) return std::nullopt;
      first = false;
      continue;
    }
    const size_t tab = line.find('\t');
    if (tab == std::string_view::npos || tab + 1 == line.size()) return std::nullopt;
    const std::string_view head = line.substr(0, tab), name = line.substr(tab + 1);
    if (head == kSelf) {
      if (self) return std::nullopt;
      self = true;
      list.Uninstaller = name;
    } else if (const auto kind = FolderKindText(head)) {
      list.Entries.push_back({*kind, std::string(name)});
    } else {
      return std::nullopt;
    }
  }
  if (!self) return std::nullopt;
  return list;
}

}  // namespace nuvex
