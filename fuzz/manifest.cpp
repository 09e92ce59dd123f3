// nvxpack's manifest parser: the bytes as manifest text; every record of a
// manifest without errors becomes an index record and its keywords are named.
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzSupport.h"
#include "package/FileConfiguration.h"
#include "tools/nvxpack/IndexFile.h"
#include "tools/nvxpack/Manifest.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(nuvex::fuzz::AsText(data, size));
  nvxpack::Diagnostics diagnostics;
  const std::vector<nvxpack::ManifestRecord> records = nvxpack::ParseManifest(text, "fuzz.nvm", diagnostics);
  if (!diagnostics.Ok()) return 0;
  if (records.size() > static_cast<size_t>(nvxpack::kMaxRecords)) __builtin_trap();
  for (const nvxpack::ManifestRecord& record : records) {
    if (record.source.size() > nvxpack::kMaxNameLength || record.target.size() > nvxpack::kMaxNameLength)
      __builtin_trap();
    const nuvex::TFileConfiguration written = nvxpack::ToFileConfiguration(record);
    if (nuvex::FieldText(written.SourceName) != record.source) __builtin_trap();
    if (nuvex::FieldText(written.TargetName) != record.target) __builtin_trap();
    (void)nvxpack::FolderKindName(record.folderKind);
    (void)nvxpack::ActionName(record.action);
  }
  return 0;
}
