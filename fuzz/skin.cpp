// TSkinIniFile over a skins folder with a bitmap: the bytes up to the first
// "\n#BITMAP#\n" are the skin file Skins/Fuzz/Skin.nvs of a program folder in
// the scratch folder, the bytes after it the picture Skins/Fuzz/pic.bmp (a
// skin names it "Fuzz\pic.bmp").  The skin's info is read, every section is
// loaded as a control's definition, and the skins folder is scanned.  The
// reader reports its failures as false results and trace lines; no exception
// may leave it.  Whether the skin is valid, whether a definition is complete
// and which trace lines may come are worked out beside the reader from the
// values a plain profile reading of the file gives.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "skin/SkinFolderScan.h"
#include "skin/SkinIniFile.h"
#include "skin/SkinNameList.h"
#include "toolkit/graphics/Bitmap.h"
#include "trace/TraceCapture.h"

namespace {

constexpr const char* kKinds[] = {"UNKNOWN",           "REGIONEDFORM",
                                  "REGIONEDBUTTON",    "REGIONEDSTATUS",
                                  "REGIONEDSLIDERBACKGROUND", "REGIONEDSLIDERBUTTON",
                                  "REGIONEDFLATSLIDER", "SKINLABEL"};

int Kind(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  for (int i = 0; i < 8; ++i)
    if (text == kKinds[i]) return i;
  return 0;
}

// "R G B", three whole integers split at the first two blanks; -1 otherwise.
bool HasColour(const std::string& text) {
  const size_t first = text.find(' ');
  if (first == std::string::npos) return false;
  const size_t second = text.find(' ', first + 1);
  if (second == std::string::npos) return false;
  return nuvex::ParseProfileInteger(text.substr(0, first)) &&
         nuvex::ParseProfileInteger(text.substr(first + 1, second - first - 1)) &&
         nuvex::ParseProfileInteger(text.substr(second + 1));
}

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

}  // namespace

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

  const nuvex::TIniFile plain(skinFile);
  const bool valid = !plain.ReadString("SkinInfo", "Name", "").empty() &&
                     (plain.ReadInteger("SkinInfo", "NuvexFilmPlayerVersion", 0) & 0xFFFF) == 200;
  nuvex::TSkinIniFile skin(skinFile, program);
  if (skin.ReadSkinInfo() != valid) __builtin_trap();

  const std::string exceptionLine = "[TSkinIniFile.LoadButton] Exception raised: ";
  int sections = 0;
  for (const nuvex::TProfileSection& section : plain.Profile().Sections) {
    if (++sections > 32) break;
    const std::string& name = section.Name;
    const int kind = Kind(plain.ReadString(name, "ControlType", ""));
    const bool visible = kind == 1 || plain.ReadBool(name, "Visible", true);
    const bool loadsPicture = visible && !plain.ReadString(name, "ButtonImage", "").empty();
    nuvex::TraceCapture trace;
    const nuvex::TLoadedButton loaded = skin.LoadButton(name);
    const bool complete = loaded.Complete;
    // A trace line only from a picture that could not be loaded.
    if (trace.Lines().size() > 1) __builtin_trap();
    const bool failed = !trace.Lines().empty();
    if (failed && (!loadsPicture || name.empty() || !StartsWith(trace.Lines()[0].Text(), exceptionLine)))
      __builtin_trap();
    bool expected = false;
    if (!name.empty() && !failed && kind >= 1 && kind <= 6) {
      const nuvex::TBitmap* bitmap = loaded.Property.Bitmap.get();
      expected = plain.ReadInteger(name, "ButtonCount", 0) != 0 && plain.ReadInteger(name, "Height", 0) != 0 &&
                 plain.ReadInteger(name, "Width", 0) != 0 && loadsPicture && bitmap && bitmap->Width() > 0 &&
                 bitmap->Height() > 0;
    } else if (!name.empty() && !failed && kind == 7) {
      expected = HasColour(plain.ReadString(name, "FontColor", ""));
    }
    if (complete != expected) __builtin_trap();
    (void)skin.ReadColor(name, "Color");
    (void)skin.ReadAlignment(name, "Alignment");
    (void)skin.ReadLayout(name, "Layout");
  }

  // The skin is listed under its name exactly when it is valid.
  nuvex::TSkinNameList list;
  nuvex::ScanSkinsFolder(list, program);
  if (list.Count() != (valid ? 1 : 0)) __builtin_trap();
  if (valid && list.Items(0)->Name != plain.ReadString("SkinInfo", "Name", "")) __builtin_trap();
  return 0;
}
