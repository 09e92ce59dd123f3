#include "tools/nvxpack/Package.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iomanip>
#include <map>
#include <set>

#include "base/Error.h"
#include "base/Paths.h"
#include "package/PackageIndex.h"
#include "platform/Files.h"
#include "tools/nvxpack/IndexFile.h"
#include "tools/nvxpack/Manifest.h"
#include "tools/nvxpack/Packer.h"

#ifndef _WIN32
#include "platform/NativePath.h"
#endif

namespace nvxpack {
namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
std::filesystem::path FsPath(const std::string& path) { return std::filesystem::path(path); }
#else
constexpr char kSeparator = '/';
std::filesystem::path FsPath(const std::string& path) { return std::filesystem::path(nuvex::NativePath(path)); }
#endif

// A folder path as std::filesystem compares it: "." for the current folder,
// no trailing separator (the Windows runtime does not match "x\" with "x").
std::filesystem::path FsFolder(std::string folder) {
  while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\') && folder[folder.size() - 2] != ':')
    folder.pop_back();
  return FsPath(folder.empty() ? "." : folder);
}

bool SameFolder(const std::string& a, const std::string& b) {
  std::error_code ec;
  bool same = std::filesystem::equivalent(FsFolder(a), FsFolder(b), ec);
  return !ec && same;
}

std::optional<std::string> ReadText(const std::string& path) {
  if (!nuvex::FileExists(path)) return std::nullopt;
  nuvex::FileStream in = nuvex::FileStream::OpenRead(path);
  std::string text(static_cast<size_t>(std::max<int64_t>(in.Size(), 0)), '\0');
  text.resize(in.Read(text.data(), text.size()));
  return text;
}

std::string Hex32(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%08X", value);
  return text;
}

std::string ChecksumProblem(const nuvex::TContentsChecksum& expected, const nuvex::TContentsChecksum& actual) {
  return "the contents (" + std::to_string(actual.Size) + " bytes, CRC-32 " + Hex32(actual.Crc32) +
         ") differ from the index's checksum (" + std::to_string(expected.Size) + " bytes, CRC-32 " +
         Hex32(expected.Crc32) + "); the installer would fail on this file";
}

std::string Place(const std::string& manifest, int line) { return manifest + ":" + std::to_string(line) + ": "; }

}  // namespace

std::string WithSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += kSeparator;
  return folder;
}

std::string PathIn(const std::string& folder, const std::string& name) {
  std::string path = WithSeparator(folder) + name;
  if (kSeparator == '/') std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

bool BuildPackage(const std::string& manifestPath, const std::string& outputFolder, Diagnostics& diagnostics,
                  std::ostream& log) {
  std::optional<std::string> text;
  try {
    text = ReadText(manifestPath);
  } catch (const nuvex::Error& e) {
    diagnostics.Error(e.what());
    return false;
  }
  if (!text) {
    diagnostics.Error(manifestPath + ": manifest not found");
    return false;
  }
  std::vector<ManifestRecord> records = ParseManifest(*text, manifestPath, diagnostics);
  if (!diagnostics.Ok()) return false;
  if (records.empty()) {
    diagnostics.Error(manifestPath + ": lists no files; the installer fails on an empty package");
    return false;
  }
  const std::optional<UninstallListRecord> uninstallList = AddUninstallList(records, manifestPath, diagnostics);
  if (!diagnostics.Ok()) return false;

  // Everything is checked before anything is written.
  const std::string sourceFolder = nuvex::path::FolderPart(manifestPath);
  std::vector<const ManifestRecord*> files;  // the first record of each source name
  std::set<std::string> seen;
  for (const auto& record : records) {
    if (!seen.insert(record.source).second) continue;
    files.push_back(&record);
    if (record.generated) continue;
    const std::string path = PathIn(sourceFolder, record.source);
    if (!nuvex::FileExists(path)) {
      diagnostics.Error(Place(manifestPath, record.line) + "source '" + record.source + "' not found (" + path + ")");
      continue;
    }
    std::error_code ec;
    auto size = std::filesystem::file_size(FsPath(path), ec);
    if (record.packed && !ec && size > kMaxPackedFileSize)
      diagnostics.Error(Place(manifestPath, record.line) + "source '" + record.source +
                        "' is too large to be packed (the installer handles up to 2 GiB); store it plain");
  }
  if (SameFolder(sourceFolder, outputFolder))
    diagnostics.Error(outputFolder + ": the output folder is the manifest's folder; the package would overwrite its "
                      "sources");
  if (!diagnostics.Ok()) return false;

  if (!nuvex::ForceDirectories(outputFolder)) {
    diagnostics.Error(outputFolder + ": cannot create the output folder");
    return false;
  }
  // An index left from an earlier build must not outlive a failed one.
  const std::string indexPath = PathIn(outputFolder, nuvex::kPackageIndexName);
  if (nuvex::FileExists(indexPath) && !nuvex::DeleteFileAt(indexPath)) {
    diagnostics.Error(indexPath + ": cannot replace the existing index");
    return false;
  }
  std::map<std::string, nuvex::TContentsChecksum> checksums;  // by source name
  try {
    for (const ManifestRecord* record : files) {
      const std::string from = PathIn(sourceFolder, record->source);
      const std::string to = PathIn(outputFolder, record->source);
      const std::string at = Place(manifestPath, record->line);
      std::string folder = nuvex::path::FolderPart(to);
      if (!folder.empty() && !nuvex::ForceDirectories(folder)) {
        diagnostics.Error(at + "cannot create the folder " + folder);
        return false;
      }
      if (record->generated) {
        nuvex::FileStream list = nuvex::FileStream::Create(to);
        list.WriteBuffer(uninstallList->text.data(), uninstallList->text.size());
        list.Close();
        checksums[record->source] = nuvex::ChecksumOfFile(to);
        log << "wrote " << record->source << ": the uninstaller's list of " << std::count(uninstallList->text.begin(),
            uninstallList->text.end(), '\n') - 2 << " installed files\n";
        continue;
      }
      std::error_code ec;
      if (std::filesystem::equivalent(FsPath(from), FsPath(to), ec)) {
        diagnostics.Error(at + "'" + record->source + "' would be written over its own source");
        return false;
      }
      if (record->packed) {
        PackedSizes sizes = PackFile(from, to);
        if (!InstallerAcceptsSizes(sizes.unpacked, sizes.packed) || sizes.packed > kMaxPackedFileSize) {
          diagnostics.Error(at + "packing '" + record->source + "' turns " + std::to_string(sizes.unpacked) +
                            " bytes into " + std::to_string(sizes.packed) +
                            ", which the installer takes for a failed extraction; store it plain");
          nuvex::DeleteFileAt(to);
          return false;
        }
        checksums[record->source] = sizes.contents;
        log << "packed " << record->source << ": " << sizes.unpacked << " -> " << sizes.packed << " bytes\n";
      } else {
        if (!nuvex::CopyFileOver(from, to)) {
          diagnostics.Error(at + "cannot copy " + from + " to " + to);
          return false;
        }
        // A read-only source gives a read-only copy, which the next build
        // could not write over.
        nuvex::ClearReadOnly(to);
        checksums[record->source] = nuvex::ChecksumOfFile(to);
        log << "copied " << record->source << "\n";
      }
    }
    std::vector<nuvex::TFileConfiguration> index;
    for (const auto& record : records) {
      index.push_back(ToFileConfiguration(record));
      nuvex::SetRecordChecksum(index.back(), checksums.at(record.source));
    }
    WriteIndexFile(indexPath, index);
    log << "wrote " << nuvex::kPackageIndexName << ": " << index.size() << " records\n";
  } catch (const nuvex::Error& e) {
    diagnostics.Error(e.what());
    return false;
  }
  return true;
}

bool ListPackage(const std::string& packageFolder, std::ostream& out, Diagnostics& diagnostics) {
  std::string problem;
  auto index = ReadIndexFile(PathIn(packageFolder, nuvex::kPackageIndexName), problem);
  if (!index) {
    diagnostics.Error(problem);
    return false;
  }
  out << nuvex::kPackageIndexName << ": " << index->HeaderText() << ", " << index->count << " records\n";
  size_t sourceWidth = 6, targetWidth = 6;
  for (const auto& r : index->records) {
    sourceWidth = std::max(sourceWidth, nuvex::FieldText(r.SourceName).size());
    targetWidth = std::max(targetWidth, nuvex::FieldText(r.TargetName).size());
  }
  out << std::left << std::setw(5) << "#" << std::setw(int(sourceWidth) + 2) << "source" << std::setw(8)
      << "storage" << std::setw(13) << "folder" << std::setw(int(targetWidth) + 2) << "target"
      << "action\n";
  std::map<std::string, size_t> first;
  for (size_t i = 0; i < index->records.size(); ++i) {
    const auto& r = index->records[i];
    const std::string source = nuvex::FieldText(r.SourceName);
    out << std::setw(5) << i + 1 << std::setw(int(sourceWidth) + 2) << source << std::setw(8)
        << (r.Packed ? "packed" : "plain") << std::setw(13) << FolderKindName(r.FolderKind)
        << std::setw(int(targetWidth) + 2) << nuvex::FieldText(r.TargetName) << ActionName(r.Action);
    auto [it, isNew] = first.emplace(source, i + 1);
    if (!isNew) out << "  (repeats #" << it->second << "; the installer skips it)";
    out << "\n";
  }
  return true;
}

bool VerifyPackage(const std::string& packageFolder, std::ostream& out, Diagnostics& diagnostics) {
  const size_t errorsBefore = diagnostics.errors.size();
  std::string problem;
  auto index = ReadIndexFile(PathIn(packageFolder, nuvex::kPackageIndexName), problem);
  if (!index) {
    diagnostics.Error(problem);
    return false;
  }
  if (!index->HasOurSignature())
    diagnostics.Warning("the index was not written by nvxpack (" + index->HeaderText() + ")");
  else if (index->header[3] > nuvex::kPackageIndexVersionMajor)
    diagnostics.Warning("the index is of a newer format (" + index->HeaderText() + ")");
  if (index->count == 0) diagnostics.Error("the index lists no files; the installer fails on an empty package");
  const int64_t used = nuvex::kPackageIndexRecordsOffset + int64_t(index->count) * nuvex::kPackageIndexRecordSize;
  if (index->size > used)
    diagnostics.Warning(std::to_string(index->size - used) + " bytes follow the last record (the installer ignores "
                        "them)");

  // The installer's own reader must come to the same records.
  nuvex::TFileConfigurationList installed;
  try {
    if (!nuvex::ReadPackageIndex(WithSeparator(packageFolder), installed))
      diagnostics.Error("the installer's reader refuses the index");
  } catch (const nuvex::Error& e) {
    diagnostics.Error(std::string("the installer's reader fails: ") + e.what());
  }

  std::set<std::string> seen;
  int files = 0;
  for (size_t i = 0; i < index->records.size(); ++i) {
    const auto& r = index->records[i];
    const std::string source = nuvex::FieldText(r.SourceName);
    const std::string at = "#" + std::to_string(i + 1) + " " + source + ": ";
    if (!seen.insert(source).second) {
      diagnostics.Warning(at + "repeats an earlier record; the installer skips it");
      continue;
    }
    if (!installed.Exists(source)) diagnostics.Error(at + "not among the records the installer reads");
    if (source.empty()) {
      diagnostics.Error("#" + std::to_string(i + 1) + ": the record has no source name");
      continue;
    }
    if (nuvex::FieldText(r.TargetName).empty()) diagnostics.Error(at + "the record has no target name");
    const std::string path = PathIn(packageFolder, source);
    ++files;
    const std::optional<nuvex::TContentsChecksum> expected = nuvex::RecordChecksum(r);
    if (r.Packed) {
      PackedCheck check = CheckPackedFile(path);
      if (!check.ok) {
        diagnostics.Error(at + check.problem);
        continue;
      }
      if (expected && check.sizes.contents != *expected) {
        diagnostics.Error(at + ChecksumProblem(*expected, check.sizes.contents));
        continue;
      }
      out << "ok  " << source << " (packed, " << check.sizes.packed << " -> " << check.sizes.unpacked << " bytes"
          << (expected ? ", checksum" : "") << ")\n";
    } else if (!nuvex::FileExists(path)) {
      diagnostics.Error(at + "missing");
    } else {
      if (expected) {
        nuvex::TContentsChecksum actual;
        try {
          actual = nuvex::ChecksumOfFile(path);
        } catch (const nuvex::Error& e) {
          diagnostics.Error(at + e.what());
          continue;
        }
        if (actual != *expected) {
          diagnostics.Error(at + ChecksumProblem(*expected, actual));
          continue;
        }
      }
      out << "ok  " << source << " (plain" << (expected ? ", checksum" : "") << ")\n";
    }
  }
  const size_t problems = diagnostics.errors.size() - errorsBefore;
  out << files << " files checked, " << problems << (problems == 1 ? " problem" : " problems") << "\n";
  return problems == 0;
}

}  // namespace nvxpack
