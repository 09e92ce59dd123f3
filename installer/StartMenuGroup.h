#pragma once
// The Start-menu group that the installer fills with its shortcuts and the
// uninstaller empties again.
#include <string>

namespace nuvex {

inline constexpr char kGroupName[] = "Nuvex Player";

// The group's folder, without a trailing separator: kGroupName in the user's
// programs folder, as the "Programs" value of the HKCU "Shell Folders" key
// names it (UserRegistry).  Empty when that value is missing or empty;
// raises nuvex::Error when it is not a string.
std::string StartMenuGroupFolder();

}  // namespace nuvex
