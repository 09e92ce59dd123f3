#include "installer/DiskSpaceCheck.h"

#include <algorithm>
#include <map>

#include "base/Ascii.h"
#include "installer/MessageIds.h"
#include "installer/Messages.h"
#include "installer/SetupUnit.h"
#include "installer/WinSysTools.h"
#include "package/PackageIndex.h"
#include "platform/DiskSpace.h"
#include "platform/Drives.h"
#include "platform/Files.h"

namespace nuvex {
namespace {


// The size of an existing file; 0 for none, and for one that cannot be
// opened (its record fails in the run anyway).
uint64_t SizeOf(const std::string& path) {
  if (!FileExists(path)) return 0;
  try {
    return static_cast<uint64_t>(std::max<int64_t>(FileStream::OpenRead(path).Size(), 0));
  } catch (const Error&) {
    return 0;
  }
}

// What a record places.  Our package builder's records carry the size of
// their contents.  A plain file without it places its source's size.  A
// packed file without it places an unknown amount: what the data inflates to
// is only known by inflating it, and zlib's ratio allows 1000 times the
// packed size.  The run accepts an extraction only when its output has at
// least as many 4096-byte blocks as the packed file has whole ones, so the
// packed file's whole blocks less one are a floor, and the floor is what is counted: a
// package is never refused for space it may not need, and a file that turns
// out larger still fails cleanly in the run ("Stream write error").
uint64_t PlacedSize(const TFileConfiguration& record, const std::string& source) {
  if (const auto checksum = RecordChecksum(record)) return checksum->Size;
  const uint64_t size = SizeOf(source);
  if (record.Packed == 0) return size;
  const uint64_t wholeBlocks = size / 4096;
  return wholeBlocks > 0 ? (wholeBlocks - 1) * 4096 : 0;
}

// The run creates "C:\Temp\" for its records; the check only names it.
std::string TargetWithoutCreating(const TRunInstall& install, const TFileConfiguration& record) {
  return PlacedPath(record.FolderKind, FieldText(record.TargetName), install.DestinationFolder);
}

std::string KiloBytes(uint64_t bytes, bool roundUp) {
  return std::to_string(bytes / 1024 + (roundUp && bytes % 1024 != 0 ? 1 : 0));
}

}  // namespace

std::string DriveOf(const std::string& path) {
  const auto letterDrive = [](const std::string& p) {
    return p.size() >= 2 && p[1] == ':' && ((p[0] >= 'A' && p[0] <= 'Z') || (p[0] >= 'a' && p[0] <= 'z'));
  };
  if (letterDrive(path)) return UpperAscii(path.substr(0, 2));
  if (path.size() > 2 && path[0] == '\\' && path[1] == '\\') {
    // "\\server\share": up to the separator after the share's name.
    const size_t server = path.find('\\', 2);
    if (server != std::string::npos) return path.substr(0, path.find('\\', server + 1));
  }
  const std::string current = CurrentDirectory();
  return letterDrive(current) ? UpperAscii(current.substr(0, 2)) : std::string();
}

std::vector<TDriveNeed> DriveNeeds(const TRunInstall& install) {
  struct Drive {
    int64_t now = 0;
    int64_t peak = 0;
  };
  std::vector<std::string> order;
  std::map<std::string, Drive> drives;
  std::map<std::string, uint64_t> placed;  // by target in upper case: a later record replaces it
  for (int i = 0; i < install.Files.Count(); ++i) {
    const TFileConfiguration& record = *install.Files.Items(i);
    const std::string target = TargetWithoutCreating(install, record);
    const std::string key = UpperAscii(target);
    const auto earlier = placed.find(key);
    const uint64_t replaced = earlier != placed.end() ? earlier->second : SizeOf(target);
    const uint64_t size = PlacedSize(record, install.PackageFolder + FieldText(record.SourceName));
    placed[key] = size;

    const std::string name = DriveOf(target);
    if (name.empty()) continue;
    if (!drives.count(UpperAscii(name))) order.push_back(name);
    Drive& drive = drives[UpperAscii(name)];
    const auto added = static_cast<int64_t>(size), given = static_cast<int64_t>(replaced);
    if (record.Packed != 0) {
      // The file is inflated beside the one it replaces and moved over it at the end.
      drive.peak = std::max(drive.peak, drive.now + added);
      drive.now += added - given;
    } else {
      // A copy writes over the old file in place.
      drive.now += added - given;
      drive.peak = std::max(drive.peak, drive.now);
    }
  }
  std::vector<TDriveNeed> needs;
  for (const std::string& name : order)
    needs.push_back({name, static_cast<uint64_t>(drives[UpperAscii(name)].peak)});
  return needs;
}

void CheckDiskSpace(const TRunInstall& install) {
  for (const TDriveNeed& need : DriveNeeds(install)) {
    if (need.Needed == 0) continue;
    const std::optional<uint64_t> free = Service<TDiskSpace>::Current().FreeBytes(need.Drive + "\\");
    if (!free || *free >= need.Needed) continue;
    throw DiskSpaceError(FormatText(GetMessageText(msg::kNotEnoughSpace),
                                    {need.Drive, KiloBytes(need.Needed, true), KiloBytes(*free, false)}));
  }
}

}  // namespace nuvex
