#pragma once
// What scripts/demo.sh reads back after the installation, through the calls
// a Windows program would use: the shortcuts of a Start-menu group, the demo
// filter's registration and the texts of a dialog box.
#include <string>
#include <vector>

namespace demo {

struct Shortcut {
  std::string name;  // the file's name in its folder
  std::string target;
  std::string workingFolder;
  bool targetExists = false;
};

// The user's Start-menu programs folder with group appended; empty when the
// system does not say where that folder is.
std::string StartMenuGroup(const std::string& group);

// The shortcuts (*.lnk) in folder, sorted by name, read with IShellLinkA; COM
// must be initialised on this thread.  False, with a reason in error, when
// the folder is missing or a shortcut cannot be read.
bool ReadShortcuts(const std::string& folder, std::vector<Shortcut>& shortcuts, std::string& error);

// Where the demo filter says it is registered; empty when it is not.
std::string RegisteredFilterPath();

struct ChildText {
  std::string className;
  std::string text;
};

// The children with a text of the top-level dialog box with this caption,
// in their window order.  False when no such dialog is shown.
bool ReadDialogTexts(const std::string& caption, std::vector<ChildText>& texts);

}  // namespace demo
