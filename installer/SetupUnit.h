#pragma once
// The installation engine: places every file of the package index into its
// target folder, unpacking packed files and copying plain ones, registers
// components and opens files where the index asks for it; afterwards it can
// create the Start-menu group with the player's three shortcuts.  It has no
// user interface: progress goes out through two events, the outcome as a
// boolean, unexpected failures as errors.
#include <string>

#include "package/Compressor.h"
#include "package/FileConfiguration.h"

namespace nuvex {

class TCustomInstall {
 public:
  explicit TCustomInstall(std::string packageFolder);
  virtual ~TCustomInstall() = default;
  TCustomInstall(const TCustomInstall&) = delete;
  TCustomInstall& operator=(const TCustomInstall&) = delete;

  std::string PackageFolder;      // ends with "\"; holds "Setup.dat" and the package's files
  std::string DestinationFolder;  // used as it stands: no separator is added
  std::string Version;            // used in the shortcut names
  TFileConfigurationList Files;
  TStartEvent OnStart;            // handed to every extraction
  TProgressEvent OnProgress;
  // (sender): before each record and every so often while a plain file is
  // copied, so that the window can tell the system it still answers.
  Event<void*> OnBusy;

  virtual bool ReadConfiguration() = 0;
  virtual bool RunInstall() = 0;
};

class TRunInstall : public TCustomInstall {
 public:
  // The shell, the registry and the shortcuts are the platform's services
  // (base/Service.h).
  explicit TRunInstall(std::string packageFolder);

  // Fills Files from the package folder's "Setup.dat".
  bool ReadConfiguration() override;
  // True when every record was placed and every action started.  The first
  // failing record ends the run with false; earlier records stay in place.
  bool RunInstall() override;
  // After a successful run: the group "Nuvex Player" in the user's Start-menu
  // programs with shortcuts to the player, its help file and its uninstaller,
  // then a shell window on the group.  Reports nothing.
  void CreateShortcuts();

  // Where a record's file goes, by its folder kind.
  std::string TargetPath(const TFileConfiguration& record) const;

 private:
  bool InstallRecord(const TFileConfiguration& record);
  std::string FindMainProgram() const;
};

}  // namespace nuvex
