#pragma once
// The package index "Setup.dat": where it lies, how it is laid out, and the
// reader the installation run fills its file list with.
//
//   offset 0   5 bytes           header (written by the package builder, not read here)
//   offset 5   int32, LE         record count, signed
//   offset 9   count x 786 bytes the records (TFileConfiguration), in installation order
//
// Bytes after the last record are ignored.
#include <cstdint>
#include <optional>
#include <string>

#include "package/ContentsChecksum.h"
#include "package/FileConfiguration.h"

namespace nuvex {

inline constexpr char kPackageIndexName[] = "Setup.dat";

// The five header bytes our package builder writes: a signature and the
// format version.  The reader skips them, so older or foreign indexes with any
// header still install.
inline constexpr char kPackageIndexSignature[3] = {'N', 'V', 'X'};
inline constexpr uint8_t kPackageIndexVersionMajor = 1;
inline constexpr uint8_t kPackageIndexVersionMinor = 0;
inline constexpr int kPackageIndexHeaderSize = 5;
inline constexpr int kPackageIndexCountOffset = 5;
inline constexpr int kPackageIndexRecordsOffset = 9;
inline constexpr int kPackageIndexRecordSize = static_cast<int>(sizeof(TFileConfiguration));
// Counts from this value up are refused: an index holds at most 1999 records.
inline constexpr int32_t kPackageIndexCountLimit = 2000;

// Clears files and reads packageFolder + "Setup.dat" into it (packageFolder
// ends with its separator).  False, with files empty, when the index is
// missing, too short to hold its count, counts 2000 records or more, or is
// shorter than its count says; false also when a record cannot be read in
// full, in which case the records read before it stay.  A count of zero or
// below reads nothing and gives true.  A later record repeating an earlier
// source name is dropped.  An index that exists but cannot be opened raises
// FileOpenError ("Cannot open file %s").
bool ReadPackageIndex(const std::string& packageFolder, TFileConfigurationList& files);

// The checksum of a record's target, an extension of the format that our
// package builder writes into the record's Reserved field:
//
//   Reserved offset 0   8 bytes  signature "NVX-CRC" and 0x01
//                   8   uint32   CRC-32 of the target's contents, LE
//                   12  uint64   size of the target's contents, LE
//                   20  uint32   CRC-32 of the 20 bytes before it (the seal), LE
//                   24  ...      zero bytes, not read
//
// A record carries a checksum only when both the signature and the seal
// match, which no other packager's bytes do by chance; every other record is
// installed as before, without a check.
inline constexpr char kRecordChecksumSignature[8] = {'N', 'V', 'X', '-', 'C', 'R', 'C', 0x01};
inline constexpr size_t kRecordChecksumSize = 24;

std::optional<TContentsChecksum> RecordChecksum(const TFileConfiguration& record);
// Writes the signature, the checksum and the seal, and zeroes the rest of Reserved.
void SetRecordChecksum(TFileConfiguration& record, const TContentsChecksum& checksum);

}  // namespace nuvex
