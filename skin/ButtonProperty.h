#pragma once
// TButtonProperty: one control's skin definition, the record every skin
// reader fills and every skinned control's ApplySkin takes over.
#include <cstdint>
#include <memory>
#include <string>

#include "skin/SkinTypes.h"
#include "toolkit/graphics/Color.h"

namespace nuvex {

class TBitmap;

// The kinds a definition can declare.  1 to 6 are picture definitions, 7 a
// text definition; the kind decides when a definition is complete, not which
// control class takes it.
enum TSkinControlType : uint8_t {
  Unknown = 0,
  RegionedForm = 1,
  RegionedButton = 2,
  RegionedStatus = 3,
  RegionedSliderBackground = 4,
  RegionedSliderButton = 5,
  RegionedFlatSlider = 6,
  SkinLabel = 7,
};

inline constexpr int kSkinControlTypeCount = 8;

// The names the skin files use for the kinds, in the order of their values:
// the program's table of control kinds.
inline constexpr const char* kSkinControlTypeNames[kSkinControlTypeCount] = {
    "Unknown",          "RegionedForm",         "RegionedButton",     "RegionedStatus",
    "RegionedSliderBackground", "RegionedSliderButton", "RegionedFlatSlider", "SkinLabel",
};

struct TButtonProperty {
  std::string Name;  // the section (control name) the record was filled for
  TSkinControlType ControlType = Unknown;
  // The definition's picture.  Copies of a record share it and nobody changes
  // it, so a record outlives the reader that filled it.
  std::shared_ptr<const TBitmap> Bitmap;
  int32_t ButtonCount = 0;
  int32_t LeftMargin = 0;
  int32_t TopMargin = 0;
  int32_t RightMargin = 0;
  int32_t BottomMargin = 0;
  int32_t XCoord = 0;
  int32_t YCoord = 0;
  int32_t Height = 0;
  int32_t Width = 0;
  TSplitMode SplitMode = spNone;
  TInteriorArea InteriorArea = iaStretched;
  bool Visible = false;
  bool Transparent = false;
  // A label's font face; for the built-in skin's picture definitions the
  // name of the picture resource instead.
  std::string FontName;
  int32_t FontSize = 0;    // points; -1 or 0 mean none
  TColor FontColor = 0;    // 0x00BBGGRR; -1 means none
  bool FontStyleBold = false;
  bool FontStyleItalic = false;
  bool FontStyleUnderline = false;
  bool AutoSize = false;
  uint8_t Alignment = 0;  // 0 left-justified, 1 right-justified, 2 centred
  uint8_t Layout = 0;     // 0 top, 1 centre, 2 bottom
  bool WordWrap = false;
};

// What a reader's LoadButton gives: the definition as far as it could be
// read, and whether it is complete (only a complete one is applied).
struct TLoadedButton {
  bool Complete = false;
  TButtonProperty Property;
  explicit operator bool() const { return Complete; }
};

}  // namespace nuvex
