// The uninstaller's rules: its list, what it removes and keeps in a sandbox
// of drives, and what it says.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "installer/Messages.h"
#include "installer/UninstallRun.h"
#include "package/UninstallList.h"
#include "platform/Files.h"
#include "platform/NativePath.h"
#include "tests/support/InstallFakes.h"
#include "tests/support/PinnedTexts.h"
#include "tests/support/SandboxFiles.h"
#include "tests/support/TestSupport.h"

#ifndef _WIN32  // drive paths are mapped into the sandbox on POSIX builds only

namespace nuvex {
namespace {

using test::PutFile;
using Names = std::vector<std::string>;

TEST(UninstallList, ReadsWhatItWritesAndRefusesAnythingElse) {
  const TUninstallList list{"\\Uninstall.exe",
                            {{0, "\\Uninstall.exe"}, {2, "\\filter.ax"}, {255, "E:\\with\ttab.txt"}}};
  const std::string text = UninstallListText(list);
  EXPECT_EQ(text, "NVX-UNINSTALL 1\r\nself\t\\Uninstall.exe\r\n0\t\\Uninstall.exe\r\n2\t\\filter.ax\r\n"
                  "255\tE:\\with\ttab.txt\r\n");
  EXPECT_EQ(ParseUninstallList(text), list);
  for (const char* bad : {"", "NVX-UNINSTALL 2\r\nself\t\\u.exe\r\n", "NVX-UNINSTALL 1\r\n0\t\\a\r\n",
                          "NVX-UNINSTALL 1\r\nself\t\\u.exe\r\nself\t\\v.exe\r\n",
                          "NVX-UNINSTALL 1\r\nself\t\\u.exe\r\n256\t\\a\r\n", "NVX-UNINSTALL 1\r\nself\t\\u.exe\r\n0\t\r\n",
                          "NVX-UNINSTALL 1\r\nself\t\\u.exe\r\n0 \\a\r\n", "NVX-UNINSTALL 1\r\nself\t\\u.exe\r\nx\t\\a\r\n"})
    EXPECT_FALSE(ParseUninstallList(bad)) << bad;
}

// An installation as the installer leaves it, with the user's own files
// beside it, in a sandbox of drives.
class UninstallTest : public ::testing::Test {
 protected:
  UninstallTest() : savedRoot_(DriveRoot()) {
    SetDriveRoot(drives_.Path());
    registry_.value = test::FakeRegistry::Text("C:\\Menu\\Programs");
  }
  ~UninstallTest() override {
    SetCurrentLanguage(kEnglishLanguage);
    SetDriveRoot(savedRoot_);
  }

  test::TempFolder drives_;
  std::string savedRoot_;
  test::FakeRegistry registry_;
  ScopedService<UserRegistry> useRegistry_{registry_};
};

TEST_F(UninstallTest, RemovesThePackageKeepsTheUsersAndSharedFilesAndNamesWhatFailed) {
  const std::string dest = "D:\\Games\\Nuvex";
  // The installer joined the targets to "D:\Games\Nuvex\": the separators doubled.
  const TUninstallList list{"\\Bin\\Uninstall.exe",
                            {{0, "\\Bin\\Uninstall.exe"}, {0, "\\Bin\\Uninstall.lst"}, {0, "\\Player.exe"},
                             {0, "\\Samples\\Deep\\film.bin"}, {0, "\\locked.dat"}, {0, "\\never placed.txt"},
                             {0, "\\..\\outside.txt"}, {2, "\\filter.ax"}, {4, "readme.txt"}, {0, "\\player.EXE"}}};
  for (const char* file : {"\\Bin\\Uninstall.exe", "\\Player.exe", "\\Samples\\Deep\\film.bin", "\\locked.dat",
                           "\\my notes.txt", "\\Samples\\mine.bin"})
    PutFile(dest + file, "x");
  PutFile(dest + "\\Bin\\Uninstall.lst", UninstallListText(list));
  PutFile("D:\\Games\\outside.txt", "x");
  PutFile("C:\\WINDOWS\\SYSTEM32\\filter.ax", "x");
  ASSERT_EQ(::chmod(NativePath(dest + "\\locked.dat").c_str(), 0444), 0);
  const std::string group = "C:\\Menu\\Programs\\Nuvex Player\\";
  for (const char* link : {"Nuvex Player 2.6.lnk", "Pomoc - wersja 2.6.lnk", "Deinstalacja - wersja 2.6.lnk",
                           "Help - version 2.5.lnk", "Nuvex Player fan site.url", "My own.lnk"})
    PutFile(group + link, "x");

  // As its shortcut names it: in upper case.
  TUninstall uninstall("D:\\GAMES\\NUVEX\\\\BIN\\UNINSTALL.EXE");
  ASSERT_TRUE(uninstall.ReadList());
  EXPECT_EQ(uninstall.DestinationFolder(), dest);
  const TUninstallReport report = uninstall.Run(false);

  EXPECT_EQ(report.Removed, (Names{dest + "\\Bin\\Uninstall.exe", dest + "\\Bin\\Uninstall.lst",
                                   dest + "\\Player.exe", dest + "\\Samples\\Deep\\film.bin",
                                   group.substr(0, group.size() - 1) + "\\Deinstalacja - wersja 2.6.lnk",
                                   group.substr(0, group.size() - 1) + "\\Help - version 2.5.lnk",
                                   group.substr(0, group.size() - 1) + "\\Nuvex Player 2.6.lnk",
                                   group.substr(0, group.size() - 1) + "\\Pomoc - wersja 2.6.lnk"}));
  EXPECT_EQ(report.Failed, (Names{dest + "\\locked.dat"}));
  EXPECT_EQ(report.Shared, (Names{"D:\\Games\\Nuvex\\..\\outside.txt", "C:\\WINDOWS\\SYSTEM32\\filter.ax"}));
  EXPECT_EQ(report.KeptFolders, (Names{dest, group.substr(0, group.size() - 1)}));
  EXPECT_TRUE(report.AtRestart.empty());
  EXPECT_FALSE(DirectoryExists(dest + "\\Bin"));
  EXPECT_FALSE(DirectoryExists(dest + "\\Samples\\Deep"));
  for (const std::string& kept : {dest + "\\my notes.txt", dest + "\\Samples\\mine.bin", dest + "\\locked.dat",
                                  std::string("D:\\Games\\outside.txt"), group + "My own.lnk",
                                  group + "Nuvex Player fan site.url"})
    EXPECT_TRUE(FileExists(kept)) << kept;

  for (uint8_t language : {kEnglishLanguage, kPolishLanguage}) {
    SetCurrentLanguage(language);
    std::string headline = test::Pinned(504, language);
    headline.replace(headline.find("%s"), 2, "Nuvex Player");
    EXPECT_EQ(UninstallSummary(report, "Nuvex Player"),
              headline + "\r\n\r\n" + test::Pinned(505, language) + "\r\n" + dest + "\\locked.dat\r\n\r\n" +
                  test::Pinned(506, language) + "\r\nD:\\Games\\Nuvex\\..\\outside.txt\r\nC:\\WINDOWS\\SYSTEM32\\filter.ax" +
                  "\r\n\r\n" + test::Pinned(507, language) + "\r\n" + dest + "\r\nC:\\Menu\\Programs\\Nuvex Player");
  }
}

// What the list does not tie to the uninstaller's place removes nothing.
TEST_F(UninstallTest, AListThatIsMissingOrDoesNotFitRemovesNothing) {
  PutFile("D:\\Nuvex\\Player.exe", "x");
  TUninstall uninstall("D:\\Nuvex\\Uninstall.exe");
  EXPECT_FALSE(uninstall.ReadList());
  PutFile("D:\\Nuvex\\Uninstall.lst", UninstallListText({"\\Other.exe", {{0, "\\Player.exe"}}}));
  EXPECT_FALSE(uninstall.ReadList());
  PutFile("D:\\Nuvex\\Uninstall.lst", "NVX-UNINSTALL 1\r\nself\t\\Uninstall.exe\r\n0\t\\Player.exe\r\n0\n");
  EXPECT_FALSE(uninstall.ReadList());
  // Well formed but larger than any list a package holds: not read at all.
  std::string huge = UninstallListText({"\\Uninstall.exe", {{0, "\\Player.exe"}}});
  while (huge.size() <= (4u << 20)) huge += "0\t\\Player.exe\r\n";
  PutFile("D:\\Nuvex\\Uninstall.lst", huge);
  EXPECT_FALSE(uninstall.ReadList());
  EXPECT_TRUE(FileExists("D:\\Nuvex\\Player.exe"));
}

// A running program cannot remove its own file; natively there is no
// restart to leave it to, so it is named, and its folder stays, named once
// also when the user's own file keeps it too.
TEST_F(UninstallTest, TheRunningProgramIsLeftToTheRestartOrNamed) {
  for (const std::string folder : {"", "\\Bin"}) {
    SCOPED_TRACE(folder);
    const std::string dest = folder.empty() ? "D:\\Nuvex" : "E:\\Nuvex";
    PutFile(dest + folder + "\\Uninstall.exe", "x");
    PutFile(dest + folder + "\\Uninstall.lst",
            UninstallListText({folder + "\\Uninstall.exe",
                               {{0, folder + "\\Uninstall.exe"}, {0, folder + "\\Uninstall.lst"}}}));
    if (!folder.empty()) PutFile(dest + "\\mine.txt", "x");
    TUninstall uninstall(dest + folder + "\\Uninstall.exe");
    ASSERT_TRUE(uninstall.ReadList());
    const TUninstallReport report = uninstall.Run(true);
    EXPECT_EQ(report.Removed, (Names{dest + folder + "\\Uninstall.lst"}));
    EXPECT_EQ(report.Failed, (Names{dest + folder + "\\Uninstall.exe"}));
    EXPECT_EQ(report.KeptFolders, (Names{dest}));
    EXPECT_TRUE(report.AtRestart.empty());
    EXPECT_TRUE(FileExists(dest + folder + "\\Uninstall.exe"));
  }
}

}  // namespace
}  // namespace nuvex

#endif
