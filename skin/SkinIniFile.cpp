#include "skin/SkinIniFile.h"

#include <exception>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>

#include "base/Ascii.h"
#include "skin/SkinStrings.h"
#include "skin/SkinTypes.h"
#include "toolkit/formats/BitmapFile.h"
#include "toolkit/graphics/Bitmap.h"
#include "trace/TraceUnit.h"

namespace nuvex {
namespace {

// Removes every character up to and including the blank at both ends.
std::string_view TrimControls(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

bool SkinDefinitionComplete(const TButtonProperty& p) {
  switch (p.ControlType) {
    case RegionedForm:
    case RegionedButton:
    case RegionedStatus:
    case RegionedSliderBackground:
    case RegionedSliderButton:
    case RegionedFlatSlider:
      return p.ButtonCount != 0 && p.Height != 0 && p.Width != 0 && p.Bitmap != nullptr &&
             p.Bitmap->Width() != 0 && p.Bitmap->Height() != 0;
    case SkinLabel:
      return p.FontColor != -1;
    case Unknown:
      break;
  }
  return false;
}

TSkinIniFile::TSkinIniFile(std::string fileName, std::string programFolder)
    : TIniFile(std::move(fileName)), programFolder_(std::move(programFolder)) {
  ReadSkinInfo();
}

TSkinIniFile::~TSkinIniFile() = default;

bool TSkinIniFile::ReadSkinInfo() {
  const std::string section = SkinString(IDS_SKIN_INFO_SECTION);
  TSkinDescription& d = info_;
  d.Name = ReadString(section, SkinString(IDS_SKIN_KEY_NAME), "");
  d.AuthorName = ReadString(section, SkinString(IDS_SKIN_KEY_AUTHOR_NAME), "");
  d.AuthorEmail = ReadString(section, SkinString(IDS_SKIN_KEY_AUTHOR_EMAIL), "");
  d.AuthorNotes = ReadString(section, SkinString(IDS_SKIN_KEY_AUTHOR_NOTES), "");
  d.Generator = ReadString(section, SkinString(IDS_SKIN_KEY_GENERATOR), "");
  d.AuthorWWW = ReadString(section, SkinString(IDS_SKIN_KEY_AUTHOR_WWW), "");
  d.SkinEditor = ReadString(section, SkinString(IDS_SKIN_KEY_SKIN_EDITOR), "");
  d.Version = static_cast<uint16_t>(ReadInteger(section, SkinString(IDS_SKIN_KEY_VERSION), 0) & 0xFFFF);
  return d.Usable();
}

TLoadedButton TSkinIniFile::LoadButton(const std::string& controlName) const {
  TLoadedButton loaded;
  if (controlName.empty()) return loaded;
  TButtonProperty& p = loaded.Property;
  const auto picture = std::make_shared<TBitmap>();
  p.Bitmap = picture;
  try {
    const std::string& s = controlName;
    p.ControlType = ReadControlType(s, SkinString(IDS_SKIN_KEY_CONTROL_TYPE));
    p.ButtonCount = ReadInteger(s, SkinString(IDS_SKIN_KEY_BUTTON_COUNT), 0);
    p.LeftMargin = ReadInteger(s, SkinString(IDS_SKIN_KEY_LEFT_MARGIN), 0);
    p.TopMargin = ReadInteger(s, SkinString(IDS_SKIN_KEY_TOP_MARGIN), 0);
    p.RightMargin = ReadInteger(s, SkinString(IDS_SKIN_KEY_RIGHT_MARGIN), 0);
    p.BottomMargin = ReadInteger(s, SkinString(IDS_SKIN_KEY_BOTTOM_MARGIN), 0);
    p.XCoord = ReadInteger(s, SkinString(IDS_SKIN_KEY_X_COORD), 0);
    p.YCoord = ReadInteger(s, SkinString(IDS_SKIN_KEY_Y_COORD), 0);
    p.Height = ReadInteger(s, SkinString(IDS_SKIN_KEY_HEIGHT), 0);
    p.Width = ReadInteger(s, SkinString(IDS_SKIN_KEY_WIDTH), 0);
    p.SplitMode = IntToSplitMode(ReadInteger(s, SkinString(IDS_SKIN_KEY_SPLIT_MODE), 0));
    p.InteriorArea = IntToInteriorArea(ReadInteger(s, SkinString(IDS_SKIN_KEY_INTERIOR_AREA), 0));
    p.Visible = ReadBool(s, SkinString(IDS_SKIN_KEY_VISIBLE), true);
    p.Transparent = ReadBool(s, SkinString(IDS_SKIN_KEY_TRANSPARENT), true);
    p.FontName = ReadString(s, SkinString(IDS_SKIN_KEY_FONT_NAME), "");
    p.FontSize = ReadInteger(s, SkinString(IDS_SKIN_KEY_FONT_SIZE), -1);
    p.FontColor = ReadColor(s, SkinString(IDS_SKIN_KEY_FONT_COLOR));
    p.FontStyleBold = ReadBool(s, SkinString(IDS_SKIN_KEY_FONT_STYLE_BOLD), false);
    p.FontStyleItalic = ReadBool(s, SkinString(IDS_SKIN_KEY_FONT_STYLE_ITALIC), false);
    p.FontStyleUnderline = ReadBool(s, SkinString(IDS_SKIN_KEY_FONT_STYLE_UNDERLINE), false);
    p.AutoSize = ReadBool(s, SkinString(IDS_SKIN_KEY_AUTO_SIZE), false);
    p.Alignment = ReadAlignment(s, SkinString(IDS_SKIN_KEY_ALIGNMENT));
    p.Layout = ReadLayout(s, SkinString(IDS_SKIN_KEY_LAYOUT));
    p.WordWrap = ReadBool(s, SkinString(IDS_SKIN_KEY_WORD_WRAP), false);
    p.Name = controlName;
    if (p.ControlType == RegionedForm) p.Visible = true;
    if (p.Visible) {
      const std::string image = ReadString(s, SkinString(IDS_SKIN_KEY_BUTTON_IMAGE), "");
      if (!image.empty()) *picture = ReadBitmapFile(PicturePath(image));
    }
  } catch (const std::exception& error) {
    Trace(std::string("[TSkinIniFile.LoadButton] Exception raised: ") + error.what());
    return loaded;
  }
  loaded.Complete = SkinDefinitionComplete(p);
  return loaded;
}

std::string TSkinIniFile::PicturePath(const std::string& buttonImage) const {
  // Pictures are found relative to the skins folder, not to the skin's own folder.
  std::string path = programFolder_;
  path += path.empty() || path.back() == '\\' || path.back() == '/' ? "Skins\\" : "\\Skins\\";
  return path + buttonImage;
}

TSkinControlType TSkinIniFile::ReadControlType(const std::string& section, const std::string& key) const {
  const std::string text = UpperAscii(ReadString(section, key, ""));
  for (int value = 0; value < kSkinControlTypeCount; ++value)
    if (text == UpperAscii(kSkinControlTypeNames[value])) return static_cast<TSkinControlType>(value);
  return Unknown;
}

TColor TSkinIniFile::ReadColor(const std::string& section, const std::string& key) const {
  const std::string value = ReadString(section, key, "");
  const std::string_view text = TrimControls(value);
  const size_t first = text.find(' ');
  if (first == std::string_view::npos) return -1;
  const std::string_view red = text.substr(0, first);
  const std::string_view rest = text.substr(first + 1);
  const size_t second = rest.find(' ');
  if (second == std::string_view::npos) return -1;
  const std::optional<int32_t> r = ParseProfileInteger(red);
  const std::optional<int32_t> g = r ? ParseProfileInteger(rest.substr(0, second)) : std::nullopt;
  const std::optional<int32_t> b = g ? ParseProfileInteger(rest.substr(second + 1)) : std::nullopt;
  if (!b) return -1;
  return static_cast<TColor>((*r & 0xFF) + 256 * (*g & 0xFF) + 65536 * (*b & 0xFF));
}

uint8_t TSkinIniFile::ReadZeroToTwo(const std::string& section, const std::string& key) const {
  const int32_t value = ReadInteger(section, key, -1);
  return value >= 0 && value <= 2 ? static_cast<uint8_t>(value) : 0;
}

uint8_t TSkinIniFile::ReadAlignment(const std::string& section, const std::string& key) const {
  return ReadZeroToTwo(section, key);
}

uint8_t TSkinIniFile::ReadLayout(const std::string& section, const std::string& key) const {
  return ReadZeroToTwo(section, key);
}

}  // namespace nuvex
