#include "package/PackageIndex.h"

#include <zlib.h>

#include <cstring>

#include "platform/Files.h"

namespace nuvex {
namespace {

uint64_t GetLittleEndian(const char* at, int bytes) {
  uint64_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(at[i]);
  return value;
}

void PutLittleEndian(char* at, uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) at[i] = static_cast<char>(value >> (8 * i));
}

uint32_t Seal(const char* reserved) {
  return static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(reserved), 20));
}

}  // namespace

std::optional<TContentsChecksum> RecordChecksum(const TFileConfiguration& record) {
  const char* r = record.Reserved;
  if (std::memcmp(r, kRecordChecksumSignature, sizeof kRecordChecksumSignature) != 0) return std::nullopt;
  if (GetLittleEndian(r + 20, 4) != Seal(r)) return std::nullopt;
  return TContentsChecksum{static_cast<uint32_t>(GetLittleEndian(r + 8, 4)), GetLittleEndian(r + 12, 8)};
}

void SetRecordChecksum(TFileConfiguration& record, const TContentsChecksum& checksum) {
  char* r = record.Reserved;
  std::memset(r, 0, sizeof record.Reserved);
  std::memcpy(r, kRecordChecksumSignature, sizeof kRecordChecksumSignature);
  PutLittleEndian(r + 8, checksum.Crc32, 4);
  PutLittleEndian(r + 12, checksum.Size, 8);
  PutLittleEndian(r + 20, Seal(r), 4);
}

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
