// The uninstaller's list of installed files, added to a package beside the
// uninstaller.
#include <algorithm>
#include <set>

#include "base/Ascii.h"
#include "base/Paths.h"
#include "package/FileConfiguration.h"
#include "package/UninstallList.h"
#include "tools/nvxpack/Manifest.h"

namespace nvxpack {

std::optional<UninstallListRecord> AddUninstallList(std::vector<ManifestRecord>& records, const std::string& name,
                                                    Diagnostics& diagnostics) {
  const auto isUninstaller = [](const ManifestRecord& r) { return r.uninstaller; };
  auto uninstaller = std::find_if(records.begin(), records.end(), isUninstaller);
  if (uninstaller == records.end()) return std::nullopt;
  const auto place = [&](int line) { return name + ":" + std::to_string(line) + ": "; };
  if (auto second = std::find_if(uninstaller + 1, records.end(), isUninstaller); second != records.end()) {
    diagnostics.Error(place(second->line) + "a second uninstaller (line " + std::to_string(uninstaller->line) +
                      " is one); a package has one");
    return std::nullopt;
  }
  if (static_cast<int>(records.size()) >= kMaxRecords) {
    diagnostics.Error(place(uninstaller->line) + "no room for the uninstaller's list: the installer reads at most " +
                      std::to_string(kMaxRecords) + " records");
    return std::nullopt;
  }
  ManifestRecord list;
  list.line = uninstaller->line;
  list.source = nuvex::path::ChangeExtension(uninstaller->source, nuvex::kUninstallListExtension);
  list.target = nuvex::path::ChangeExtension(uninstaller->target, nuvex::kUninstallListExtension);
  list.folderKind = nuvex::fkDestination;
  list.generated = true;
  for (const ManifestRecord& r : records) {
    if (nuvex::UpperAscii(r.source) == nuvex::UpperAscii(list.source))
      diagnostics.Error(place(r.line) + "source '" + r.source + "' has the name of the uninstaller's list");
    else if (r.folderKind == nuvex::fkDestination && nuvex::UpperAscii(r.target) == nuvex::UpperAscii(list.target))
      diagnostics.Error(place(r.line) + "target '" + r.target + "' is where the uninstaller's list goes");
  }
  if (!diagnostics.Ok()) return std::nullopt;
  nuvex::TUninstallList contents;
  contents.Uninstaller = uninstaller->target;
  records.insert(uninstaller + 1, list);

  // The installer places the first record of each source name only.
  std::set<std::string> seen;
  for (const ManifestRecord& r : records)
    if (seen.insert(r.source).second) contents.Entries.push_back({r.folderKind, r.target});
  return UninstallListRecord{list, nuvex::UninstallListText(contents)};
}

}  // namespace nvxpack
