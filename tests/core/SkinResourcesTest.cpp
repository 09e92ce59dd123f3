// The base skin: its table, its embedded pictures and TSkinResources.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/SkinResources.h"
#include "skin/SkinTypes.h"
#include "tests/support/TestSupport.h"
#include "toolkit/formats/BitmapFile.h"
#include "toolkit/resources/BitmapResources.h"
#include "trace/TraceCapture.h"

namespace nuvex {
namespace {

const TButtonProperty& Row(int index) { return SkinResourcesTable()[static_cast<size_t>(index)]; }

TEST(SkinResourcesTable, RowsAsTheBaseSkinDefinesThem) {
  ASSERT_EQ(SkinResourcesTable().size(), 25u);
  int pictures = 0;
  for (const TButtonProperty& row : SkinResourcesTable()) {
    EXPECT_EQ(row.LeftMargin | row.TopMargin | row.RightMargin | row.BottomMargin, 0) << row.Name;
    EXPECT_EQ(row.InteriorArea, iaStretched) << row.Name;
    EXPECT_EQ(row.Bitmap, nullptr) << row.Name;
    EXPECT_TRUE(row.Name == "PlayerControl" || row.Name.rfind("PlayerControl.", 0) == 0) << row.Name;
    if (row.ControlType == SkinLabel) {
      EXPECT_EQ(row.FontColor, 0x00FFFFFF) << row.Name;
      EXPECT_TRUE(row.AutoSize) << row.Name;
      EXPECT_EQ(row.ButtonCount, 0) << row.Name;
      EXPECT_EQ(row.Height, 0) << row.Name;
      EXPECT_EQ(row.FontStyleBold, row.Name == "PlayerControl.slTime") << row.Name;
    } else {
      ++pictures;
      EXPECT_EQ(row.FontSize, 0) << row.Name;
      EXPECT_EQ(row.FontColor, 0) << row.Name;
      EXPECT_FALSE(row.AutoSize || row.FontStyleBold || row.WordWrap) << row.Name;
      EXPECT_TRUE(row.FontName == "PlayerControl" || row.FontName.rfind("PlayerControl.", 0) == 0) << row.Name;
    }
    EXPECT_FALSE(row.FontStyleItalic || row.FontStyleUnderline) << row.Name;
    EXPECT_EQ(row.Alignment | row.Layout, 0) << row.Name;
  }
  EXPECT_EQ(pictures, 21);

  // A few rows field by field.
  EXPECT_EQ(Row(0).Name, "PlayerControl.rbPlay");
  EXPECT_EQ(Row(0).ControlType, RegionedButton);
  EXPECT_EQ(Row(0).XCoord, 44);
  EXPECT_EQ(Row(0).YCoord, 93);
  EXPECT_EQ(Row(0).Width, 26);
  EXPECT_EQ(Row(0).Height, 19);
  EXPECT_EQ(Row(0).SplitMode, spVertical);
  EXPECT_EQ(Row(5).Name, "PlayerControl.rbFixAviFile");
  EXPECT_FALSE(Row(5).Transparent);
  EXPECT_EQ(Row(8).Name, "PlayerControl.rbZoomFull");
  EXPECT_FALSE(Row(8).Visible);
  EXPECT_EQ(Row(11).Name, "PlayerControl.rbZoomOneToOne");
  EXPECT_FALSE(Row(11).Visible);
  EXPECT_EQ(Row(15).ControlType, RegionedSliderBackground);
  EXPECT_EQ(Row(15).ButtonCount, 3);
  EXPECT_EQ(Row(17).Name, "PlayerControl.slSoundVolume");
  EXPECT_EQ(Row(17).ControlType, RegionedFlatSlider);
  EXPECT_EQ(Row(17).FontName, "PlayerControl.SoundVolume");
  EXPECT_EQ(Row(17).ButtonCount, 10);
  EXPECT_EQ(Row(19).ControlType, RegionedStatus);
  EXPECT_EQ(Row(22).Name, "PlayerControl.slTime");
  EXPECT_EQ(Row(22).FontName, "Arial");
  EXPECT_EQ(Row(22).FontSize, 13);
  EXPECT_EQ(Row(22).Width, 0);
  EXPECT_EQ(Row(21).FontName, "Comic Sans MS");
  EXPECT_EQ(Row(21).FontSize, 7);
  EXPECT_EQ(Row(24).Name, "PlayerControl");
  EXPECT_EQ(Row(24).ControlType, RegionedForm);
  EXPECT_EQ(Row(24).SplitMode, spHorizontal);
}

// Every picture is an 8-bit bitmap with a colour table whose size fits its
// row: ButtonCount state images side by side or one below the other, except
// the two hidden zoom rows, whose numbers do not match.
TEST(SkinResourcesTable, PicturesFitTheirRows) {
  TSkinResources skin;  // makes the pictures loadable
  for (const TButtonProperty& row : SkinResourcesTable()) {
    if (row.ControlType == SkinLabel) continue;
    const TBitmap picture = LoadBitmapResource(row.FontName);
    EXPECT_EQ(picture.PixelFormat(), pf8bit) << row.FontName;
    EXPECT_FALSE(picture.Palette().empty()) << row.FontName;
    int width = row.Width, height = row.Height;
    if (row.SplitMode == spVertical) width *= row.ButtonCount;
    if (row.SplitMode == spHorizontal) height *= row.ButtonCount;
    const bool fits = picture.Width() == width && picture.Height() == height;
    EXPECT_EQ(fits, row.Visible) << row.FontName << " " << picture.Width() << "x" << picture.Height();
  }
  EXPECT_EQ(LoadBitmapResource("PlayerControl.ZoomFull").Width(), 132);
  EXPECT_EQ(LoadBitmapResource("PlayerControl.ZoomFull").Height(), 16);
  EXPECT_EQ(LoadBitmapResource("PlayerControl.ZoomOneToOne").Width(), 132);
}

// The pictures in the program are the committed files, pixel for pixel, and
// the buttons' shapes have holes of the key colour.
TEST(SkinResourcesTable, EmbeddedPicturesAreTheCommittedFiles) {
  TSkinResources skin;
  for (const TButtonProperty& row : SkinResourcesTable()) {
    if (row.ControlType == SkinLabel) continue;
    const TBitmap embedded = LoadBitmapResource(row.FontName);
    const TBitmap file = ReadBitmapFile(test::SourcePath("resources/skin/" + row.FontName + ".bmp"));
    ASSERT_EQ(embedded.Width(), file.Width()) << row.FontName;
    ASSERT_EQ(embedded.Height(), file.Height()) << row.FontName;
    for (int y = 0; y < file.Height(); ++y)
      for (int x = 0; x < file.Width(); ++x)
        ASSERT_EQ(embedded.ScanLine(y)[x], file.ScanLine(y)[x]) << row.FontName << " at " << x << "," << y;
  }
  const TBitmap play = LoadBitmapResource("playercontrol.play");
  for (int state = 0; state < 4; ++state) {
    EXPECT_EQ(PixelToColor(play.ScanLine(0)[state * 26]), KeyColour) << state;      // a rounded corner
    EXPECT_NE(PixelToColor(play.ScanLine(9)[state * 26 + 13]), KeyColour) << state;  // the glyph's middle
  }
  EXPECT_EQ(PixelToColor(LoadBitmapResource("PLAYERCONTROL").ScanLine(178)[0]), KeyColour);
}

TEST(SkinResources, DescriptionOfAFreshBaseSkin) {
  const TSkinResources skin;
  EXPECT_FALSE(skin.Invalid());
  EXPECT_FALSE(skin.Info().Name.empty());
  EXPECT_EQ(skin.Info().Name, SkinResourcesInfo().Name);
  EXPECT_FALSE(skin.Info().AuthorName.empty());
  EXPECT_FALSE(skin.Info().AuthorEmail.empty());
  EXPECT_FALSE(skin.Info().AuthorNotes.empty());
  EXPECT_FALSE(skin.Info().AuthorWWW.empty());
  EXPECT_EQ(skin.Info().Generator, "");
  EXPECT_EQ(skin.Info().SkinEditor, "");
  EXPECT_EQ(skin.Info().Version, 200);
}

TEST(SkinResources, NamesMatchWithoutLetterCaseAndAreKeptAsGiven) {
  TSkinResources skin;
  TraceCapture trace;
  const TLoadedButton rbplay = skin.LoadButton("playercontrol.rbplay");
  ASSERT_TRUE(rbplay);
  const TButtonProperty& p = rbplay.Property;
  EXPECT_EQ(p.Name, "playercontrol.rbplay");
  EXPECT_EQ(p.ControlType, RegionedButton);
  EXPECT_EQ(p.ButtonCount, 4);
  EXPECT_EQ(p.XCoord, 44);
  EXPECT_EQ(p.FontName, "PlayerControl.Play");
  EXPECT_EQ(p.Bitmap->Width(), 104);
  EXPECT_EQ(p.Bitmap->Height(), 19);
  EXPECT_TRUE(trace.Lines().empty());
}

TEST(SkinResources, UnknownAndEmptyNames) {
  TSkinResources skin;
  ASSERT_TRUE(skin.LoadButton("PlayerControl.rbStop"));
  TraceCapture trace;
  const TLoadedButton rbRunInstall = skin.LoadButton("RunInstallForm.rbRunInstall");
  EXPECT_FALSE(rbRunInstall);
  ASSERT_EQ(trace.Lines().size(), 1u);
  EXPECT_EQ(trace.Lines()[0].Text(),
            "[TSkinResources.LoadButton] Warning: Skin Definition not found for button named "
            "\"RunInstallForm.rbRunInstall\"");
  // Nothing of the previous call is left in it.
  EXPECT_EQ(rbRunInstall.Property.Name, "");
  EXPECT_EQ(rbRunInstall.Property.Bitmap, nullptr);

  EXPECT_FALSE(skin.LoadButton(""));
  EXPECT_EQ(trace.Lines().size(), 1u);  // nothing written
  EXPECT_FALSE(skin.LoadButton("PlayerControl.rbPlay "));  // no trimming
  EXPECT_EQ(trace.Lines().size(), 2u);
}

TEST(SkinResources, HiddenRowsLabelsAndTheForm) {
  TSkinResources skin;
  const TLoadedButton rbZoomFull = skin.LoadButton("PlayerControl.rbZoomFull");
  ASSERT_TRUE(rbZoomFull);  // row 8 completes although hidden
  EXPECT_FALSE(rbZoomFull.Property.Visible);
  EXPECT_EQ(rbZoomFull.Property.Width, 38);
  EXPECT_EQ(rbZoomFull.Property.Height, 24);
  EXPECT_EQ(rbZoomFull.Property.Bitmap->Width(), 132);  // taken over as it stands

  const TLoadedButton slTime = skin.LoadButton("PlayerControl.slTime");
  ASSERT_TRUE(slTime);  // row 22: no picture needed
  EXPECT_TRUE(slTime.Property.Bitmap->Empty());
  EXPECT_EQ(slTime.Property.FontName, "Arial");
  EXPECT_EQ(slTime.Property.FontSize, 13);
  EXPECT_TRUE(slTime.Property.FontStyleBold);
  EXPECT_EQ(slTime.Property.Width, 0);

  const TLoadedButton playerControl = skin.LoadButton("PlayerControl");
  ASSERT_TRUE(playerControl);  // row 24
  EXPECT_EQ(playerControl.Property.Bitmap->Width(), 240);
  EXPECT_EQ(playerControl.Property.Bitmap->Height(), 179);
  EXPECT_EQ(playerControl.Property.ControlType, RegionedForm);
  // Each load copies the whole row: nothing of the previous one is left.
  EXPECT_EQ(playerControl.Property.FontSize, 0);
  EXPECT_FALSE(playerControl.Property.FontStyleBold);
}

TEST(SkinResources, EveryRowCompletes) {
  TSkinResources skin;
  TraceCapture trace;
  for (const TButtonProperty& row : SkinResourcesTable()) EXPECT_TRUE(skin.LoadButton(row.Name)) << row.Name;
  EXPECT_TRUE(trace.Lines().empty());
}

#ifndef _WIN32
// Natively the pictures are embedded bitmaps, so a broken one can be put in
// place of a real one (on Windows the program's resources come first).
TEST(SkinResources, ABrokenPictureIsTracedAndGivesFalse) {
  TSkinResources skin;
  static const std::vector<uint8_t> original = test::ReadAll(test::SourcePath("resources/skin/PlayerControl.Stop.bmp"));
  static const uint8_t broken[] = {'B', 'M', 1, 2, 3};
  RegisterBitmapResource("PlayerControl.Stop", broken);
  TraceCapture trace;
  EXPECT_FALSE(skin.LoadButton("PlayerControl.rbStop"));
  RegisterBitmapResource("PlayerControl.Stop", original);
  ASSERT_EQ(trace.Lines().size(), 1u);
  EXPECT_EQ(trace.Lines()[0].Text().rfind("[TSkinResources.LoadButton] Exception raised: Bitmap image is not valid", 0),
            0u)
      << trace.Lines()[0].Text();
  UnregisterBitmapResource("PlayerControl.Stop");
  EXPECT_FALSE(skin.LoadButton("PlayerControl.rbStop"));
  ASSERT_EQ(trace.Lines().size(), 2u);
  EXPECT_EQ(trace.Lines()[1].Text(),
            "[TSkinResources.LoadButton] Exception raised: Resource PlayerControl.Stop not found");
  RegisterBitmapResource("PlayerControl.Stop", original);
  EXPECT_TRUE(skin.LoadButton("PlayerControl.rbStop"));
}
#endif

}  // namespace
}  // namespace nuvex
