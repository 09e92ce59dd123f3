// The list of skins, the folder listing and the scan of the skins folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/FolderEntries.h"
#include "platform/Files.h"
#include "skin/SkinFolderScan.h"
#include "skin/SkinIniFile.h"
#include "tests/support/TestSupport.h"
#include "trace/TraceCapture.h"

namespace nuvex {
namespace {

std::vector<std::string> Names(const TSkinNameList& list) {
  std::vector<std::string> names;
  for (int i = 0; i < list.Count(); ++i) names.push_back(list.Items(i)->Name);
  return names;
}

std::vector<std::string> TraceTexts(const TraceCapture& trace) {
  std::vector<std::string> texts;
  for (const TraceLine& line : trace.Lines()) texts.push_back(line.Text());
  return texts;
}

std::string SkinText(const std::string& name) {
  return "[SkinInfo]\nName=" + name + "\nNuvexFilmPlayerVersion=200\n";
}

TEST(SkinNameList, ItemsIndexOfAndAdd) {
  TSkinNameList list;
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Items(0), nullptr);
  EXPECT_TRUE(list.Add("Blue", "a\\Skin.nvs", false));
  EXPECT_TRUE(list.Add("Red", "b\\Skin.nvs", false));
  EXPECT_TRUE(list.Add("Blue", "c\\Skin.nvs", false));  // equal names are allowed
  EXPECT_TRUE(list.Add("Blue", "d\\Skin.nvs", true));   // ...unless asked to check: nothing added, yet true
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Items(2)->FileName, "c\\Skin.nvs");
  EXPECT_EQ(list.Items(-1), nullptr);
  EXPECT_EQ(list.Items(3), nullptr);
  EXPECT_EQ(list.IndexOf("Blue"), 0);  // the first of equal names
  EXPECT_EQ(list.IndexOf("Red"), 1);
  EXPECT_EQ(list.IndexOf("blue"), -1);  // letter case counts
  EXPECT_FALSE(list.Exists("BLUE"));
  EXPECT_TRUE(list.Add("Green", "e", true));
  EXPECT_EQ(list.Count(), 4);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_FALSE(list.Exists("Blue"));
}

TEST(FolderEntries, ListsDotEntriesFoldersAndFiles) {
  test::TempFolder tmp;
  ForceDirectories(tmp / "beta");
  ForceDirectories(tmp / "Alpha");
  test::WriteAll(tmp / "gamma.txt", "x");
  test::WriteAll(tmp / "noext", "x");
  const std::vector<TFolderEntry> entries = FindFolderEntries(tmp.Path() + "*.*");
  std::vector<std::string> names;
  for (const TFolderEntry& entry : entries) {
    names.push_back(entry.Name);
    EXPECT_EQ(entry.Directory, entry.Name != "gamma.txt" && entry.Name != "noext") << entry.Name;
  }
  ASSERT_EQ(names.size(), 6u);  // "*.*" matches names without a dot too
  EXPECT_EQ(names[0], ".");
  EXPECT_EQ(names[1], "..");
#ifndef _WIN32
  // Elsewhere than on Windows the order is fixed: by name in upper case.
  EXPECT_EQ(names, (std::vector<std::string>{".", "..", "Alpha", "beta", "gamma.txt", "noext"}));
  EXPECT_EQ(FindFolderEntries(tmp.Path() + "G*.TXT").size(), 1u);
#endif
  EXPECT_TRUE(FindFolderEntries(tmp / "missing/*.*").empty());
}

// A program folder with a skins folder.
class SkinScan : public ::testing::Test {
 protected:
  std::string Root() const { return tmp_.Path() + "Skins\\"; }
  void Skin(const std::string& folder, const std::string& text) {
    ForceDirectories(tmp_ / ("Skins/" + folder));
    test::WriteAll(tmp_ / ("Skins/" + folder + "/Skin.nvs"), text);
  }
  test::TempFolder tmp_;
};

TEST_F(SkinScan, ListsValidSkinsInTheOrderOfTheListing) {
  Skin("Zeta", SkinText("Last"));
  Skin("alpha", SkinText("First"));
  Skin("Mid", SkinText("Middle"));
  Skin("Broken", "[SkinInfo]\nName=Broken\nNuvexFilmPlayerVersion=199\n");
  Skin("Nameless", "[SkinInfo]\nNuvexFilmPlayerVersion=200\n");
  ForceDirectories(tmp_ / "Skins/Empty");
  test::WriteAll(tmp_ / "Skins/Skin.bmp", "a file, not a folder: skipped without a word");

  TSkinNameList list;
  TraceCapture trace;
  ScanSkinsFolder(list, tmp_.Path());

  // The list follows the listing, whatever order the platform gives.
  std::vector<std::string> expected;
  std::vector<std::string> expectedTrace;
  for (const TFolderEntry& entry : FindFolderEntries(Root() + "*.*")) {
    if (!entry.Directory) continue;
    const std::string path = Root() + entry.Name + "\\Skin.nvs";
    if (entry.Name == "Zeta") expected.push_back("Last");
    if (entry.Name == "alpha") expected.push_back("First");
    if (entry.Name == "Mid") expected.push_back("Middle");
    if (entry.Name == "." || entry.Name == ".." || entry.Name == "Empty")
      expectedTrace.push_back("[TSkinManager.LoadSkinList] Warning: File \"" + path + "\" not found");
  }
  EXPECT_EQ(Names(list), expected);
  EXPECT_EQ(TraceTexts(trace), expectedTrace);
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Items(list.IndexOf("Middle"))->FileName, Root() + "Mid\\Skin.nvs");
#ifndef _WIN32
  EXPECT_EQ(Names(list), (std::vector<std::string>{"First", "Middle", "Last"}));
  EXPECT_EQ(TraceTexts(trace),
            (std::vector<std::string>{"[TSkinManager.LoadSkinList] Warning: File \"" + Root() + ".\\Skin.nvs\" not found",
                                      "[TSkinManager.LoadSkinList] Warning: File \"" + Root() + "..\\Skin.nvs\" not found",
                                      "[TSkinManager.LoadSkinList] Warning: File \"" + Root() + "Empty\\Skin.nvs\" not found"}));
#endif
}

TEST_F(SkinScan, DotEntriesListSkinFilesOfTheSkinsFolderAndTheProgramFolder) {
  ForceDirectories(tmp_ / "Skins");
  test::WriteAll(tmp_ / "Skins/Skin.nvs", SkinText("In the skins folder"));
  test::WriteAll(tmp_ / "Skin.nvs", SkinText("Beside the program"));
  TSkinNameList list;
  TraceCapture trace;
  ScanSkinsFolder(list, tmp_.Path());
  ASSERT_EQ(list.Count(), 2);
  const int inSkins = list.IndexOf("In the skins folder");
  const int beside = list.IndexOf("Beside the program");
  ASSERT_GE(inSkins, 0);
  ASSERT_GE(beside, 0);
  EXPECT_EQ(list.Items(inSkins)->FileName, Root() + ".\\Skin.nvs");
  EXPECT_EQ(list.Items(beside)->FileName, Root() + "..\\Skin.nvs");
  EXPECT_TRUE(trace.Lines().empty());
}

TEST_F(SkinScan, EqualNamesAreAllListedAndTheFirstIsFound) {
  Skin("One", SkinText("Twin"));
  Skin("Two", SkinText("Twin"));
  TSkinNameList list;
  ScanSkinsFolder(list, tmp_.Path());
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.IndexOf("Twin"), 0);
  std::string first;
  for (const TFolderEntry& entry : FindFolderEntries(Root() + "*.*"))
    if (first.empty() && (entry.Name == "One" || entry.Name == "Two")) first = entry.Name;
  EXPECT_EQ(list.Items(0)->FileName, Root() + first + "\\Skin.nvs");
}

TEST_F(SkinScan, MissingOrEmptySkinsFolderListsNothingSilently) {
  TSkinNameList list;
  TraceCapture trace;
  ScanSkinsFolder(list, tmp_.Path());  // no Skins folder at all
  EXPECT_EQ(list.Count(), 0);
  EXPECT_TRUE(trace.Lines().empty());
}

TEST_F(SkinScan, AFolderNamedLikeTheSkinFileIsNoSkin) {
  ForceDirectories(tmp_ / "Skins/Odd/Skin.nvs");
  TSkinNameList list;
  TraceCapture trace;
  ScanSkinsFolder(list, tmp_.Path());
  EXPECT_EQ(list.Count(), 0);
  bool warned = false;
  for (const TraceLine& line : trace.Lines())
    warned |= line.Text() == "[TSkinManager.LoadSkinList] Warning: File \"" + Root() + "Odd\\Skin.nvs\" not found";
  EXPECT_TRUE(warned);
}

TEST(SampleSkins, ScanListsTheValidOnes) {
  const std::string program = test::SourcePath("tests/data/skins/");
  TSkinNameList list;
  TraceCapture trace;
  ScanSkinsFolder(list, program);
  std::vector<std::string> names = Names(list);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Bad Colour", "Fern", "Misfit", "Missing Picture", "Moss"}));
  EXPECT_EQ(trace.Lines().size(), 3u);  // ".", ".." and Empty
}

TEST(SampleSkins, MossRestylesSeveralControls) {
  const std::string program = test::SourcePath("tests/data/skins/");
  TSkinIniFile moss(SkinsFolderOf(program) + "Moss\\Skin.nvs", program);
  ASSERT_FALSE(moss.Invalid());
  EXPECT_EQ(moss.Info().Name, "Moss");
  TraceCapture trace;
  struct Expect {
    const char* control;
    int width, height;
    TPixelFormat format;
  } pictures[] = {{"PlayerControl", 200, 150, pf24bit},
                  {"PlayerControl.rbPlay", 120, 22, pf24bit},
                  {"PlayerControl.rbPause", 120, 22, pf8bit},
                  {"PlayerControl.rbStop", 120, 22, pf8bit},
                  {"PlayerControl.slSoundVolume", 60, 90, pf4bit}};
  for (const Expect& e : pictures) {
    const TLoadedButton control = moss.LoadButton(e.control);
    EXPECT_TRUE(control) << e.control;
    EXPECT_EQ(control.Property.Bitmap->Width(), e.width) << e.control;
    EXPECT_EQ(control.Property.Bitmap->Height(), e.height) << e.control;
    EXPECT_EQ(control.Property.Bitmap->PixelFormat(), e.format) << e.control;
  }
  // The window's corners are holes.
  const TLoadedButton playerControl = moss.LoadButton("PlayerControl");
  ASSERT_TRUE(playerControl);
  EXPECT_EQ(TBitmap(*playerControl.Property.Bitmap).Canvas().Pixel(0, 0), 0x00FF00FF);
  EXPECT_EQ(playerControl.Property.ControlType, RegionedForm);
  const TLoadedButton rbPause = moss.LoadButton("PlayerControl.rbPause");
  ASSERT_TRUE(rbPause);
  EXPECT_EQ(rbPause.Property.InteriorArea, iaCentered);
  EXPECT_EQ(rbPause.Property.LeftMargin, 8);
  const TLoadedButton rbLoadSkin = moss.LoadButton("PlayerControl.rbLoadSkin");
  EXPECT_FALSE(rbLoadSkin);  // hidden under Moss
  EXPECT_FALSE(rbLoadSkin.Property.Visible);
  const TLoadedButton slTime = moss.LoadButton("PlayerControl.slTime");
  ASSERT_TRUE(slTime);
  EXPECT_EQ(slTime.Property.FontColor, 160 + 255 * 256 + 160 * 65536);
  EXPECT_TRUE(slTime.Property.FontStyleBold);
  EXPECT_EQ(slTime.Property.Alignment, 2);
  EXPECT_FALSE(moss.LoadButton("PlayerControl.rbExit"));  // not restyled by Moss
  EXPECT_TRUE(trace.Lines().empty());
}

TEST(SampleSkins, BrokenVariants) {
  const std::string program = test::SourcePath("tests/data/skins/");
  const std::string root = SkinsFolderOf(program);
  EXPECT_TRUE(TSkinIniFile(root + "NoName\\Skin.nvs", program).Invalid());
  const TSkinIniFile old(root + "OldVersion\\Skin.nvs", program);
  EXPECT_TRUE(old.Invalid());
  EXPECT_EQ(old.Info().Version, 201);
  EXPECT_EQ(old.Info().Name, "Old Version");

  TSkinIniFile missing(root + "MissingPicture\\Skin.nvs", program);
  EXPECT_FALSE(missing.Invalid());  // version written as 0xC8
  TraceCapture trace;
  EXPECT_FALSE(missing.LoadButton("PlayerControl.rbPlay"));
  ASSERT_EQ(trace.Lines().size(), 1u);
  EXPECT_EQ(trace.Lines()[0].Text(),
            "[TSkinIniFile.LoadButton] Exception raised: Cannot open file " + root + "MissingPicture\\play.bmp");
  EXPECT_TRUE(missing.LoadButton("PlayerControl.rbStop"));  // the reader carries on

  TSkinIniFile colour(root + "BadColour\\Skin.nvs", program);
  EXPECT_FALSE(colour.Invalid());
  for (const char* label : {"PlayerControl.slTime", "PlayerControl.slState", "PlayerControl.slFileName"}) {
    const TLoadedButton loaded = colour.LoadButton(label);
    EXPECT_FALSE(loaded) << label;
    EXPECT_EQ(loaded.Property.FontColor, -1) << label;
  }
  const TLoadedButton slVideoInfo = colour.LoadButton("PlayerControl.slVideoInfo");
  EXPECT_TRUE(slVideoInfo);
  EXPECT_EQ(slVideoInfo.Property.FontColor, 0x0080FF);
}

}  // namespace
}  // namespace nuvex
