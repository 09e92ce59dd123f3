// The skin file reader: the version and name rule, the value converters, the
// completeness rules and the pictures' paths.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "skin/SkinIniFile.h"
#include "skin/SkinStrings.h"
#include "tests/support/PinnedTexts.h"
#include "tests/support/TestSupport.h"
#include "toolkit/formats/BitmapFile.h"
#include "trace/TraceCapture.h"

namespace nuvex {
namespace {

const char* const kSkinInfo = "[SkinInfo]\nName=Test\nNuvexFilmPlayerVersion=200\n";

// A program folder with a skins folder, for skin files written on the fly.
class SkinFile : public ::testing::Test {
 protected:
  SkinFile() { ForceDirectories(tmp_ / "Skins/Blue"); }

  std::string Write(const std::string& text, const std::string& folder = "Blue") {
    ForceDirectories(tmp_ / ("Skins/" + folder));
    const std::string path = tmp_ / ("Skins/" + folder + "/Skin.nvs");
    test::WriteAll(path, text);
    return path;
  }
  // A skin file holding one control section after a valid SkinInfo.
  std::string Control(const std::string& body) { return Write(std::string(kSkinInfo) + "[C]\n" + body); }

  void WritePicture(const std::string& relative, int width, int height, TPixelFormat format = pf8bit) {
    ForceDirectories(tmp_ / ("Skins/" + relative.substr(0, relative.find('/'))));
    TBitmap bitmap(width, height, format);
    bitmap.Canvas().Brush.Color = 0x00336699;
    bitmap.Canvas().FillRect(bitmap.ClientRect());
    WriteBitmapFile(tmp_ / ("Skins/" + relative), bitmap);
  }

  test::TempFolder tmp_;
};

// The program's string table (on Windows its string resources) holds the
// names the skin files are written with.
TEST(SkinStrings, TheFileSectionKeyAndBaseSkinNamesAreThePinnedOnes) {
  EXPECT_EQ(SkinString(IDS_SKIN_FILE_NAME), test::kSkinFileName);
  EXPECT_EQ(SkinString(IDS_SKIN_INFO_SECTION), test::kSkinInfoSection);
  const int infoIds[] = {IDS_SKIN_KEY_NAME,         IDS_SKIN_KEY_AUTHOR_NAME, IDS_SKIN_KEY_AUTHOR_EMAIL,
                         IDS_SKIN_KEY_AUTHOR_NOTES, IDS_SKIN_KEY_GENERATOR,   IDS_SKIN_KEY_AUTHOR_WWW,
                         IDS_SKIN_KEY_SKIN_EDITOR,  IDS_SKIN_KEY_VERSION};
  for (size_t i = 0; i < std::size(infoIds); ++i) EXPECT_EQ(SkinString(infoIds[i]), test::kSkinInfoKeys[i]);
  // The control keys' ids follow their reading order.
  for (int i = 0; i < static_cast<int>(std::size(test::kSkinControlKeys)); ++i)
    EXPECT_EQ(SkinString(IDS_SKIN_KEY_CONTROL_TYPE + i), test::kSkinControlKeys[i]) << i;
  EXPECT_EQ(SkinString(IDS_BASE_SKIN_DESCRIPTION), test::kBaseSkinDescription);
  EXPECT_EQ(SkinString(IDS_BASE_SKIN_SELECTOR), test::kBaseSkinSelector);
}

TEST_F(SkinFile, ValidOnlyWithANameAndVersion200) {
  struct Case {
    const char* info;
    bool valid;
    uint16_t version;
  } cases[] = {
      {"NuvexFilmPlayerVersion=200", false, 200},  // no Name
      {"Name=\nNuvexFilmPlayerVersion=200", false, 200},
      {"Name=A\nNuvexFilmPlayerVersion=0xC8", true, 200},
      {"Name=A\nNuvexFilmPlayerVersion=$c8", true, 200},
      {"Name=A\nNuvexFilmPlayerVersion=65736", true, 200},  // low 16 bits
      {"Name=A\nNuvexFilmPlayerVersion=-65336", true, 200},
      {"Name=A\nNuvexFilmPlayerVersion=201", false, 201},
      {"Name=A\nNuvexFilmPlayerVersion=65535", false, 65535},
      {"Name=A\nNuvexFilmPlayerVersion=2OO", false, 0},  // letters O: unreadable, default 0
      {"Name=A\nNuvexFilmPlayerVersion=99999999999", false, 0},
      {"Name=A", false, 0},
  };
  for (const Case& c : cases) {
    const TSkinIniFile skin(Write(std::string("[SkinInfo]\n") + c.info + "\n"), tmp_.Path());
    EXPECT_EQ(skin.Invalid(), !c.valid) << c.info;
    EXPECT_EQ(skin.Info().Version, c.version) << c.info;
  }
}

TEST_F(SkinFile, SkinInfoTextsAndAMissingFile) {
  const std::string path = Write(
      "[skininfo]\nname = Blue Sky \nAuthorName=Ann\nAuthorEmail=ann@example.org\nAuthorWWW=www.example.org\n"
      "SkinEditor=Ed\nAuthorNotes=Notes\nGenerator=Gen\nNUVEXFILMPLAYERVERSION=200\n");
  const TSkinIniFile skin(path, tmp_.Path());
  EXPECT_FALSE(skin.Invalid());
  EXPECT_EQ(skin.FileName(), path);
  EXPECT_EQ(skin.Info().Name, "Blue Sky");
  EXPECT_EQ(skin.Info().AuthorName, "Ann");
  EXPECT_EQ(skin.Info().AuthorEmail, "ann@example.org");
  EXPECT_EQ(skin.Info().AuthorWWW, "www.example.org");
  EXPECT_EQ(skin.Info().SkinEditor, "Ed");
  EXPECT_EQ(skin.Info().AuthorNotes, "Notes");
  EXPECT_EQ(skin.Info().Generator, "Gen");

  const TSkinIniFile missing(tmp_ / "Skins/None/Skin.nvs", tmp_.Path());
  EXPECT_TRUE(missing.Invalid());
  EXPECT_EQ(missing.Info().Name, "");
  EXPECT_EQ(missing.Info().Version, 0);
}

TEST_F(SkinFile, ColourRule) {
  struct Case {
    const char* text;
    TColor colour;
  } cases[] = {
      {"255 128 0", 33023},      {"255 128", -1},         {"256 0 0", 0},           {"-1 0 0", 255},
      {"255  0 0", -1},          {"255 0  0", -1},        {"\"  10 20 30  \"", 1971210},
      {"0xFF 0 0", 255},         {"$FF $FF $FF", 0xFFFFFF}, {"1 2 3 4", -1},        {"a b c", -1},
      {"255\t0\t0", -1},         {"255,128,0", -1},       {"", -1},                 {"0 0 0", 0},
      {"1 2 3x", -1},            {"4294967296 0 0", -1},  {"-2147483648 511 -256", 0x0000FF00},
  };
  for (const Case& c : cases) {
    const TSkinIniFile skin(Control(std::string("FontColor=") + c.text + "\n"), tmp_.Path());
    EXPECT_EQ(skin.ReadColor("C", "FontColor"), c.colour) << c.text;
  }
  const TSkinIniFile skin(Control(""), tmp_.Path());
  EXPECT_EQ(skin.ReadColor("C", "FontColor"), -1);  // missing key
}

TEST_F(SkinFile, ControlTypeByNameAndNumbersOutOfRange) {
  const TSkinIniFile skin(Write(std::string(kSkinInfo) +
                                    "[A]\nControlType=regionedbutton\nSplitMode=7\nInteriorArea=5\nAlignment=3\n"
                                    "Layout=2\n"
                                    "[B]\nControlType=Button\nSplitMode=-1\nInteriorArea=6\nAlignment=2\nLayout=-1\n"
                                    "[C]\nControlType=SKINLABEL\nSplitMode=2\nAlignment=x\n"
                                    "[D]\nControlType=1\n"),
                          tmp_.Path());
  EXPECT_EQ(skin.ReadControlType("A", "ControlType"), RegionedButton);
  EXPECT_EQ(skin.ReadControlType("B", "ControlType"), Unknown);
  EXPECT_EQ(skin.ReadControlType("C", "ControlType"), SkinLabel);
  EXPECT_EQ(skin.ReadControlType("D", "ControlType"), Unknown);  // by name only, not by number
  EXPECT_EQ(skin.ReadControlType("E", "ControlType"), Unknown);
  EXPECT_EQ(skin.ReadAlignment("A", "Alignment"), 0);
  EXPECT_EQ(skin.ReadAlignment("B", "Alignment"), 2);
  EXPECT_EQ(skin.ReadAlignment("C", "Alignment"), 0);
  EXPECT_EQ(skin.ReadAlignment("D", "Alignment"), 0);
  EXPECT_EQ(skin.ReadLayout("A", "Layout"), 2);
  EXPECT_EQ(skin.ReadLayout("B", "Layout"), 0);

  TSkinIniFile reader(skin.FileName(), tmp_.Path());
  const TLoadedButton a = reader.LoadButton("A");
  EXPECT_FALSE(a);
  EXPECT_EQ(a.Property.SplitMode, spNone);
  EXPECT_EQ(a.Property.InteriorArea, iaTransparent);
  EXPECT_EQ(a.Property.Layout, 2);
  const TLoadedButton b = reader.LoadButton("B");
  EXPECT_FALSE(b);
  EXPECT_EQ(b.Property.ControlType, Unknown);
  EXPECT_EQ(b.Property.SplitMode, spNone);
  EXPECT_EQ(b.Property.InteriorArea, iaStretched);
  EXPECT_EQ(b.Property.Alignment, 2);
  const TLoadedButton c = reader.LoadButton("C");
  EXPECT_FALSE(c);  // a label without a colour
  EXPECT_EQ(c.Property.SplitMode, spVertical);
}

TEST_F(SkinFile, AButtonDefinitionWithItsPicture) {
  WritePicture("Blue/play.bmp", 104, 19, pf4bit);
  TSkinIniFile skin(Control("ControlType=RegionedButton\nButtonCount=4\nXCoord=44\nYCoord=93\nWidth=26\n"
                            "Height=19\nSplitMode=2\nLeftMargin=1\nTopMargin=2\nRightMargin=3\nBottomMargin=4\n"
                            "InteriorArea=2\nTransparent=0\nFontName=Arial\nFontSize=9\nFontColor=1 2 3\n"
                            "FontStyleBold=1\nFontStyleItalic=1\nFontStyleUnderline=1\nAutoSize=1\n"
                            "Alignment=1\nLayout=1\nWordWrap=1\nButtonImage=Blue\\play.bmp\n"),
                    tmp_.Path());
  TraceCapture trace;
  const TLoadedButton c = skin.LoadButton("C");
  EXPECT_TRUE(c);
  EXPECT_TRUE(trace.Lines().empty());
  const TButtonProperty& p = c.Property;
  EXPECT_EQ(p.Name, "C");
  EXPECT_EQ(p.ControlType, RegionedButton);
  EXPECT_EQ(p.ButtonCount, 4);
  EXPECT_EQ(p.XCoord, 44);
  EXPECT_EQ(p.YCoord, 93);
  EXPECT_EQ(p.Width, 26);
  EXPECT_EQ(p.Height, 19);
  EXPECT_EQ(p.SplitMode, spVertical);
  EXPECT_EQ(p.LeftMargin, 1);
  EXPECT_EQ(p.TopMargin, 2);
  EXPECT_EQ(p.RightMargin, 3);
  EXPECT_EQ(p.BottomMargin, 4);
  EXPECT_EQ(p.InteriorArea, iaTiled);
  EXPECT_TRUE(p.Visible);
  EXPECT_FALSE(p.Transparent);
  EXPECT_EQ(p.FontName, "Arial");
  EXPECT_EQ(p.FontSize, 9);
  EXPECT_EQ(p.FontColor, 0x030201);
  EXPECT_TRUE(p.FontStyleBold && p.FontStyleItalic && p.FontStyleUnderline && p.AutoSize && p.WordWrap);
  EXPECT_EQ(p.Alignment, 1);
  EXPECT_EQ(p.Layout, 1);
  // The picture keeps its file's size and format.
  ASSERT_NE(p.Bitmap, nullptr);
  EXPECT_EQ(p.Bitmap->Width(), 104);
  EXPECT_EQ(p.Bitmap->Height(), 19);
  EXPECT_EQ(p.Bitmap->PixelFormat(), pf4bit);
  EXPECT_EQ(p.Bitmap->ScanLine(5)[7], ColorToPixel(0x00336699));
}

TEST_F(SkinFile, PicturesAreFoundRelativeToTheSkinsFolder) {
  WritePicture("Blue/play.bmp", 104, 19);
  WritePicture("Red/play.bmp", 10, 10);
  // A skin in Red that names Blue's picture gets Blue's picture.
  TSkinIniFile skin(Write(std::string(kSkinInfo) +
                              "[C]\nControlType=RegionedButton\nButtonCount=4\nWidth=26\nHeight=19\n"
                              "ButtonImage=Blue\\play.bmp\n"
                              "[D]\nControlType=RegionedButton\nButtonCount=4\nWidth=26\nHeight=19\n"
                              "ButtonImage=play.bmp\n",
                          "Red"),
                    tmp_.Path());
  const TLoadedButton c = skin.LoadButton("C");
  EXPECT_TRUE(c);
  EXPECT_EQ(c.Property.Bitmap->Width(), 104);
  TraceCapture trace;
  EXPECT_FALSE(skin.LoadButton("D"));  // not in the skin's own folder
  ASSERT_EQ(trace.Lines().size(), 1u);

  // A program folder without a trailing separator gets one.
  std::string bare = tmp_.Path();
  bare.pop_back();
  TSkinIniFile unseparated(skin.FileName(), bare);
  const TLoadedButton c2 = unseparated.LoadButton("C");
  EXPECT_TRUE(c2);
  EXPECT_EQ(c2.Property.Bitmap->Width(), 104);
}

TEST_F(SkinFile, VisibleRule) {
  WritePicture("Blue/p.bmp", 40, 10);
  const std::string picture = "ButtonCount=1\nWidth=40\nHeight=10\nButtonImage=Blue\\p.bmp\n";
  TSkinIniFile skin(Write(std::string(kSkinInfo) +                                             //
                              "[Hidden]\nControlType=RegionedButton\nVisible=0\n" + picture +  //
                              "[Form]\nControlType=RegionedForm\nVisible=0\n" + picture +      //
                              "[Yes]\nControlType=RegionedButton\nVisible=yes\n" + picture +   //
                              "[Seven]\nControlType=RegionedStatus\nVisible=7\n" + picture +   //
                              "[Label]\nControlType=SkinLabel\nVisible=0\nFontColor=1 1 1\n"),
                    tmp_.Path());
  const TLoadedButton hidden = skin.LoadButton("Hidden");
  EXPECT_FALSE(hidden);  // a hidden picture definition never completes
  EXPECT_FALSE(hidden.Property.Visible);
  EXPECT_TRUE(hidden.Property.Bitmap->Empty());  // its picture is not even loaded
  const TLoadedButton form = skin.LoadButton("Form");
  EXPECT_TRUE(form);  // a form's Visible is forced
  EXPECT_TRUE(form.Property.Visible);
  EXPECT_EQ(form.Property.Bitmap->Width(), 40);
  const TLoadedButton yes = skin.LoadButton("Yes");
  EXPECT_TRUE(yes);  // a word is unreadable: default true
  EXPECT_TRUE(yes.Property.Visible);
  EXPECT_TRUE(skin.LoadButton("Seven"));
  const TLoadedButton label = skin.LoadButton("Label");
  EXPECT_TRUE(label);  // a hidden label still completes
  EXPECT_FALSE(label.Property.Visible);
  EXPECT_TRUE(label.Property.Bitmap->Empty());  // nothing of an earlier picture
}

TEST_F(SkinFile, CompletenessRules) {
  WritePicture("Blue/p.bmp", 30, 10);
  TSkinIniFile skin(
      Write(std::string(kSkinInfo) +
            "[NoCount]\nControlType=RegionedButton\nWidth=26\nHeight=19\nButtonImage=Blue\\p.bmp\n"
            "[NoHeight]\nControlType=RegionedButton\nButtonCount=4\nWidth=26\nButtonImage=Blue\\p.bmp\n"
            "[NoWidth]\nControlType=RegionedSliderButton\nButtonCount=4\nHeight=19\nButtonImage=Blue\\p.bmp\n"
            "[NoPicture]\nControlType=RegionedButton\nButtonCount=4\nWidth=26\nHeight=19\n"
            "[Oversized]\nControlType=RegionedFlatSlider\nButtonCount=40\nWidth=260\nHeight=190\n"
            "ButtonImage=Blue\\p.bmp\n"
            "[Negative]\nControlType=RegionedSliderBackground\nButtonCount=-1\nWidth=-5\nHeight=-5\n"
            "ButtonImage=Blue\\p.bmp\n"
            "[Unknown]\nButtonCount=4\nWidth=26\nHeight=19\nButtonImage=Blue\\p.bmp\nFontColor=1 2 3\n"
            "[Label]\nControlType=SkinLabel\nFontColor=255 255 255\n"
            "[BadLabel]\nControlType=SkinLabel\nFontColor=255 255\nButtonImage=Blue\\p.bmp\n"),
      tmp_.Path());
  TraceCapture trace;
  EXPECT_FALSE(skin.LoadButton("NoCount"));
  EXPECT_FALSE(skin.LoadButton("NoHeight"));
  EXPECT_FALSE(skin.LoadButton("NoWidth"));
  const TLoadedButton noPicture = skin.LoadButton("NoPicture");
  EXPECT_FALSE(noPicture);  // an empty ButtonImage leaves the picture empty
  EXPECT_TRUE(noPicture.Property.Bitmap->Empty());
  EXPECT_TRUE(skin.LoadButton("Oversized"));  // numbers are not checked against the picture
  EXPECT_TRUE(skin.LoadButton("Negative"));   // only zero counts as missing
  const TLoadedButton unknown = skin.LoadButton("Unknown");
  EXPECT_FALSE(unknown);
  EXPECT_EQ(unknown.Property.Bitmap->Width(), 30);  // read, yet Unknown never completes
  const TLoadedButton label = skin.LoadButton("Label");
  EXPECT_TRUE(label);
  EXPECT_EQ(label.Property.FontColor, 0xFFFFFF);
  EXPECT_FALSE(skin.LoadButton("BadLabel"));  // a picture does not help a label
  EXPECT_TRUE(trace.Lines().empty());         // incomplete definitions are no errors
}

TEST_F(SkinFile, AbsentSectionReadsAsDefaults) {
  TSkinIniFile skin(Control(""), tmp_.Path());
  TraceCapture trace;
  const TLoadedButton rbPlay = skin.LoadButton("PlayerControl.rbPlay");
  EXPECT_FALSE(rbPlay);
  EXPECT_TRUE(trace.Lines().empty());
  const TButtonProperty& p = rbPlay.Property;
  EXPECT_EQ(p.Name, "PlayerControl.rbPlay");
  EXPECT_EQ(p.ControlType, Unknown);
  EXPECT_EQ(p.ButtonCount, 0);
  EXPECT_TRUE(p.Visible);
  EXPECT_TRUE(p.Transparent);
  EXPECT_EQ(p.FontName, "");
  EXPECT_EQ(p.FontSize, -1);
  EXPECT_EQ(p.FontColor, -1);
  EXPECT_FALSE(p.FontStyleBold || p.AutoSize || p.WordWrap);

  // An empty control name reads nothing at all.
  const TLoadedButton empty = skin.LoadButton("");
  EXPECT_FALSE(empty);
  EXPECT_EQ(empty.Property.Name, "");
  EXPECT_FALSE(empty.Property.Visible);  // not even the defaults
}

TEST_F(SkinFile, PictureErrorsAreTracedAndTheReaderCarriesOn) {
  WritePicture("Blue/good.bmp", 20, 10);
  test::WriteAll(tmp_ / "Skins/Blue/text.bmp", "this is no bitmap");
  TSkinIniFile skin(Write(std::string(kSkinInfo) +
                          "[Missing]\nControlType=RegionedButton\nButtonCount=2\nWidth=10\nHeight=10\n"
                          "ButtonImage=Blue\\nothere.bmp\nXCoord=5\n"
                          "[Broken]\nControlType=RegionedButton\nButtonCount=2\nWidth=10\nHeight=10\n"
                          "ButtonImage=Blue\\text.bmp\n"
                          "[Good]\nControlType=RegionedButton\nButtonCount=2\nWidth=10\nHeight=10\n"
                          "ButtonImage=Blue\\good.bmp\n"),
                    tmp_.Path());
  TraceCapture trace;
  const TLoadedButton missing = skin.LoadButton("Missing");
  EXPECT_FALSE(missing);
  ASSERT_EQ(trace.Lines().size(), 1u);
  EXPECT_EQ(trace.Lines()[0].Text(),
            "[TSkinIniFile.LoadButton] Exception raised: Cannot open file " + tmp_.Path() + "Skins\\Blue\\nothere.bmp");
  // What was read before the error stays.
  EXPECT_EQ(missing.Property.Name, "Missing");
  EXPECT_EQ(missing.Property.XCoord, 5);
  EXPECT_EQ(missing.Property.ButtonCount, 2);

  EXPECT_FALSE(skin.LoadButton("Broken"));
  ASSERT_EQ(trace.Lines().size(), 2u);
  EXPECT_EQ(trace.Lines()[1].Text().rfind("[TSkinIniFile.LoadButton] Exception raised: Bitmap image is not valid", 0),
            0u)
      << trace.Lines()[1].Text();
  const TLoadedButton good = skin.LoadButton("Good");
  EXPECT_TRUE(good);
  EXPECT_EQ(good.Property.Bitmap->Width(), 20);
}

}  // namespace
}  // namespace nuvex
