#pragma once
// Writing "Setup.dat", and reading it back whole for listing and checking.
// (The installer has its own reader, package/PackageIndex.h, which skips
// the header and drops repeated names; this one shows the file as it is.)
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "package/FileConfiguration.h"
#include "tools/nvxpack/Manifest.h"

namespace nvxpack {

// The record the installer reads for one manifest line.
nuvex::TFileConfiguration ToFileConfiguration(const ManifestRecord& record);

// Writes header, count and records to path; raises nuvex::Error subclasses on
// failure (the file cannot be created, a write falls short).
void WriteIndexFile(const std::string& path, const std::vector<nuvex::TFileConfiguration>& records);

struct IndexFile {
  uint8_t header[5] = {};
  int32_t count = 0;
  int64_t size = 0;  // of the whole file
  std::vector<nuvex::TFileConfiguration> records;

  bool HasOurSignature() const;
  std::string HeaderText() const;  // e.g. "NVX 1.0", or the bytes in hex
};

// Reads an index whole.  Returns nothing and sets problem when it is missing,
// cannot be opened, or is not a complete index the installer would accept.
std::optional<IndexFile> ReadIndexFile(const std::string& path, std::string& problem);

}  // namespace nvxpack
