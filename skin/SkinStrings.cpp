#include "skin/SkinStrings.h"

namespace nuvex {
namespace {

constexpr SkinStringEntry kTable[] = {
    {IDS_SKIN_FILE_NAME, "Skin.nvs"},
    {IDS_SKIN_INFO_SECTION, "SkinInfo"},
    {IDS_SKIN_KEY_NAME, "Name"},
    {IDS_SKIN_KEY_AUTHOR_NAME, "AuthorName"},
    {IDS_SKIN_KEY_AUTHOR_EMAIL, "AuthorEmail"},
    {IDS_SKIN_KEY_AUTHOR_WWW, "AuthorWWW"},
    {IDS_SKIN_KEY_SKIN_EDITOR, "SkinEditor"},
    {IDS_SKIN_KEY_AUTHOR_NOTES, "AuthorNotes"},
    {IDS_SKIN_KEY_GENERATOR, "Generator"},
    {IDS_SKIN_KEY_VERSION, "NuvexFilmPlayerVersion"},
    {IDS_SKIN_KEY_CONTROL_TYPE, "ControlType"},
    {IDS_SKIN_KEY_BUTTON_COUNT, "ButtonCount"},
    {IDS_SKIN_KEY_LEFT_MARGIN, "LeftMargin"},
    {IDS_SKIN_KEY_TOP_MARGIN, "TopMargin"},
    {IDS_SKIN_KEY_RIGHT_MARGIN, "RightMargin"},
    {IDS_SKIN_KEY_BOTTOM_MARGIN, "BottomMargin"},
    {IDS_SKIN_KEY_X_COORD, "XCoord"},
    {IDS_SKIN_KEY_Y_COORD, "YCoord"},
    {IDS_SKIN_KEY_HEIGHT, "Height"},
    {IDS_SKIN_KEY_WIDTH, "Width"},
    {IDS_SKIN_KEY_SPLIT_MODE, "SplitMode"},
    {IDS_SKIN_KEY_INTERIOR_AREA, "InteriorArea"},
    {IDS_SKIN_KEY_VISIBLE, "Visible"},
    {IDS_SKIN_KEY_TRANSPARENT, "Transparent"},
    {IDS_SKIN_KEY_FONT_NAME, "FontName"},
    {IDS_SKIN_KEY_FONT_SIZE, "FontSize"},
    {IDS_SKIN_KEY_FONT_COLOR, "FontColor"},
    {IDS_SKIN_KEY_FONT_STYLE_BOLD, "FontStyleBold"},
    {IDS_SKIN_KEY_FONT_STYLE_ITALIC, "FontStyleItalic"},
    {IDS_SKIN_KEY_FONT_STYLE_UNDERLINE, "FontStyleUnderline"},
    {IDS_SKIN_KEY_AUTO_SIZE, "AutoSize"},
    {IDS_SKIN_KEY_ALIGNMENT, "Alignment"},
    {IDS_SKIN_KEY_LAYOUT, "Layout"},
    {IDS_SKIN_KEY_WORD_WRAP, "WordWrap"},
    {IDS_SKIN_KEY_BUTTON_IMAGE, "ButtonImage"},
    {IDS_BASE_SKIN_NAME, "Nuvex Classic"},
    {IDS_BASE_SKIN_AUTHOR_NAME, "Nuvex Player team"},
    {IDS_BASE_SKIN_AUTHOR_EMAIL, "skins@nuvexplayer.example"},
    {IDS_BASE_SKIN_AUTHOR_NOTES, "The player's own look: slate buttons on a dark screen."},
    {IDS_BASE_SKIN_AUTHOR_WWW, "http://www.nuvexplayer.example/skins/"},
    {IDS_BASE_SKIN_DESCRIPTION, "Nuvex Player base skin"},
    {IDS_BASE_SKIN_SELECTOR, "<<Base Skin>>"},
};

}  // namespace

std::span<const SkinStringEntry> SkinStringTable() { return kTable; }

std::string DefaultSkinString(int id) {
  for (const SkinStringEntry& entry : kTable)
    if (entry.Id == id) return entry.Text;
  return {};
}

}  // namespace nuvex
