#pragma once
// nvxskin check: judges a skin folder against the base skin the way the
// engine reads it.  Every control of the base skin is loaded with the
// engine's own reader (TSkinIniFile::LoadButton), every key it reads is
// judged with the engine's converters, pictures are loaded and every state
// image is painted with PaintBitmap.
#include <iosfwd>
#include <string>
#include <vector>

#include "skin/ButtonProperty.h"

namespace nvxskin {

enum class ControlStatus {
  Complete,    // LoadButton completes the definition
  Incomplete,  // the section is there, LoadButton does not complete it
  Hidden,      // Visible reads false: the skin hides the control on purpose
  Missing,     // no section: the player hides the control under this skin (a warning)
};
const char* StatusName(ControlStatus status);

struct ControlReport {
  std::string name;                   // the base skin's name of the control
  nuvex::TSkinControlType kind{};     // its kind in the base skin
  ControlStatus status = ControlStatus::Missing;
  std::vector<std::string> problems;  // each makes the skin incomplete
  std::vector<std::string> warnings;  // worth a look; the skin stays complete
};

struct CheckReport {
  std::string skinFile;  // the file checked ("" for the base skin)
  std::string name;      // the skin's Name
  bool listed = false;   // the player lists it: a Name and version 200
  std::vector<std::string> problems;  // the file itself and its SkinInfo section
  std::vector<std::string> warnings;
  std::vector<ControlReport> controls;  // in the base skin's order
  std::vector<std::string> unreadSections;  // sections no control reads (warnings)

  int ProblemCount() const;
  int WarningCount() const;
  int Count(ControlStatus status) const;
  // No problem anywhere: every control the skin names complete or hidden on
  // purpose, every picture readable and of the right size, every key
  // readable.  Controls the skin leaves out are warnings only.
  bool Complete() const { return ProblemCount() == 0; }
};

// The skin in skinFolder (a sub-folder of a folder called Skins, holding
// Skin.nvs).  Raises UsageError when the folder cannot be checked at all.
CheckReport CheckSkinFolder(const std::string& skinFolder);
// The built-in base skin (its pictures and sizes; it has no file).
CheckReport CheckBaseSkin();

void WriteReport(const CheckReport& report, std::ostream& out);

// A skin folder that cannot be checked (missing, not inside a Skins folder).
struct UsageError {
  std::string message;
};

// The folder that holds the Skins folder of skinFolder: the program folder
// the engine's reader needs, with a trailing separator.  Raises UsageError.
std::string ProgramFolderOf(const std::string& skinFolder);
// skinFolder's skin file.
std::string SkinFileOf(const std::string& skinFolder);

}  // namespace nvxskin
