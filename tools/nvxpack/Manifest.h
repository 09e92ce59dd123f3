#pragma once
// The package manifest: a plain-text list of the files a package installs,
// one record per line (the syntax is described in README.md).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/nvxpack/Diagnostics.h"

namespace nvxpack {

// Folder kind written for "absolute": no base folder, the target is the whole path.
inline constexpr uint8_t kAbsoluteFolderKind = 255;
// Longest name the builder writes: one byte of each field stays a terminator.
inline constexpr size_t kMaxNameLength = 260;
inline constexpr int kMaxRecords = 1999;

struct ManifestRecord {
  int line = 0;            // line in the manifest, from 1
  std::string source;      // name in the package folder, "\" separated
  bool packed = false;
  uint8_t folderKind = 0;
  std::string target;
  uint8_t action = 0;
  // The action "uninstaller": the index says none, and the package gets the
  // list of installed files beside this file (AddUninstallList).
  bool uninstaller = false;
  // The list itself, made by the builder rather than read from a source.
  bool generated = false;
};

// Parses manifest text.  name is how messages call the manifest
// ("name:LINE: reason").  Every malformed line is reported, not just the first;
// the records are meaningful only when diagnostics holds no error.
std::vector<ManifestRecord> ParseManifest(const std::string& text, const std::string& name,
                                          Diagnostics& diagnostics);

// When a record is the uninstaller: the record of its list of installed
// files (same name and target with the extension ".lst", plain, destination
// folder), inserted right after it, and the list's text, which names every
// record's target, the list's own included.  Problems (no room for another
// record, a name that is taken) go to diagnostics.
struct UninstallListRecord {
  ManifestRecord record;
  std::string text;
};
std::optional<UninstallListRecord> AddUninstallList(std::vector<ManifestRecord>& records, const std::string& name,
                                                    Diagnostics& diagnostics);

// Keyword forms used by the manifest and by "nvxpack list".
std::string FolderKindName(uint8_t kind);
std::string ActionName(uint8_t action);

}  // namespace nvxpack
