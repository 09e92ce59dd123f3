#include "installer/PackageIndex.h"

#include "platform/Files.h"

namespace nuvex {

bool ReadPackageIndex(const std::string& packageFolder, TFileConfigurationList& files) {
  files.Clear();
  const std::string path = packageFolder + kPackageIndexName;
  if (!FileExists(path)) return false;

  FileStream in = FileStream::OpenRead(path);
  uint8_t raw[4];
  if (in.Seek(kPackageIndexCountOffset) != kPackageIndexCountOffset) return false;
  if (in.Read(raw, sizeof raw) < sizeof raw) return false;
  const int32_t count = static_cast<int32_t>(static_cast<uint32_t>(raw[0]) | static_cast<uint32_t>(raw[1]) << 8 |
                                             static_cast<uint32_t>(raw[2]) << 16 |
                                             static_cast<uint32_t>(raw[3]) << 24);
  if (count >= kPackageIndexCountLimit) return false;
  // 64-bit arithmetic: count x 786 cannot overflow, and a negative count passes.
  if (in.Size() - kPackageIndexRecordsOffset < static_cast<int64_t>(count) * kPackageIndexRecordSize)
    return false;

  for (int32_t i = 0; i < count; ++i) {
    TFileConfiguration record;
    if (in.Read(&record, sizeof record) < sizeof record) return false;
    files.Add(record);
  }
  return true;
}

}  // namespace nuvex
