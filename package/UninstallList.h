#pragma once
// The list of installed files that the package builder puts beside the
// uninstaller: what every record of the package places, by folder kind and
// target name as the index has them, and which of them is the uninstaller.
// Plain text in the system's code page, one line each, CR LF ends a line:
//
//   NVX-UNINSTALL 1
//   self<TAB>\Uninstall.exe        the uninstaller's target (destination folder)
//   0<TAB>\NuvexPlayer.exe         folder kind (0-255) and target name
//   2<TAB>\NuvexFilter.ax
//
// A target name is the rest of its line after the first tab.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nuvex {

inline constexpr char kUninstallListSignature[] = "NVX-UNINSTALL 1";
inline constexpr char kUninstallListExtension[] = ".lst";
// The largest list the uninstaller reads: far above what a package's list
// takes (under 2000 lines, each a folder kind and a name of at most 260
// characters).
inline constexpr int64_t kMaxUninstallListSize = 4 << 20;

struct TUninstallEntry {
  uint8_t FolderKind = 0;
  std::string TargetName;
  friend bool operator==(const TUninstallEntry&, const TUninstallEntry&) = default;
};

struct TUninstallList {
  std::string Uninstaller;  // the uninstaller's target name in the destination folder
  std::vector<TUninstallEntry> Entries;
  friend bool operator==(const TUninstallList&, const TUninstallList&) = default;
};

std::string UninstallListText(const TUninstallList& list);
// Nothing for text that is not such a list: another first line, a line of
// another form, no "self" line or two of them, an empty name.
std::optional<TUninstallList> ParseUninstallList(std::string_view text);

}  // namespace nuvex
