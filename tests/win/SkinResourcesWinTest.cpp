// The skin engine's resources in a Windows program: the string table and the
// built-in skin's bitmaps are real resources of the running module.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "skin/SkinResources.h"
#include "skin/SkinStrings.h"

namespace nuvex {
namespace {

TEST(SkinResourcesWin, EveryTextIsAStringResourceEqualToTheTable) {
  for (const SkinStringEntry& entry : SkinStringTable()) {
    char buffer[512] = {};
    const int length = LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(entry.Id), buffer, sizeof buffer);
    EXPECT_EQ(std::string(buffer, static_cast<size_t>(length > 0 ? length : 0)), entry.Text) << entry.Id;
    EXPECT_EQ(SkinString(entry.Id), entry.Text) << entry.Id;
  }
  EXPECT_EQ(SkinString(IDS_SKIN_FILE_NAME), "Skin.nvs");
  EXPECT_EQ(SkinString(IDS_BASE_SKIN_SELECTOR), "<<Base Skin>>");
}

TEST(SkinResourcesWin, PicturesAreBitmapResourcesFoundInAnyLetterCase) {
  HMODULE module = GetModuleHandleA(nullptr);
  int pictures = 0;
  for (const TButtonProperty& row : SkinResourcesTable()) {
    if (row.ControlType == SkinLabel) continue;
    EXPECT_NE(FindResourceA(module, row.FontName.c_str(), MAKEINTRESOURCEA(2)), nullptr) << row.FontName;
    std::string lower = row.FontName;
    for (char& c : lower) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    EXPECT_NE(FindResourceA(module, lower.c_str(), MAKEINTRESOURCEA(2)), nullptr) << lower;
    ++pictures;
  }
  EXPECT_EQ(pictures, 21);
  TSkinResources skin;
  const TLoadedButton playerControl = skin.LoadButton("PlayerControl");
  ASSERT_TRUE(playerControl);
  EXPECT_EQ(playerControl.Property.Bitmap->Width(), 240);
  EXPECT_EQ(playerControl.Property.Bitmap->Height(), 179);
}

}  // namespace
}  // namespace nuvex
