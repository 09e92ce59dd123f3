#include "skin/SkinResources.h"

#include <exception>
#include <memory>
#include <vector>

#include "base/Ascii.h"
#include "skin/BitmapTools.h"
#include "skin/BuiltInSkinPictures.h"
#include "skin/SkinIniFile.h"
#include "skin/SkinStrings.h"
#include "trace/TraceUnit.h"

namespace nuvex {
namespace {

constexpr TColor kWhite = 0x00FFFFFF;

TButtonProperty Picture(const char* name, TSkinControlType type, int count, int x, int y, int width,
                        int height, TSplitMode split, bool visible, bool transparent, const char* resource) {
  TButtonProperty p;
  p.Name = name;
  p.ControlType = type;
  p.ButtonCount = count;
  p.XCoord = x;
  p.YCoord = y;
  p.Width = width;
  p.Height = height;
  p.SplitMode = split;
  p.Visible = visible;
  p.Transparent = transparent;
  p.FontName = resource;
  return p;
}

TButtonProperty Label(const char* name, int x, int y, int width, const char* font, int size, bool bold) {
  TButtonProperty p;
  p.Name = name;
  p.ControlType = SkinLabel;
  p.XCoord = x;
  p.YCoord = y;
  p.Width = width;
  p.Visible = true;
  p.Transparent = true;
  p.FontName = font;
  p.FontSize = size;
  p.FontColor = kWhite;
  p.FontStyleBold = bold;
  p.AutoSize = true;
  return p;
}

std::vector<TButtonProperty> BuildTable() {
  return {
      Picture("PlayerControl.rbPlay", RegionedButton, 4, 44, 93, 26, 19, spVertical, true, true, "PlayerControl.Play"),
      Picture("PlayerControl.rbPause", RegionedButton, 4, 75, 93, 26, 19, spVertical, true, true, "PlayerControl.Pause"),
      Picture("PlayerControl.rbStop", RegionedButton, 4, 106, 93, 26, 19, spVertical, true, true, "PlayerControl.Stop"),
      Picture("PlayerControl.rbLoadFilm", RegionedButton, 4, 13, 93, 26, 19, spVertical, true, true,
              "PlayerControl.LoadFilm"),
      Picture("PlayerControl.rbLoadText", RegionedButton, 4, 137, 93, 26, 19, spVertical, true, true,
              "PlayerControl.LoadText"),
      Picture("PlayerControl.rbFixAviFile", RegionedButton, 4, 172, 56, 11, 11, spVertical, true, false,
              "PlayerControl.FixAviFile"),
      Picture("PlayerControl.rbSubtitleEditor", RegionedButton, 4, 168, 93, 26, 19, spVertical, true, true,
              "PlayerControl.SubtitleEditor"),
      Picture("PlayerControl.rbFullScreen", RegionedButton, 4, 216, 70, 17, 17, spVertical, true, true,
              "PlayerControl.FullScreen"),
      // Rows 8 and 11 are hidden, and their numbers do not match their pictures.
      Picture("PlayerControl.rbZoomFull", RegionedButton, 4, 258, 21, 38, 24, spVertical, false, true,
              "PlayerControl.ZoomFull"),
      Picture("PlayerControl.rbZoomIn", RegionedButton, 4, 70, 144, 54, 19, spHorizontal, true, true,
              "PlayerControl.ZoomIn"),
      Picture("PlayerControl.rbZoomOut", RegionedButton, 4, 124, 144, 66, 18, spHorizontal, true, true,
              "PlayerControl.ZoomOut"),
      Picture("PlayerControl.rbZoomOneToOne", RegionedButton, 4, 258, 59, 38, 26, spVertical, false, true,
              "PlayerControl.ZoomOneToOne"),
      Picture("PlayerControl.rbLoadSkin", RegionedButton, 4, 199, 93, 26, 19, spVertical, true, true,
              "PlayerControl.LoadSkin"),
      Picture("PlayerControl.rbHide", RegionedButton, 4, 205, 45, 17, 17, spVertical, true, true, "PlayerControl.Hide"),
      Picture("PlayerControl.rbExit", RegionedButton, 4, 184, 26, 17, 17, spVertical, true, true, "PlayerControl.Exit"),
      Picture("PlayerControl.SliderBackground", RegionedSliderBackground, 3, 93, 125, 125, 4, spHorizontal, true, false,
              "PlayerControl.SliderBackground"),
      Picture("PlayerControl.SliderButton", RegionedSliderButton, 4, 104, 122, 27, 10, spVertical, true, true,
              "PlayerControl.SliderButton"),
      Picture("PlayerControl.slSoundVolume", RegionedFlatSlider, 10, 146, 75, 60, 9, spHorizontal, true, false,
              "PlayerControl.SoundVolume"),
      Picture("PlayerControl.SubtitleLED", RegionedStatus, 3, 42, 123, 14, 15, spHorizontal, true, true,
              "PlayerControl.SubtitleLED"),
      Picture("PlayerControl.AC3Status", RegionedStatus, 4, 8, 71, 24, 14, spHorizontal, true, true,
              "PlayerControl.AC3Status"),
      Label("PlayerControl.slFileName", 38, 22, 138, "Comic Sans MS", 8, false),
      Label("PlayerControl.slVideoInfo", 8, 57, 135, "Comic Sans MS", 7, false),
      Label("PlayerControl.slTime", 22, 38, 0, "Arial", 13, true),
      Label("PlayerControl.slState", 32, 71, 98, "Comic Sans MS", 7, false),
      Picture("PlayerControl", RegionedForm, 1, 0, 0, 240, 179, spHorizontal, true, true, "PlayerControl"),
  };
}

}  // namespace

TSkinDescription SkinResourcesInfo() {
  TSkinDescription d;
  d.Name = SkinString(IDS_BASE_SKIN_NAME);
  d.AuthorName = SkinString(IDS_BASE_SKIN_AUTHOR_NAME);
  d.AuthorEmail = SkinString(IDS_BASE_SKIN_AUTHOR_EMAIL);
  d.AuthorNotes = SkinString(IDS_BASE_SKIN_AUTHOR_NOTES);
  d.AuthorWWW = SkinString(IDS_BASE_SKIN_AUTHOR_WWW);
  d.Version = kSkinFormatVersion;
  return d;
}

std::span<const TButtonProperty> SkinResourcesTable() {
  static const std::vector<TButtonProperty> table = BuildTable();
  return table;
}

TSkinResources::TSkinResources() { RegisterBuiltInSkinPictures(); }

TSkinResources::~TSkinResources() = default;

TLoadedButton TSkinResources::LoadButton(const std::string& controlName) const {
  TLoadedButton loaded;
  if (controlName.empty()) return loaded;
  const std::string wanted = UpperAscii(controlName);
  const TButtonProperty* entry = nullptr;
  for (const TButtonProperty& candidate : SkinResourcesTable()) {
    if (UpperAscii(candidate.Name) == wanted) {
      entry = &candidate;
      break;
    }
  }
  if (!entry) {
    TraceFormat("[TSkinResources.LoadButton] Warning: Skin Definition not found for button named \"%s\"",
                {controlName});
    return loaded;
  }
  TButtonProperty& p = loaded.Property;
  p = *entry;
  p.Name = controlName;
  const auto picture = std::make_shared<TBitmap>();
  p.Bitmap = picture;
  try {
    if (p.ControlType != SkinLabel) LoadBitmapFromResource(p.FontName, *picture);
  } catch (const std::exception& error) {
    Trace(std::string("[TSkinResources.LoadButton] Exception raised: ") + error.what());
    return loaded;
  }
  loaded.Complete = SkinDefinitionComplete(p);
  return loaded;
}

}  // namespace nuvex
