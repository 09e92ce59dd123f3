#include "installer/UninstallRun.h"

#include <algorithm>
#include <set>

#include "base/Ascii.h"
#include "base/Error.h"
#include "base/Paths.h"
#include "installer/StartMenuGroup.h"
#include "installer/WinSysTools.h"
#include "package/FileConfiguration.h"
#include "platform/Files.h"
#include "platform/FolderEntries.h"
#include "platform/Removal.h"

namespace nuvex {
namespace {

// "\" for "/", and one separator where the joining of a folder and a name
// made two (a network path keeps its leading pair).
std::string Tidy(std::string path) {
  std::replace(path.begin(), path.end(), '/', '\\');
  std::string out;
  for (size_t i = 0; i < path.size(); ++i) {
    if (path[i] == '\\' && !out.empty() && out.back() == '\\' && i > 1) continue;
    out.push_back(path[i]);
  }
  return out;
}

bool EndsWithText(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && UpperAscii(text.substr(text.size() - end.size())) == UpperAscii(end);
}

// A name with a "." or ".." part may lead out of the folder it is joined to.
bool LeavesItsFolder(const std::string& name) {
  size_t start = 0;
  while (start <= name.size()) {
    size_t end = name.find_first_of("\\/", start);
    if (end == std::string::npos) end = name.size();
    const std::string part = name.substr(start, end - start);
    if (part == "." || part == "..") return true;
    start = end + 1;
  }
  return false;
}

std::string WithoutTrailingSeparator(std::string folder) {
  while (!folder.empty() && folder.back() == '\\') folder.pop_back();
  return folder;
}

size_t Depth(const std::string& path) { return static_cast<size_t>(std::count(path.begin(), path.end(), '\\')); }

// The folder's entries other than "." and "..".
std::vector<std::string> Contents(const std::string& folder) {
  std::vector<std::string> names;
  for (const TFolderEntry& entry : FindFolderEntries(folder + "\\*"))
    if (entry.Name != "." && entry.Name != "..") names.push_back(entry.Name);
  return names;
}

bool IsDriveRoot(const std::string& folder) { return folder.size() == 2 && folder[1] == ':'; }

// The path with each existing part named as the folder lists it.  The
// installer's shortcut to the uninstaller is in upper case, and the folders
// the final message names should read as the user knows them.
std::string AsListed(const std::string& path) {
  if (path.size() < 3 || path[1] != ':' || path[2] != '\\') return path;
  std::string result = path.substr(0, 2);
  size_t start = 3;
  while (start <= path.size()) {
    size_t end = path.find('\\', start);
    if (end == std::string::npos) end = path.size();
    std::string part = path.substr(start, end - start);
    if (part.find_first_of("*?") == std::string::npos && !part.empty()) {
      for (const TFolderEntry& entry : FindFolderEntries(result + "\\" + part))
        if (SameTextAscii(entry.Name, part)) part = entry.Name;
    }
    result += "\\" + part;
    start = end + 1;
  }
  return result;
}

}  // namespace

TUninstall::TUninstall(std::string uninstallerPath) : uninstallerPath_(Tidy(std::move(uninstallerPath))) {}

std::string TUninstall::ListPath() const { return path::ChangeExtension(uninstallerPath_, kUninstallListExtension); }

bool TUninstall::ReadList() {
  const std::string listPath = ListPath();
  if (!FileExists(listPath)) return false;
  std::string text;
  try {
    FileStream in = FileStream::OpenRead(listPath);
    // A damaged list may claim any size: one larger than any list is refused
    // rather than read into memory.
    if (in.Size() > kMaxUninstallListSize) return false;
    text.resize(static_cast<size_t>(std::max<int64_t>(in.Size(), 0)));
    text.resize(in.Read(text.data(), text.size()));
  } catch (const Error&) {
    return false;
  }
  std::optional<TUninstallList> list = ParseUninstallList(text);
  if (!list) return false;
  uninstallerPath_ = AsListed(uninstallerPath_);
  // The uninstaller lies where the installer put it: its path is the
  // destination folder followed by its own target name.
  const std::string self = Tidy(list->Uninstaller);
  if (self.empty() || !EndsWithText(uninstallerPath_, self)) return false;
  destination_ = WithoutTrailingSeparator(uninstallerPath_.substr(0, uninstallerPath_.size() - self.size()));
  if (destination_.empty()) return false;
  list_ = std::move(*list);
  return true;
}

std::string TUninstall::OutsidePath(const TUninstallEntry& entry) const {
  // "C:\Temp\" is named only: the folder is not made.
  return Tidy(PlacedPath(entry.FolderKind, entry.TargetName, destination_));
}

TUninstallReport TUninstall::Run(bool selfRunning) {
  TUninstallReport report;
  RemoveFiles(selfRunning, report);
  RemoveFolders(report);
  if (!report.AtRestart.empty()) {
    // The program first: its folders can only go once it has.
    if (RemoveAtRestart(report.AtRestart.front())) {
      for (size_t i = 1; i < report.AtRestart.size(); ++i) RemoveAtRestart(report.AtRestart[i]);
    } else {
      report.Failed.push_back(report.AtRestart.front());
      // The folders that waited for it stay; the destination folder names
      // them, once (it is named already when the user's files keep it).
      const auto& kept = report.KeptFolders;
      if (report.AtRestart.size() > 1 && std::find(kept.begin(), kept.end(), destination_) == kept.end())
        report.KeptFolders.push_back(destination_);
      report.AtRestart.clear();
    }
  }
  RemoveGroup(report);
  return report;
}

void TUninstall::RemoveFiles(bool selfRunning, TUninstallReport& report) const {
  std::set<std::string> seen;
  for (const TUninstallEntry& entry : list_.Entries) {
    const std::string path = OutsidePath(entry);
    if (!seen.insert(UpperAscii(path)).second) continue;
    if (entry.FolderKind != fkDestination || LeavesItsFolder(entry.TargetName)) {
      if (FileExists(path)) report.Shared.push_back(path);
      continue;
    }
    if (selfRunning && SameTextAscii(path, uninstallerPath_)) {
      report.AtRestart.push_back(path);
      continue;
    }
    if (!FileExists(path)) continue;  // gone already
    (RemoveFile(path) ? report.Removed : report.Failed).push_back(path);
  }
}

void TUninstall::RemoveFolders(TUninstallReport& report) const {
  // Every folder between a removed file and the destination folder, the
  // deepest first, so that a folder is looked at after its sub-folders.
  std::set<std::string> upper;
  std::vector<std::string> folders;
  auto add = [&](const std::string& folder) {
    if (upper.insert(UpperAscii(folder)).second) folders.push_back(folder);
  };
  for (const TUninstallEntry& entry : list_.Entries) {
    if (entry.FolderKind != fkDestination || LeavesItsFolder(entry.TargetName)) continue;
    std::string folder = WithoutTrailingSeparator(path::FolderPart(OutsidePath(entry)));
    while (folder.size() > destination_.size()) {
      add(folder);
      folder = WithoutTrailingSeparator(path::FolderPart(folder));
    }
  }
  if (!IsDriveRoot(destination_)) add(destination_);
  std::stable_sort(folders.begin(), folders.end(),
                   [](const std::string& a, const std::string& b) { return Depth(a) > Depth(b); });

  std::set<std::string> pending;  // in upper case: what waits for the restart
  for (const std::string& p : report.AtRestart) pending.insert(UpperAscii(p));
  for (const std::string& folder : folders) {
    if (!DirectoryExists(folder)) continue;
    const std::vector<std::string> names = Contents(folder);
    if (names.empty()) {
      RemoveEmptyFolder(folder);
      continue;
    }
    const bool onlyPending = std::all_of(names.begin(), names.end(), [&](const std::string& name) {
      return pending.count(UpperAscii(folder + "\\" + name)) > 0;
    });
    if (onlyPending) {
      pending.insert(UpperAscii(folder));
      report.AtRestart.push_back(folder);
    }
  }
  if (DirectoryExists(destination_) && !pending.count(UpperAscii(destination_)) && !IsDriveRoot(destination_))
    report.KeptFolders.push_back(destination_);
}

void TUninstall::RemoveGroup(TUninstallReport& report) const {
  std::string group;
  try {
    group = StartMenuGroupFolder();
  } catch (const Error&) {
    return;  // a value of another type: there is no group of ours to find
  }
  if (group.empty() || !DirectoryExists(group)) return;
  for (const TFolderEntry& entry : FindFolderEntries(group + "\\*")) {
    if (entry.Directory || !IsInstallerShortcut(entry.Name)) continue;
    const std::string shortcut = group + "\\" + entry.Name;
    (RemoveFile(shortcut) ? report.Removed : report.Failed).push_back(shortcut);
  }
  if (Contents(group).empty()) {
    RemoveEmptyFolder(group);
  } else {
    report.KeptFolders.push_back(group);
  }
}

}  // namespace nuvex
