#pragma once
// Texts the user must see, written out here by hand rather than read from
// the program, so that a changed letter in the program breaks a test.
#include <cstdint>
#include <span>
#include <string>

namespace nuvex::test {

// One installer message in both languages: Polish as Windows-1250 bytes,
// English as ASCII.
struct PinnedMessage {
  int id;
  const char* polish;
  const char* english;
};

// Every installer message, in the program's table order.
std::span<const PinnedMessage> PinnedMessages();
// The text of message id in language 0 (Polish) or 1 (English); a test
// failure and "" when the id is not pinned.
std::string Pinned(int id, uint8_t language);
// The same in the installer's current language.
std::string Pinned(int id);

// The DirectX installers' file names, relative to the program's folder: one
// for each button with Polish texts, one for both with English texts.
inline constexpr const char* kDirectXWin98Polish = "DX80pol.exe";
inline constexpr const char* kDirectXWin2000Polish = "DX80NTpol.exe";
inline constexpr const char* kDirectXEnglish = "DirectX8\\dxsetup.exe";

// The skin engine's trace lines for a region that cannot be built.
inline constexpr const char* kRegionedControlRegionTrace =
    "[TRegionedCustomControl.Resize] Error: GetNewRegion returned 0. Button cannot be transparent";
inline constexpr const char* kRegionedFormRegionTrace =
    "[TCustomRegionedForm.Resize] Error: GetNewRegion returned 0. Button cannot be transparent";

// The skin file's name, its info section and keys, and the keys of a control
// section in the order they are read.
inline constexpr const char* kSkinFileName = "Skin.nvs";
inline constexpr const char* kSkinInfoSection = "SkinInfo";
inline constexpr const char* kSkinInfoKeys[] = {"Name",      "AuthorName", "AuthorEmail", "AuthorNotes",
                                                "Generator", "AuthorWWW",  "SkinEditor",  "NuvexFilmPlayerVersion"};
inline constexpr const char* kSkinControlKeys[] = {
    "ControlType", "ButtonCount",   "LeftMargin",     "TopMargin",       "RightMargin",        "BottomMargin",
    "XCoord",      "YCoord",        "Height",         "Width",           "SplitMode",          "InteriorArea",
    "Visible",     "Transparent",   "FontName",       "FontSize",        "FontColor",          "FontStyleBold",
    "FontStyleItalic", "FontStyleUnderline", "AutoSize", "Alignment",   "Layout",             "WordWrap",
    "ButtonImage"};
// The base skin's description and the name that selects it.
inline constexpr const char* kBaseSkinDescription = "Nuvex Player base skin";
inline constexpr const char* kBaseSkinSelector = "<<Base Skin>>";

}  // namespace nuvex::test
