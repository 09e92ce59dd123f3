#pragma once
// The uninstaller's work, on the platform's file and registry seams: it
// removes what the package placed in the destination folder and the folders
// that leaves empty, and the installer's shortcuts in the Start-menu group
// "Nuvex Player" with the group when that leaves it empty.  Files placed
// outside the destination folder (Windows, system and temporary folders,
// absolute targets) may be shared with other programs: they stay and are
// named.  Anything the list does not name stays.  Nothing is written to the
// registry.  A file that cannot go is named and the rest still goes.
#include <string>
#include <vector>

#include "package/UninstallList.h"

namespace nuvex {

struct TUninstallReport {
  std::vector<std::string> Removed;      // files removed, in list order, then shortcuts
  std::vector<std::string> Failed;       // files that could not be removed
  std::vector<std::string> Shared;       // files of the package left outside the destination folder
  std::vector<std::string> KeptFolders;  // the destination folder or the group, when not empty
  std::vector<std::string> AtRestart;    // left to the system's next start: the program and its folders
};

class TUninstall {
 public:
  // uninstallerPath: the installed uninstaller, with its list beside it
  // (the same path with the extension ".lst").
  explicit TUninstall(std::string uninstallerPath);

  std::string ListPath() const;
  // Reads the list.  False when it is missing or damaged, or when it does
  // not name a target that this uninstaller's path ends with (then the
  // destination folder is unknown): nothing must be removed.
  bool ReadList();
  // The destination folder the list's targets were joined to, without a
  // trailing separator ("C:\Program Files\Nuvex Player 2.6 XP"; "D:" for a
  // drive's root).  Known after ReadList.
  const std::string& DestinationFolder() const { return destination_; }

  // Removes what it may.  selfRunning: the uninstaller's own file is the
  // running program and cannot go now; it and the folders that hold only it
  // are left to the system's next start (RemoveAtRestart), or named as
  // failed when that cannot be arranged.
  TUninstallReport Run(bool selfRunning);

 private:
  void RemoveFiles(bool selfRunning, TUninstallReport& report) const;
  void RemoveFolders(TUninstallReport& report) const;
  void RemoveGroup(TUninstallReport& report) const;
  std::string OutsidePath(const TUninstallEntry& entry) const;

  std::string uninstallerPath_;
  std::string destination_;
  TUninstallList list_;
};

// Whether a file of the Start-menu group is one of the installer's
// shortcuts, of any version and in either language: the player's ("Nuvex
// Player *.lnk"), the help file's and the uninstaller's.
bool IsInstallerShortcut(const std::string& name);

// The text of the final message: what was removed (503, or 504 when
// anything failed), then the files that could not be removed (505), the
// shared files left in place (506), the folders kept (507) and, when the
// program itself waits for the restart, 508.  product is put for "%s".
std::string UninstallSummary(const TUninstallReport& report, const std::string& product);

}  // namespace nuvex
