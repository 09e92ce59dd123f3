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
  namespace k = skin_keys;
  const std::string s = SkinString(IDS_SKIN_INFO_SECTION);
  TSkinDescription& d = info_;
  d.Name = ReadKeyText(s, k::Name);
  d.AuthorName = ReadKeyText(s, k::AuthorName);
  d.AuthorEmail = ReadKeyText(s, k::AuthorEmail);
  d.AuthorNotes = ReadKeyText(s, k::AuthorNotes);
  d.Generator = ReadKeyText(s, k::Generator);
  d.AuthorWWW = ReadKeyText(s, k::AuthorWWW);
  d.SkinEditor = ReadKeyText(s, k::SkinEditor);
  d.Version = static_cast<uint16_t>(ReadKey(s, k::Version) & 0xFFFF);
  return d.Usable();
}

TLoadedButton TSkinIniFile::LoadButton(const std::string& controlName) const {
  namespace k = skin_keys;
  TLoadedButton loaded;
  if (controlName.empty()) return loaded;
  TButtonProperty& p = loaded.Property;
  const auto picture = std::make_shared<TBitmap>();
  p.Bitmap = picture;
  try {
    const std::string& s = controlName;
    p.ControlType = static_cast<TSkinControlType>(ReadKey(s, k::ControlType));
    p.ButtonCount = ReadKey(s, k::ButtonCount);
    p.LeftMargin = ReadKey(s, k::LeftMargin);
    p.TopMargin = ReadKey(s, k::TopMargin);
    p.RightMargin = ReadKey(s, k::RightMargin);
    p.BottomMargin = ReadKey(s, k::BottomMargin);
    p.XCoord = ReadKey(s, k::XCoord);
    p.YCoord = ReadKey(s, k::YCoord);
    p.Height = ReadKey(s, k::Height);
    p.Width = ReadKey(s, k::Width);
    p.SplitMode = static_cast<TSplitMode>(ReadKey(s, k::SplitMode));
    p.InteriorArea = static_cast<TInteriorArea>(ReadKey(s, k::InteriorArea));
    p.Visible = ReadKey(s, k::Visible) != 0;
    p.Transparent = ReadKey(s, k::Transparent) != 0;
    p.FontName = ReadKeyText(s, k::FontName);
    p.FontSize = ReadKey(s, k::FontSize);
    p.FontColor = ReadKey(s, k::FontColor);
    p.FontStyleBold = ReadKey(s, k::FontStyleBold) != 0;
    p.FontStyleItalic = ReadKey(s, k::FontStyleItalic) != 0;
    p.FontStyleUnderline = ReadKey(s, k::FontStyleUnderline) != 0;
    p.AutoSize = ReadKey(s, k::AutoSize) != 0;
    p.Alignment = static_cast<uint8_t>(ReadKey(s, k::Alignment));
    p.Layout = static_cast<uint8_t>(ReadKey(s, k::Layout));
    p.WordWrap = ReadKey(s, k::WordWrap) != 0;
    p.Name = controlName;
    if (p.ControlType == RegionedForm) p.Visible = true;
    if (p.Visible) {
      const std::string image = ReadKeyText(s, k::ButtonImage);
      if (!image.empty()) *picture = ReadBitmapFile(PicturePath(image));
    }
  } catch (const std::exception& error) {
    Trace(std::string("[TSkinIniFile.LoadButton] Exception raised: ") + error.what());
    return loaded;
  }
  loaded.Complete = SkinDefinitionComplete(p);
  return loaded;
}

int32_t TSkinIniFile::ReadKey(const std::string& section, const TSkinKey& key) const {
  const std::string name = SkinString(key.Id);
  switch (key.Kind) {
    case TSkinValueKind::Integer:
      return ReadInteger(section, name, key.Default);
    case TSkinValueKind::Boolean:
      return ReadBool(section, name, key.Default != 0) ? 1 : 0;
    case TSkinValueKind::Colour:
      return ReadColor(section, name);
    case TSkinValueKind::ControlType:
      return ReadControlType(section, name);
    case TSkinValueKind::SplitMode:
      return IntToSplitMode(ReadInteger(section, name, key.Default));
    case TSkinValueKind::InteriorArea:
      return IntToInteriorArea(ReadInteger(section, name, key.Default));
    case TSkinValueKind::ZeroToTwo:
      return ReadZeroToTwo(section, name);
    case TSkinValueKind::Text:
      break;
  }
  return key.Default;
}

std::string TSkinIniFile::ReadKeyText(const std::string& section, const TSkinKey& key) const {
  return ReadString(section, SkinString(key.Id), "");
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
