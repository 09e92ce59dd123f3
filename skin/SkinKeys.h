#pragma once
// The keys of a skin file, one table for everything that reads them: the
// engine's reader takes each value by its key's kind and default, and the
// skin checker (nvxskin) judges a file's keys by the same entries, so the
// two cannot drift apart.
#include <cstdint>

#include "skin/ButtonProperty.h"
#include "skin/SkinStringIds.h"
#include "skin/SkinTypes.h"

namespace nuvex {

// How a key's text is converted.
enum class TSkinValueKind : uint8_t { Text, Integer, Boolean, Colour, ControlType, SplitMode, InteriorArea, ZeroToTwo };

struct TSkinKey {
  int Id;  // the key's name in the program's string table
  TSkinValueKind Kind;
  // What a missing or unreadable key gives: a number, 0/1 for a boolean, -1
  // for a colour, a TSkinControlType; text keys give "".
  int32_t Default;
};

namespace skin_keys {
using K = TSkinValueKind;
// SkinInfo.
inline constexpr TSkinKey Name{IDS_SKIN_KEY_NAME, K::Text, 0};
inline constexpr TSkinKey AuthorName{IDS_SKIN_KEY_AUTHOR_NAME, K::Text, 0};
inline constexpr TSkinKey AuthorEmail{IDS_SKIN_KEY_AUTHOR_EMAIL, K::Text, 0};
inline constexpr TSkinKey AuthorNotes{IDS_SKIN_KEY_AUTHOR_NOTES, K::Text, 0};
inline constexpr TSkinKey Generator{IDS_SKIN_KEY_GENERATOR, K::Text, 0};
inline constexpr TSkinKey AuthorWWW{IDS_SKIN_KEY_AUTHOR_WWW, K::Text, 0};
inline constexpr TSkinKey SkinEditor{IDS_SKIN_KEY_SKIN_EDITOR, K::Text, 0};
inline constexpr TSkinKey Version{IDS_SKIN_KEY_VERSION, K::Integer, 0};
// A control's section.
inline constexpr TSkinKey ControlType{IDS_SKIN_KEY_CONTROL_TYPE, K::ControlType, Unknown};
inline constexpr TSkinKey ButtonCount{IDS_SKIN_KEY_BUTTON_COUNT, K::Integer, 0};
inline constexpr TSkinKey LeftMargin{IDS_SKIN_KEY_LEFT_MARGIN, K::Integer, 0};
inline constexpr TSkinKey TopMargin{IDS_SKIN_KEY_TOP_MARGIN, K::Integer, 0};
inline constexpr TSkinKey RightMargin{IDS_SKIN_KEY_RIGHT_MARGIN, K::Integer, 0};
inline constexpr TSkinKey BottomMargin{IDS_SKIN_KEY_BOTTOM_MARGIN, K::Integer, 0};
inline constexpr TSkinKey XCoord{IDS_SKIN_KEY_X_COORD, K::Integer, 0};
inline constexpr TSkinKey YCoord{IDS_SKIN_KEY_Y_COORD, K::Integer, 0};
inline constexpr TSkinKey Height{IDS_SKIN_KEY_HEIGHT, K::Integer, 0};
inline constexpr TSkinKey Width{IDS_SKIN_KEY_WIDTH, K::Integer, 0};
inline constexpr TSkinKey SplitMode{IDS_SKIN_KEY_SPLIT_MODE, K::SplitMode, spNone};
inline constexpr TSkinKey InteriorArea{IDS_SKIN_KEY_INTERIOR_AREA, K::InteriorArea, iaStretched};
inline constexpr TSkinKey Visible{IDS_SKIN_KEY_VISIBLE, K::Boolean, 1};
inline constexpr TSkinKey Transparent{IDS_SKIN_KEY_TRANSPARENT, K::Boolean, 1};
inline constexpr TSkinKey FontName{IDS_SKIN_KEY_FONT_NAME, K::Text, 0};
inline constexpr TSkinKey FontSize{IDS_SKIN_KEY_FONT_SIZE, K::Integer, -1};
inline constexpr TSkinKey FontColor{IDS_SKIN_KEY_FONT_COLOR, K::Colour, -1};
inline constexpr TSkinKey FontStyleBold{IDS_SKIN_KEY_FONT_STYLE_BOLD, K::Boolean, 0};
inline constexpr TSkinKey FontStyleItalic{IDS_SKIN_KEY_FONT_STYLE_ITALIC, K::Boolean, 0};
inline constexpr TSkinKey FontStyleUnderline{IDS_SKIN_KEY_FONT_STYLE_UNDERLINE, K::Boolean, 0};
inline constexpr TSkinKey AutoSize{IDS_SKIN_KEY_AUTO_SIZE, K::Boolean, 0};
inline constexpr TSkinKey Alignment{IDS_SKIN_KEY_ALIGNMENT, K::ZeroToTwo, 0};
inline constexpr TSkinKey Layout{IDS_SKIN_KEY_LAYOUT, K::ZeroToTwo, 0};
inline constexpr TSkinKey WordWrap{IDS_SKIN_KEY_WORD_WRAP, K::Boolean, 0};
inline constexpr TSkinKey ButtonImage{IDS_SKIN_KEY_BUTTON_IMAGE, K::Text, 0};
}  // namespace skin_keys

// The keys of the SkinInfo section and of a control's section, in the order
// the reader reads them.
inline constexpr TSkinKey kSkinInfoKeys[] = {
    skin_keys::Name,      skin_keys::AuthorName, skin_keys::AuthorEmail, skin_keys::AuthorNotes,
    skin_keys::Generator, skin_keys::AuthorWWW,  skin_keys::SkinEditor,  skin_keys::Version,
};
inline constexpr TSkinKey kSkinControlKeys[] = {
    skin_keys::ControlType,   skin_keys::ButtonCount,     skin_keys::LeftMargin,         skin_keys::TopMargin,
    skin_keys::RightMargin,   skin_keys::BottomMargin,    skin_keys::XCoord,             skin_keys::YCoord,
    skin_keys::Height,        skin_keys::Width,           skin_keys::SplitMode,          skin_keys::InteriorArea,
    skin_keys::Visible,       skin_keys::Transparent,     skin_keys::FontName,           skin_keys::FontSize,
    skin_keys::FontColor,     skin_keys::FontStyleBold,   skin_keys::FontStyleItalic,    skin_keys::FontStyleUnderline,
    skin_keys::AutoSize,      skin_keys::Alignment,       skin_keys::Layout,             skin_keys::WordWrap,
    skin_keys::ButtonImage,
};

}  // namespace nuvex
