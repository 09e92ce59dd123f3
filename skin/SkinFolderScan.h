#pragma once
// The scan of the skins folder that fills the skin manager's list of skins.
#include <string>

#include "platform/Files.h"
#include "skin/SkinNameList.h"

namespace nuvex {

// The skins folder of a program: its folder (ending with a separator)
// followed by "Skins\".
std::string SkinsFolderOf(const std::string& programFolder);

// Appends to list every valid skin found in the sub-folders of the skins
// folder, in the order the platform lists them; "." and ".." are looked at
// like sub-folders, so a skin file lying in the skins folder itself or in the
// program's folder is listed too.  A sub-folder without a skin file writes a
// warning to the trace log; an invalid skin file is skipped silently; a
// missing skins folder adds nothing.
void ScanSkinsFolder(TSkinNameList& list, const std::string& programFolder = ProgramFolder());

}  // namespace nuvex
