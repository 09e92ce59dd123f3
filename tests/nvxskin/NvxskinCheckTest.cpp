// nvxskin check: the report on the sample skins, and keys judged as the
// engine reads them.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "skin/SkinIniFile.h"
#include "tests/support/TestSupport.h"
#include "tools/nvxskin/SkinCheck.h"

namespace nvxskin {
namespace {

using nuvex::test::SourcePath;

std::string Sample(const std::string& skin) { return SourcePath("tests/data/skins/Skins/" + skin); }

const ControlReport& Control(const CheckReport& report, const std::string& name) {
  for (const ControlReport& control : report.controls)
    if (control.name == name) return control;
  throw std::runtime_error("no control " + name);
}

// Every problem and warning of the report, each as one line.
std::vector<std::string> Lines(const CheckReport& report) {
  std::vector<std::string> lines = report.problems;
  lines.insert(lines.end(), report.warnings.begin(), report.warnings.end());
  lines.insert(lines.end(), report.unreadSections.begin(), report.unreadSections.end());
  for (const ControlReport& control : report.controls) {
    lines.insert(lines.end(), control.problems.begin(), control.problems.end());
    lines.insert(lines.end(), control.warnings.begin(), control.warnings.end());
  }
  return lines;
}

bool Has(const std::vector<std::string>& lines, const std::string& text) {
  return std::find(lines.begin(), lines.end(), text) != lines.end();
}

TEST(NvxskinCheck, FernIsComplete) {
  const CheckReport report = CheckSkinFolder(Sample("Fern"));
  EXPECT_TRUE(report.Complete());
  EXPECT_TRUE(report.listed);
  EXPECT_EQ(report.name, "Fern");
  EXPECT_EQ(report.controls.size(), 25u);
  EXPECT_EQ(report.Count(ControlStatus::Complete), 23);
  EXPECT_EQ(report.Count(ControlStatus::Hidden), 2);  // the two zoom buttons, as in the base skin
  EXPECT_EQ(Control(report, "PlayerControl.rbZoomFull").status, ControlStatus::Hidden);
  EXPECT_EQ(report.WarningCount(), 0);
  std::ostringstream text;
  WriteReport(report, text);
  EXPECT_NE(text.str().find("summary: 23 complete, 2 hidden, 0 incomplete, 0 missing; 0 errors, 0 warnings: "
                            "the skin is complete\n"),
            std::string::npos)
      << text.str();
}

TEST(NvxskinCheck, TheBaseSkinIsComplete) {
  const CheckReport report = CheckBaseSkin();
  EXPECT_TRUE(report.Complete()) << (Lines(report).empty() ? "" : Lines(report).front());
  EXPECT_EQ(report.Count(ControlStatus::Hidden), 2);  // rows 8 and 11: their sizes are not checked
}

TEST(NvxskinCheck, MossDefinesSomeControls) {
  // The controls Moss leaves out are hidden by the manager: warnings, not errors.
  const CheckReport report = CheckSkinFolder(Sample("Moss"));
  EXPECT_TRUE(report.Complete());
  EXPECT_EQ(report.Count(ControlStatus::Complete), 6);
  EXPECT_EQ(Control(report, "PlayerControl.rbLoadSkin").status, ControlStatus::Hidden);
  EXPECT_TRUE(Control(report, "PlayerControl.rbLoadSkin").problems.empty());
  const ControlReport& exit = Control(report, "PlayerControl.rbExit");
  EXPECT_EQ(exit.status, ControlStatus::Missing);
  EXPECT_TRUE(exit.problems.empty());
  EXPECT_EQ(exit.warnings,
            std::vector<std::string>{"[PlayerControl.rbExit]: no such section; the player hides the control under this skin"});
  EXPECT_EQ(report.ProblemCount(), 0);
  EXPECT_EQ(report.Count(ControlStatus::Missing), 18);
  std::ostringstream text;
  WriteReport(report, text);
  EXPECT_NE(text.str().find("warnings: the skin is valid; the player hides the 18 controls it leaves out\n"),
            std::string::npos)
      << text.str();
}

TEST(NvxskinCheck, MisfitGoesWrongInEveryWay) {
  const CheckReport report = CheckSkinFolder(Sample("Misfit"));
  const std::vector<std::string> lines = Lines(report);
  for (const char* expected : {
           "[PlayerControl.rbPlay] ButtonImage: picture \"Moss\\play.bmp\" is 120 x 22; 4 state images of 26 x 19 "
           "side by side (SplitMode 2) need 104 x 19 (the engine would scale states of 30 x 22 to 26 x 19)",
           "[PlayerControl.rbPause] ButtonImage: picture \"Moss\\pause.bmp\" is 120 x 22; 4 state images of 30 x 22 "
           "one below the other (SplitMode 1) need 30 x 88 (the engine would scale states of 120 x 5 to 30 x 22)",
           "[PlayerControl.rbStop] ButtonCount: malformed \"four\": not an integer; the engine reads 0",
           "[PlayerControl.rbExit] SplitMode: malformed \"7\": outside 0..2; the engine reads 0",
           "[PlayerControl.rbExit] Visible: malformed \"yes\": not an integer (0 is false, any other integer true); "
           "the engine reads 1 (true)",
           "[PlayerControl.rbHide]: state 1 cannot be painted: [PaintBitmap] CheckError returned True "
           "(the margins leave no interior)",
           "[PlayerControl.rbLoadFilm] ButtonImage: missing; a picture definition needs a picture",
           "[PlayerControl.slSoundVolume] ControlType: RegionedButton; the control is a RegionedFlatSlider",
           "[PlayerControl.slTime] FontColor: missing; a label definition needs a colour",
           "[PlayerControl.slTime] FontColour: no such key; the engine never reads it",
           "[SkinInfo] Author: no such key; the engine never reads it",
           "[PlayerControl.rbPlai]: no control of the player reads this section",
           "[PlayerControl.rbPlay]: repeats an earlier section; only the first is read",
       })
    EXPECT_TRUE(Has(lines, expected)) << expected;
  const ControlReport& text = Control(report, "PlayerControl.rbLoadText");
  EXPECT_EQ(text.status, ControlStatus::Incomplete);
  ASSERT_EQ(text.problems.size(), 1u);
  EXPECT_TRUE(text.problems[0].starts_with(
      "[PlayerControl.rbLoadText] ButtonImage: picture \"Misfit\\broken.bmp\" cannot be read: Bitmap image is not valid"))
      << text.problems[0];
  // The engine completes the mis-sized ones; the checker still finds them wrong.
  EXPECT_EQ(Control(report, "PlayerControl.rbPlay").status, ControlStatus::Complete);
  EXPECT_EQ(Control(report, "PlayerControl.rbStop").status, ControlStatus::Incomplete);
}

TEST(NvxskinCheck, BrokenSamples) {
  const CheckReport missing = CheckSkinFolder(Sample("MissingPicture"));
  EXPECT_EQ(Control(missing, "PlayerControl.rbPlay").problems,
            std::vector<std::string>{"[PlayerControl.rbPlay] ButtonImage: picture \"MissingPicture\\play.bmp\" is missing "
                                     "(no file " + Sample("MissingPicture/play.bmp") + ")"});
  EXPECT_EQ(Control(missing, "PlayerControl.rbStop").status, ControlStatus::Complete);

  const std::vector<std::string> colour = Lines(CheckSkinFolder(Sample("BadColour")));
  for (const char* text : {"255,128,0", "255  128 0", "white"})
    EXPECT_TRUE(std::any_of(colour.begin(), colour.end(), [&](const std::string& line) {
      return line.find(std::string("FontColor: malformed \"") + text + "\": not a colour") != std::string::npos;
    })) << text;

  const CheckReport noName = CheckSkinFolder(Sample("NoName"));
  EXPECT_FALSE(noName.listed);
  EXPECT_EQ(noName.problems, std::vector<std::string>{"[SkinInfo] Name: missing; the player never lists a skin without a name"});
  const CheckReport old = CheckSkinFolder(Sample("OldVersion"));
  EXPECT_EQ(old.problems, std::vector<std::string>{"[SkinInfo] NuvexFilmPlayerVersion: \"201\" reads as 201; the player "
                                                   "lists only skins of version 200"});
  const CheckReport empty = CheckSkinFolder(Sample("Empty"));
  EXPECT_FALSE(empty.Complete());
  EXPECT_TRUE(empty.controls.empty());
}

TEST(NvxskinCheck, AFolderOutsideASkinsFolderCannotBeChecked) {
  nuvex::test::TempFolder tmp;
  nuvex::ForceDirectories(tmp / "Blue");
  EXPECT_THROW(CheckSkinFolder(tmp / "Blue"), UsageError);
  EXPECT_THROW(CheckSkinFolder(tmp / "Nothing"), UsageError);
}

// A key is malformed exactly when the engine cannot read its text: the
// checker's verdict next to the value LoadButton reads.
TEST(NvxskinCheck, KeysAreJudgedAsTheEngineReadsThem) {
  struct Case {
    const char* line;
    bool malformed;
  } cases[] = {
      {"ButtonCount=0x4", false}, {"ButtonCount=$4", false},   {"ButtonCount=+4", false},
      {"ButtonCount=4.0", true},  {"ButtonCount=", true},      {"ButtonCount", true},
      {"ButtonCount=\"4\"", false},  // the reader drops the quotes
      {"Visible=7", false},       {"Visible=yes", true},       {"SplitMode=2", false},
      {"SplitMode=-1", true},     {"InteriorArea=5", false},   {"InteriorArea=6", true},
      {"Alignment=2", false},     {"Alignment=3", true},       {"Layout=x", true},
      {"ControlType=regionedbutton", false}, {"ControlType=Button", true},
      {"FontColor=256 0 -1", false},  // each part keeps its low 8 bits
      {"FontColor=10 20", true},  {"FontName=anything at all", false},
  };
  for (const Case& c : cases) {
    nuvex::test::TempFolder tmp;
    nuvex::ForceDirectories(tmp / "Skins/Blue");
    nuvex::test::WriteAll(tmp / "Skins/Blue/Skin.nvs", std::string("[SkinInfo]\nName=Blue\nNuvexFilmPlayerVersion=200\n"
                                                                   "[PlayerControl.rbPlay]\n") + c.line + "\n");
    const CheckReport report = CheckSkinFolder(tmp / "Skins/Blue");
    const std::vector<std::string>& problems = Control(report, "PlayerControl.rbPlay").problems;
    const std::string key = std::string(c.line).substr(0, std::string(c.line).find('='));
    const bool found = std::any_of(problems.begin(), problems.end(), [&](const std::string& line) {
      return line.starts_with("[PlayerControl.rbPlay] " + key + ": ") &&
             (line.find(": malformed \"") != std::string::npos || line.find("without \"=\"") != std::string::npos);
    });
    EXPECT_EQ(found, c.malformed) << c.line;
  }
}

// A skin author's paint program may write run-length compressed or core-header
// bitmaps; the check reads them as the player does.
TEST(NvxskinCheck, TakesCompressedAndCoreHeaderPictures) {
  auto file = [](std::vector<uint8_t> dib) {
    const size_t table = dib[0] == 12 ? 0 : 8;  // two 4-byte entries after an info header
    const size_t offset = 14 + (dib[0] == 12 ? 12 : 40) + table;
    std::vector<uint8_t> out = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, uint8_t(offset), 0, 0, 0};
    out.insert(out.end(), dib.begin(), dib.end());
    return out;
  };
  auto info = [](uint8_t bits, uint8_t compression, std::vector<uint8_t> pixels) {
    std::vector<uint8_t> dib = {40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, bits, 0, compression, 0, 0, 0};
    dib.resize(40, 0);
    dib[32] = 2;                                        // two colours
    dib.insert(dib.end(), {0, 0, 255, 0, 255, 0, 0, 0});  // red, blue
    dib.insert(dib.end(), pixels.begin(), pixels.end());
    return dib;
  };
  const std::vector<std::vector<uint8_t>> pictures = {
      file(info(8, 1, {1, 0, 1, 1, 0, 1})),  // RLE8: index 0, index 1, end of bitmap
      file(info(4, 2, {2, 0x01, 0, 1})),     // RLE4: indices 0 and 1
      file({12, 0, 0, 0, 2, 0, 1, 0, 1, 0, 24, 0, 0, 0, 255, 255, 0, 0, 0, 0}),  // core header, 24 bits
  };
  for (const std::vector<uint8_t>& picture : pictures) {
    nuvex::test::TempFolder tmp;
    nuvex::ForceDirectories(tmp / "Skins/Blue");
    nuvex::test::WriteAll(tmp / "Skins/Blue/p.bmp", picture);
    nuvex::test::WriteAll(tmp / "Skins/Blue/Skin.nvs",
                          std::string("[SkinInfo]\nName=Blue\nNuvexFilmPlayerVersion=200\n[PlayerControl.rbPlay]\n"
                                      "ControlType=RegionedButton\nButtonCount=1\nWidth=2\nHeight=1\n"
                                      "ButtonImage=Blue\\p.bmp\n"));
    const CheckReport report = CheckSkinFolder(tmp / "Skins/Blue");
    const ControlReport& play = Control(report, "PlayerControl.rbPlay");
    EXPECT_EQ(play.status, ControlStatus::Complete) << (play.problems.empty() ? "" : play.problems.front());
    EXPECT_TRUE(report.Complete()) << (Lines(report).empty() ? "" : Lines(report).front());
  }
}

}  // namespace
}  // namespace nvxskin
