#include "tools/nvxpack/IndexFile.h"

#include <cstdio>
#include <cstring>

#include "base/Error.h"
#include "package/PackageIndex.h"
#include "platform/Files.h"

namespace nvxpack {

using nuvex::TFileConfiguration;

TFileConfiguration ToFileConfiguration(const ManifestRecord& record) {
  TFileConfiguration r{};
  // The manifest parser has limited both names to 260 bytes without zero bytes.
  if (!nuvex::SetFieldText(r.SourceName, record.source) || !nuvex::SetFieldText(r.TargetName, record.target))
    throw nuvex::Error("name too long for the index: " + record.source);
  r.Packed = record.packed ? 1 : 0;
  r.FolderKind = record.folderKind;
  r.Action = record.action;
  return r;
}

void WriteIndexFile(const std::string& path, const std::vector<TFileConfiguration>& records) {
  if (records.size() >= static_cast<size_t>(nuvex::kPackageIndexCountLimit))
    throw nuvex::Error("an index holds at most 1999 records");
  std::vector<uint8_t> bytes;
  bytes.reserve(nuvex::kPackageIndexRecordsOffset + records.size() * sizeof(TFileConfiguration));
  bytes.insert(bytes.end(), std::begin(nuvex::kPackageIndexSignature), std::end(nuvex::kPackageIndexSignature));
  bytes.push_back(nuvex::kPackageIndexVersionMajor);
  bytes.push_back(nuvex::kPackageIndexVersionMinor);
  const auto count = static_cast<uint32_t>(records.size());
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(count >> shift));
  for (const auto& r : records) {
    const auto* p = reinterpret_cast<const uint8_t*>(&r);
    bytes.insert(bytes.end(), p, p + sizeof r);
  }
  nuvex::FileStream out = nuvex::FileStream::Create(path);
  out.WriteBuffer(bytes.data(), bytes.size());
  out.Close();
}

bool IndexFile::HasOurSignature() const {
  return std::memcmp(header, nuvex::kPackageIndexSignature, sizeof nuvex::kPackageIndexSignature) == 0;
}

std::string IndexFile::HeaderText() const {
  if (HasOurSignature()) return "NVX " + std::to_string(header[3]) + "." + std::to_string(header[4]);
  std::string hex;
  for (uint8_t b : header) {
    char two[4];
    std::snprintf(two, sizeof two, "%02X ", b);
    hex += two;
  }
  hex.pop_back();
  return "unknown header " + hex;
}

std::optional<IndexFile> ReadIndexFile(const std::string& path, std::string& problem) {
  if (!nuvex::FileExists(path)) {
    problem = "no index: " + path + " is missing";
    return std::nullopt;
  }
  IndexFile index;
  try {
    nuvex::FileStream in = nuvex::FileStream::OpenRead(path);
    index.size = in.Size();
    uint8_t head[9];
    if (in.Read(head, sizeof head) < sizeof head) {
      problem = "the index is only " + std::to_string(index.size) + " bytes long";
      return std::nullopt;
    }
    std::memcpy(index.header, head, 5);
    index.count = static_cast<int32_t>(uint32_t(head[5]) | uint32_t(head[6]) << 8 | uint32_t(head[7]) << 16 |
                                       uint32_t(head[8]) << 24);
    if (index.count < 0 || index.count >= nuvex::kPackageIndexCountLimit) {
      problem = "the index counts " + std::to_string(index.count) + " records; 0 to 1999 are possible";
      return std::nullopt;
    }
    const int64_t needed =
        nuvex::kPackageIndexRecordsOffset + int64_t(index.count) * nuvex::kPackageIndexRecordSize;
    if (index.size < needed) {
      problem = "the index counts " + std::to_string(index.count) + " records and needs " +
                std::to_string(needed) + " bytes, but has " + std::to_string(index.size);
      return std::nullopt;
    }
    index.records.resize(static_cast<size_t>(index.count));
    for (auto& r : index.records) {
      if (in.Read(&r, sizeof r) < sizeof r) {
        problem = "the index could not be read to its end";
        return std::nullopt;
      }
    }
  } catch (const nuvex::Error& e) {
    problem = e.what();
    return std::nullopt;
  }
  return index;
}

}  // namespace nvxpack
