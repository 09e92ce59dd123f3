#include "skin/SkinFolderScan.h"

#include "platform/FolderEntries.h"
#include "skin/SkinIniFile.h"
#include "skin/SkinStrings.h"
#include "trace/TraceUnit.h"

namespace nuvex {

std::string SkinsFolderOf(const std::string& programFolder) { return programFolder + "Skins\\"; }

void ScanSkinsFolder(TSkinNameList& list, const std::string& programFolder) {
  const std::string root = SkinsFolderOf(programFolder);
  const std::string skinFileName = SkinString(IDS_SKIN_FILE_NAME);
  for (const TFolderEntry& entry : FindFolderEntries(root + "*.*")) {
    if (!entry.Directory) continue;
    std::string path = root + entry.Name;
    path += path.empty() || path.back() == '\\' || path.back() == '/' ? skinFileName : "\\" + skinFileName;
    if (!FileExists(path)) {
      TraceFormat("[TSkinManager.LoadSkinList] Warning: File \"%s\" not found", {path});
      continue;
    }
    const TSkinIniFile skin(path, programFolder);
    if (!skin.Invalid()) list.Add(skin.Info().Name, path, false);
  }
}

}  // namespace nuvex
