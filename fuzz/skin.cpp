// TSkinIniFile over a skins folder with a bitmap: the bytes up to the first
// "\n#BITMAP#\n" are the skin file Skins/Fuzz/Skin.nvs of a program folder in
// the scratch folder, the bytes after it the picture Skins/Fuzz/pic.bmp (a
// skin names it "Fuzz\pic.bmp").  The skin's info is read, every section is
// loaded as a control's definition, and the skins folder is scanned.  The
// reader reports its failures as false results and trace lines; no exception
// may leave it.
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzSupport.h"
#include "skin/SkinFolderScan.h"
#include "skin/SkinIniFile.h"
#include "skin/SkinNameList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static constexpr std::string_view kSeparator = "\n#BITMAP#\n";
  const std::string_view bytes = nuvex::fuzz::AsText(data, size);
  const size_t split = bytes.find(kSeparator);
  const std::string_view skinText = bytes.substr(0, split);

  const std::string program = nuvex::fuzz::ScratchFolder() + "program/";
  const std::string skinFile = program + "Skins/Fuzz/Skin.nvs";
  const std::string picture = program + "Skins/Fuzz/pic.bmp";
  nuvex::fuzz::WriteFile(skinFile, skinText);
  if (split == std::string_view::npos) {
    std::error_code ignored;
    std::filesystem::remove(picture, ignored);
  } else {
    nuvex::fuzz::WriteFile(picture, bytes.substr(split + kSeparator.size()));
  }

  nuvex::TSkinIniFile skin(skinFile, program);
  skin.ReadSkinInfo();
  const nuvex::TProfile profile = nuvex::ParseProfile(skinText);
  int sections = 0;
  for (const nuvex::TProfileSection& section : profile.Sections) {
    if (++sections > 32) break;
    if (skin.LoadButton(section.Name) && !nuvex::SkinDefinitionComplete(skin.ButtonProperty())) __builtin_trap();
    (void)skin.ReadColor(section.Name, "Color");
    (void)skin.ReadAlignment(section.Name, "Alignment");
    (void)skin.ReadLayout(section.Name, "Layout");
    (void)skin.ReadControlType(section.Name, "ControlType");
  }

  nuvex::TSkinNameList list;
  nuvex::ScanSkinsFolder(list, program);
  return 0;
}
