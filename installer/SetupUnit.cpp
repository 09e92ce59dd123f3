#include "installer/SetupUnit.h"

#include <memory>

#include "base/Ascii.h"
#include "base/Paths.h"
#include "installer/DiskSpaceCheck.h"
#include "installer/MessageIds.h"
#include "installer/Messages.h"
#include "installer/StartMenuGroup.h"
#include "installer/WinSysTools.h"
#include "package/PackageIndex.h"
#include "platform/Files.h"
#include "platform/Shell.h"
#include "platform/ShellLink.h"

namespace nuvex {
namespace {

const char kRegistrationProgram[] = "\\RegSvr32.exe";

// A path is handed to RegSvr32 as one quoted argument: unquoted, a path with
// blanks would reach it as several and the registration would fail unseen.
std::string QuotedArgument(const std::string& path) { return "\"" + path + "\""; }

}  // namespace

TCustomInstall::TCustomInstall(std::string packageFolder) : PackageFolder(std::move(packageFolder)) {}

TRunInstall::TRunInstall(std::string packageFolder) : TCustomInstall(std::move(packageFolder)) {}

bool TRunInstall::ReadConfiguration() { return ReadPackageIndex(PackageFolder, Files); }

std::string TRunInstall::TargetPath(const TFileConfiguration& record) const {
  if (record.FolderKind == fkTemp) GetTempDir();  // the run makes the temporary folder
  return PlacedPath(record.FolderKind, FieldText(record.TargetName), DestinationFolder);
}

bool TRunInstall::RunInstall() {
  ReadConfiguration();  // whatever it says, the records now in Files are what is installed
  if (Files.Count() == 0) return false;
  // A drive that cannot take the files is found before any is written.
  CheckDiskSpace(*this);
  for (int i = 0; i < Files.Count(); ++i) {
    OnBusy(this);
    if (!InstallRecord(*Files.Items(i))) return false;
  }
  return true;
}

bool TRunInstall::InstallRecord(const TFileConfiguration& record) {
  const std::string source = PackageFolder + FieldText(record.SourceName);
  if (!FileExists(source)) return false;

  const std::string target = TargetPath(record);
  const std::string folder = path::FolderPart(target);
  // A folder that cannot be made shows up as the unpack or copy failing.
  if (!folder.empty() && !DirectoryExists(folder)) ForceDirectories(folder);

  // A record of our package builder carries the checksum of its target's
  // contents; a target that does not match it is a failure.
  const std::optional<TContentsChecksum> checksum = RecordChecksum(record);
  if (record.Packed != 0) {
    TCompressor compressor;
    compressor.OnStart = OnStart;
    compressor.OnProgress = OnProgress;
    compressor.ExpectedContents = checksum;
    if (!compressor.Decompress(source, target)) return false;
  } else {
    if (!CopyFileOver(source, target, [this] { OnBusy(this); })) return false;
    // A file copied from a CD keeps its read-only attribute, which would make
    // the next installation over it fail.
    ClearReadOnly(target);
    if (checksum && ChecksumOfFile(target) != *checksum) return false;
  }

  switch (record.Action) {
    case faRegister: {
      // The system folder's own program, by its full path: found through the
      // search path, a program of that name beside Setup.exe or in the
      // working folder would run first, with the installer's rights.
      const std::string system = GetSystemDir();
      if (system.empty()) return false;
      return Service<Shell>::Current()
          .Execute("open", system + kRegistrationProgram, QuotedArgument(target), kShowHide)
          .Started();
    }
    case faOpen:
      return Service<Shell>::Current().Execute("open", target, std::string(), kShowHide).Started();
    default:
      return true;
  }
}

std::string TRunInstall::FindMainProgram() const {
  // Every record's name is looked for in the destination folder, whatever its
  // folder kind: the player is the first program found there.
  for (int i = 0; i < Files.Count(); ++i) {
    std::string path = UpperAscii(DestinationFolder + FieldText(Files.Items(i)->TargetName));
    if (path::Extension(path) == ".EXE" && FileExists(path)) return path;
  }
  return std::string();
}

void TRunInstall::CreateShortcuts() {
  const std::string program = FindMainProgram();
  if (program.empty()) return;

  const std::string groupFolder = StartMenuGroupFolder();
  if (groupFolder.empty()) return;

  const std::string group = groupFolder + "\\";
  if (!DirectoryExists(group)) ForceDirectories(group);

  std::unique_ptr<ShellLink> link = Service<ShellLinkFactory>::Current().Create();
  link->SetArguments(std::string());

  link->SetPath(program);
  link->SetWorkingDirectory(path::FolderPart(program));
  link->Save(group + "\\" + kGroupName + " " + Version + ".lnk");

  const std::string help = path::ChangeExtension(program, ".chm");
  link->SetPath(help);
  link->SetWorkingDirectory(path::FolderPart(help));
  link->Save(group + GetMessageText(msg::kHelpShortcut) + Version + ".lnk");

  std::string helpFolder = path::FolderPart(help);
  const std::string uninstaller = helpFolder + (path::EndsWithSeparator(helpFolder) ? "" : "\\") + "Uninstall.exe";
  link->SetPath(uninstaller);
  link->SetWorkingDirectory(path::FolderPart(uninstaller));
  link->Save(group + GetMessageText(msg::kUninstallShortcut) + Version + ".lnk");

  ShellOpen(group);
}

}  // namespace nuvex
