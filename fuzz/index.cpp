// The package index reader: the bytes as "Setup.dat" in a package folder, read
// by ReadPackageIndex; every record read is looked at field by field, its
// contents checksum (in the Reserved field) included.
#include <cstddef>
#include <cstdint>

#include "base/Error.h"
#include "fuzz/FuzzSupport.h"
#include "package/PackageIndex.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string folder = nuvex::fuzz::ScratchFolder() + "package/";
  nuvex::fuzz::WriteFile(folder + nuvex::kPackageIndexName, nuvex::fuzz::AsText(data, size));
  nuvex::TFileConfigurationList files;
  try {
    nuvex::ReadPackageIndex(folder, files);
  } catch (const nuvex::FileOpenError&) {
  }
  if (files.Items(-1) || files.Items(files.Count())) __builtin_trap();
  for (int i = 0; i < files.Count(); ++i) {
    const nuvex::TFileConfiguration* record = files.Items(i);
    const std::string source = nuvex::FieldText(record->SourceName);
    if (source.size() > nuvex::kFileConfigurationTextSize) __builtin_trap();
    if (!files.Exists(source)) __builtin_trap();
    (void)nuvex::FieldText(record->TargetName);
    (void)nuvex::FieldText(record->Reserved);
    (void)nuvex::RecordChecksum(*record);
  }
  return 0;
}
