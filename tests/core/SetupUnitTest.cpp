// The installation run and the shortcut step, on real files under a sandbox of
// drive folders, with recording stand-ins for the shell, the registry and the
// link object.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>
#include <filesystem>

#include "base/Error.h"
#include "base/Paths.h"
#include "installer/Messages.h"
#include "installer/SetupUnit.h"
#include "package/FileConfiguration.h"
#include "package/PackageIndex.h"
#include "platform/Files.h"
#include "platform/NativePath.h"
#include "tests/support/IndexRecord.h"
#include "tests/support/InstallFakes.h"
#include "tests/support/SandboxFiles.h"
#include "tests/support/TestSupport.h"
#include "tools/nvxpack/IndexFile.h"

#ifndef _WIN32  // drive paths are mapped into the sandbox on POSIX builds only

namespace nuvex {
namespace {

using Bytes = std::vector<uint8_t>;
using test::ShellCall;

using test::IndexRecord;

// A sandbox of drives, fixed Windows and system folders, a package folder
// "C:\Package\" and an engine that uses the recording services.
class InstallTest : public ::testing::Test {
 protected:
  InstallTest() : savedRoot_(DriveRoot()) {
    SetDriveRoot(drives_.Path());
    engine.DestinationFolder = "D:\\Dest";
    engine.Version = "2.6";
  }
  ~InstallTest() override {
    SetCurrentLanguage(kEnglishLanguage);
    SetDriveRoot(savedRoot_);
  }

  void WriteIndex(const std::vector<TFileConfiguration>& records) {
    ForceDirectories(kPackage);
    nvxpack::WriteIndexFile(kPackage + std::string(kPackageIndexName), records);
  }

  static uint32_t Answer(const char* text, char* buffer, uint32_t size) {
    uint32_t n = static_cast<uint32_t>(std::strlen(text));
    if (n + 1 > size) return n + 1;
    std::memcpy(buffer, text, n + 1);
    return n;
  }
  static uint32_t SystemFolder(char* b, uint32_t s) { return Answer("C:\\WINDOWS\\SYSTEM", b, s); }
  static uint32_t WindowsFolder(char* b, uint32_t s) { return Answer("C:\\WINDOWS", b, s); }

  static constexpr const char* kPackage = "C:\\Package\\";

 private:
  test::TempFolder drives_;
  std::string savedRoot_;
  test::FakeFolders folders_{&SystemFolder, &WindowsFolder};
  ScopedService<TSystemFolders> foldersScope_{folders_};

 protected:
  test::RecordingShell shell;
  test::FakeRegistry registry;
  test::RecordingLinks links;
  test::ScopedInstallServices services{shell, registry, links};
  TRunInstall engine{kPackage};
};

TEST_F(InstallTest, PlainRecordIsCopiedIntoANewDestinationFolder) {
  test::PutFile("C:\\Package\\a.txt", "alpha");
  WriteIndex({IndexRecord("a.txt", 0, fkDestination, "\\a.txt")});
  EXPECT_FALSE(DirectoryExists("D:\\Dest"));
  EXPECT_TRUE(engine.RunInstall());
  EXPECT_EQ(test::FileText("D:\\Dest\\a.txt"), "alpha");
  EXPECT_EQ(engine.Files.Count(), 1);
  EXPECT_TRUE(shell.calls.empty());
}

TEST_F(InstallTest, EveryFolderKindHasItsBase) {
  test::PutFile("C:\\Package\\sub\\g.nvx", test::Packed("packed"));
  std::vector<TFileConfiguration> records = {IndexRecord("sub\\g.nvx", 1, fkWindows, "\\k1.bin")};
  const std::vector<std::pair<uint8_t, std::string>> plain = {
      {fkDestination, "\\deep\\er\\k0.bin"}, {fkSystem, "\\k2.bin"}, {fkSystem32, "\\k3.bin"},
      {fkTemp, "k4.bin"}, {9, "E:\\x.dll"}, {255, "E:\\y.dll"}};
  for (const auto& [kind, target] : plain) {
    std::string source = "f" + std::to_string(kind) + ".bin";
    test::PutFile(kPackage + source, "plain " + std::to_string(kind));
    records.push_back(IndexRecord(source, 0, kind, target));
  }
  WriteIndex(records);
  EXPECT_TRUE(engine.RunInstall());
  EXPECT_EQ(test::FileText("C:\\WINDOWS\\k1.bin"), "packed");
  EXPECT_EQ(test::FileText("D:\\Dest\\deep\\er\\k0.bin"), "plain 0");
  EXPECT_EQ(test::FileText("C:\\WINDOWS\\SYSTEM\\k2.bin"), "plain 2");
  EXPECT_EQ(test::FileText("C:\\WINDOWS\\System32\\k3.bin"), "plain 3");
  EXPECT_EQ(test::FileText("C:\\Temp\\k4.bin"), "plain 4");
  EXPECT_EQ(test::FileText("E:\\x.dll"), "plain 9");
  EXPECT_EQ(test::FileText("E:\\y.dll"), "plain 255");
}

TEST_F(InstallTest, TargetPathsByFolderKind) {
  EXPECT_EQ(engine.TargetPath(IndexRecord("s", 0, fkDestination, "\\a")), "D:\\Dest\\a");
  EXPECT_EQ(engine.TargetPath(IndexRecord("s", 0, fkWindows, "\\a")), "C:\\WINDOWS\\a");
  EXPECT_EQ(engine.TargetPath(IndexRecord("s", 0, fkSystem, "\\a")), "C:\\WINDOWS\\SYSTEM\\a");
  EXPECT_EQ(engine.TargetPath(IndexRecord("s", 0, fkSystem32, "\\a")), "C:\\WINDOWS\\System32\\a");
  EXPECT_EQ(engine.TargetPath(IndexRecord("s", 0, fkTemp, "a")), "C:\\Temp\\a");
  EXPECT_EQ(engine.TargetPath(IndexRecord("s", 0, 5, "E:\\x.dll")), "E:\\x.dll");
  engine.DestinationFolder = "D:\\Dest\\";  // used as it stands
  EXPECT_EQ(engine.TargetPath(IndexRecord("s", 0, fkDestination, "\\a")), "D:\\Dest\\\\a");
}

TEST_F(InstallTest, MissingOrEmptyIndexEndsWithFalseTouchingNothing) {
  EXPECT_FALSE(engine.RunInstall());
  WriteIndex({});
  EXPECT_FALSE(engine.RunInstall());
  EXPECT_FALSE(DirectoryExists("D:\\Dest"));
  EXPECT_FALSE(DirectoryExists("C:\\Temp"));
}

TEST_F(InstallTest, FirstFailureStopsAndEarlierFilesStay) {
  test::PutFile("C:\\Package\\one.txt", "1");
  test::PutFile("C:\\Package\\three.txt", "3");
  WriteIndex({IndexRecord("one.txt", 0, fkDestination, "\\one.txt"), IndexRecord("two.txt", 0, fkDestination, "\\two.txt"),
              IndexRecord("three.txt", 0, fkDestination, "\\three.txt")});
  EXPECT_FALSE(engine.RunInstall());
  EXPECT_EQ(test::FileText("D:\\Dest\\one.txt"), "1");
  EXPECT_FALSE(FileExists("D:\\Dest\\two.txt"));
  EXPECT_FALSE(FileExists("D:\\Dest\\three.txt"));
}

TEST_F(InstallTest, ExistingTargetsAreOverwritten) {
  test::PutFile("C:\\Package\\a.txt", "new");
  test::PutFile("C:\\Package\\b.nvx", test::Packed("new packed"));
  test::PutFile("D:\\Dest\\a.txt", "old contents, longer");
  test::PutFile("D:\\Dest\\b.txt", "old contents, longer");
  WriteIndex({IndexRecord("a.txt", 0, fkDestination, "\\a.txt"), IndexRecord("b.nvx", 1, fkDestination, "\\b.txt")});
  EXPECT_TRUE(engine.RunInstall());
  EXPECT_EQ(test::FileText("D:\\Dest\\a.txt"), "new");
  EXPECT_EQ(test::FileText("D:\\Dest\\b.txt"), "new packed");
}

TEST_F(InstallTest, TargetFolderThatCannotBeMadeFailsTheRecord) {
  test::PutFile("C:\\Package\\a.txt", "a");
  test::PutFile("C:\\Package\\b.nvx", test::Packed("b"));
  test::PutFile("D:\\Dest", "a file where the folder should be");
  WriteIndex({IndexRecord("a.txt", 0, fkDestination, "\\a.txt")});
  EXPECT_FALSE(engine.RunInstall());
  // A packed file meets the same folder as an error about its target.
  WriteIndex({IndexRecord("b.nvx", 1, fkDestination, "\\b.txt")});
  EXPECT_EQ(test::MessageOf<Error>([&] { engine.RunInstall(); }), "Cannot create file D:\\Dest\\b.txt");
}

TEST_F(InstallTest, PackedRecordsDriveTheEnginesEvents) {
  std::string big(10000, 'z');
  test::PutFile("C:\\Package\\big.nvx", test::Packed(big));
  test::PutFile("C:\\Package\\small.nvx", test::Packed("tiny"));
  WriteIndex({IndexRecord("big.nvx", 1, fkDestination, "\\big.txt"), IndexRecord("small.nvx", 7, fkDestination, "\\small.txt")});
  std::vector<std::string> seen;
  engine.OnStart = [&](void*, int32_t min, int32_t max) {
    seen.push_back("start " + std::to_string(min) + " " + std::to_string(max));
  };
  engine.OnProgress = [&](void*, int32_t position) { seen.push_back("at " + std::to_string(position)); };
  EXPECT_TRUE(engine.RunInstall());
  std::string bigSize = std::to_string(test::Packed(big).size()), smallSize = std::to_string(test::Packed("tiny").size());
  EXPECT_EQ(seen, (std::vector<std::string>{"start 0 " + bigSize, "at 4096", "at 8192", "start 0 " + smallSize}));
  EXPECT_EQ(test::FileText("D:\\Dest\\big.txt"), big);
  EXPECT_EQ(test::FileText("D:\\Dest\\small.txt"), "tiny");
}

TEST_F(InstallTest, UnpackingThatFailsEndsTheRun) {
  std::string cut = test::Packed(std::string(50000, 'q'));
  cut.resize(cut.size() - 3);
  test::PutFile("C:\\Package\\cut.nvx", cut);
  test::PutFile("C:\\Package\\after.txt", "after");
  WriteIndex({IndexRecord("cut.nvx", 1, fkDestination, "\\cut.txt"), IndexRecord("after.txt", 0, fkDestination, "\\after.txt")});
  EXPECT_FALSE(engine.RunInstall());
  EXPECT_FALSE(FileExists("D:\\Dest\\cut.txt"));
  EXPECT_FALSE(FileExists("D:\\Dest\\after.txt"));
}

TEST_F(InstallTest, CorruptPackedDataLeavesTheRunAsAnError) {
  std::string bad = test::Packed(std::string(50000, 'q'));
  bad.back() = static_cast<char>(bad.back() ^ 0xFF);
  test::PutFile("C:\\Package\\bad.nvx", bad);
  WriteIndex({IndexRecord("bad.nvx", 1, fkDestination, "\\bad.txt")});
  EXPECT_EQ(test::MessageOf<Error>([&] { engine.RunInstall(); }), "error");
}

// The system folder's own RegSvr32, by its full path: a program of that name
// planted beside Setup.exe is never the one started.  Without a system
// folder nothing is started and the record fails.
TEST_F(InstallTest, RegistrationStartsTheSystemFoldersRegSvr32WithTheQuotedTargetHidden) {
  test::PutFile("C:\\Package\\x.ax", "component");
  test::PutFile("C:\\Package\\RegSvr32.exe", "planted");
  WriteIndex({IndexRecord("x.ax", 0, 9, "C:\\Program Files\\Nuvex Player 2.6 XP\\x.ax", faRegister)});
  EXPECT_TRUE(engine.RunInstall());
  ASSERT_EQ(shell.calls.size(), 1u);
  EXPECT_EQ(shell.calls[0], (ShellCall{"open", "C:\\WINDOWS\\SYSTEM\\RegSvr32.exe",
                                       "\"C:\\Program Files\\Nuvex Player 2.6 XP\\x.ax\"", kShowHide}));
  EXPECT_EQ(test::FileText("C:\\Program Files\\Nuvex Player 2.6 XP\\x.ax"), "component");

  test::FakeFolders none{nullptr, &WindowsFolder};
  ScopedService<TSystemFolders> noSystem(none);
  EXPECT_FALSE(engine.RunInstall());
  EXPECT_EQ(shell.calls.size(), 1u);
}

TEST_F(InstallTest, OpenActionOpensTheTargetHiddenAndOtherActionsDoNothing) {
  test::PutFile("C:\\Package\\readme.txt", "r");
  test::PutFile("C:\\Package\\other.txt", "o");
  WriteIndex({IndexRecord("readme.txt", 0, fkDestination, "\\readme.txt", faOpen),
              IndexRecord("other.txt", 0, fkDestination, "\\other.txt", 3)});
  EXPECT_TRUE(engine.RunInstall());
  EXPECT_EQ(shell.calls, (std::vector<ShellCall>{{"open", "D:\\Dest\\readme.txt", "", kShowHide}}));
  EXPECT_TRUE(FileExists("D:\\Dest\\other.txt"));
}

TEST_F(InstallTest, ShellRefusalIsAFailureAfterTheFileIsPlaced) {
  test::PutFile("C:\\Package\\a.dll", "a");
  test::PutFile("C:\\Package\\b.dll", "b");
  WriteIndex({IndexRecord("a.dll", 0, fkDestination, "\\a.dll", faRegister), IndexRecord("b.dll", 0, fkDestination, "\\b.dll")});
  shell.result = TShellResult::FromShellValue(32);
  EXPECT_FALSE(engine.RunInstall());
  EXPECT_TRUE(FileExists("D:\\Dest\\a.dll"));
  EXPECT_FALSE(FileExists("D:\\Dest\\b.dll"));
  shell.result = TShellResult::FromShellValue(33);
  EXPECT_TRUE(engine.RunInstall());
  EXPECT_TRUE(FileExists("D:\\Dest\\b.dll"));
}

TEST_F(InstallTest, ASecondRunOverReadOnlySourcesSucceeds) {
  // Files on a CD are read-only; their copies must not stay so.
  test::PutFile("C:\\Package\\a.txt", "from the CD");
  test::PutFile("C:\\Package\\b.nvx", test::Packed("packed on the CD"));
  for (const char* name : {"C:\\Package\\a.txt", "C:\\Package\\b.nvx"})
    ASSERT_EQ(::chmod(NativePath(name).c_str(), 0444), 0);
  WriteIndex({IndexRecord("a.txt", 0, fkDestination, "\\a.txt"), IndexRecord("b.nvx", 1, fkDestination, "\\b.txt")});
  ASSERT_TRUE(engine.RunInstall());
  EXPECT_TRUE(engine.RunInstall());
  struct stat st {};
  ASSERT_EQ(::stat(NativePath("D:\\Dest\\a.txt").c_str(), &st), 0);
  EXPECT_TRUE(st.st_mode & S_IWUSR);
  EXPECT_FALSE(st.st_mode & (S_IWGRP | S_IWOTH));  // only the owner's write bit is given back
  EXPECT_EQ(test::FileText("D:\\Dest\\a.txt"), "from the CD");
  EXPECT_EQ(test::FileText("D:\\Dest\\b.txt"), "packed on the CD");
}

TEST_F(InstallTest, ChecksumsCatchADamagedPlainFileAndOtherContentsInAValidStream) {
  auto Signed = [](TFileConfiguration record, const std::string& contents) {
    TContentsSummer sum;
    sum.Add(contents.data(), contents.size());
    SetRecordChecksum(record, sum.Result());
    return record;
  };
  const std::vector<TFileConfiguration> records = {
      Signed(IndexRecord("a.txt", 0, fkDestination, "\\a.txt"), "alpha"),
      Signed(IndexRecord("b.nvx", 1, fkDestination, "\\b.txt"), "bravo"),
      Signed(IndexRecord("c.txt", 0, fkDestination, "\\c.txt"), "charlie")};
  WriteIndex(records);
  test::PutFile("C:\\Package\\a.txt", "alpha");
  test::PutFile("C:\\Package\\b.nvx", test::Packed("bravo"));
  test::PutFile("C:\\Package\\c.txt", "charlie");
  EXPECT_TRUE(engine.RunInstall());

  test::PutFile("C:\\Package\\a.txt", "alphA");  // damaged on the medium, same size
  EXPECT_FALSE(engine.RunInstall());
  EXPECT_EQ(test::FileText("D:\\Dest\\a.txt"), "alphA");

  test::PutFile("C:\\Package\\a.txt", "alpha");
  test::PutFile("C:\\Package\\b.nvx", test::Packed("brave"));  // a valid stream of other contents
  EXPECT_FALSE(engine.RunInstall());
  EXPECT_EQ(test::FileText("D:\\Dest\\b.txt"), "bravo");  // the earlier file stays
  EXPECT_EQ(test::FileText("D:\\Dest\\c.txt"), "charlie");

  // Without the signature the same records install as before, unchecked.
  std::vector<TFileConfiguration> unsigned_ = records;
  for (auto& r : unsigned_) r.Reserved[0] = 'n';
  WriteIndex(unsigned_);
  EXPECT_TRUE(engine.RunInstall());
  EXPECT_EQ(test::FileText("D:\\Dest\\b.txt"), "brave");
}

// --- The shortcut step ---

class ShortcutTest : public InstallTest {
 protected:
  ShortcutTest() {
    engine.DestinationFolder = "D:\\NUVEX";
    registry.value = test::FakeRegistry::Text("C:\\Menu\\Programs");
  }
  // Files is filled directly: the step reads only the records' target names.
  void Records(const std::vector<TFileConfiguration>& records) {
    for (const auto& r : records) engine.Files.Add(r);
  }
};

TEST_F(ShortcutTest, ThreeLinksInTheGroupThenTheGroupIsOpened) {
  test::PutFile("D:\\Nuvex\\Player.exe", "exe");  // found under its upper-case path, as on Windows
  Records({IndexRecord("readme", 0, fkDestination, "\\readme.txt"), IndexRecord("player", 0, fkDestination, "\\player.exe")});
  engine.CreateShortcuts();
  EXPECT_EQ(registry.reads, (std::vector<std::string>{
                                "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders|Programs"}));
  EXPECT_TRUE(DirectoryExists("C:\\Menu\\Programs\\Nuvex Player"));
  EXPECT_EQ(links.created, 1);
  const std::string group = "C:\\Menu\\Programs\\Nuvex Player\\";
  EXPECT_EQ(links.log, (std::vector<std::string>{
                           "SetArguments()",
                           "SetPath(D:\\NUVEX\\PLAYER.EXE)",
                           "SetWorkingDirectory(D:\\NUVEX\\)",
                           "Save(" + group + "\\Nuvex Player 2.6.lnk)",
                           "SetPath(D:\\NUVEX\\PLAYER.chm)",
                           "SetWorkingDirectory(D:\\NUVEX\\)",
                           "Save(" + group + "\\Help - version 2.6.lnk)",
                           "SetPath(D:\\NUVEX\\Uninstall.exe)",
                           "SetWorkingDirectory(D:\\NUVEX\\)",
                           "Save(" + group + "Uninstall - version 2.6.lnk)",
                       }));
  EXPECT_EQ(shell.calls, (std::vector<ShellCall>{{"open", group, "", kShowNormal}}));
}

TEST_F(ShortcutTest, PolishNamesComeFromTheMessageTable) {
  SetCurrentLanguage(kPolishLanguage);
  test::PutFile("D:\\NUVEX\\PLAYER.EXE", "exe");
  Records({IndexRecord("player", 0, fkDestination, "\\PLAYER.EXE")});
  registry.value = test::FakeRegistry::Text("C:\\Menu\\Programy\\");  // ends with "\": no doubled separator
  engine.CreateShortcuts();
  const std::string group = "C:\\Menu\\Programy\\Nuvex Player\\";
  std::vector<std::string> saves;
  for (const auto& entry : links.log)
    if (entry.rfind("Save(", 0) == 0) saves.push_back(entry);
  EXPECT_EQ(saves, (std::vector<std::string>{"Save(" + group + "\\Nuvex Player 2.6.lnk)",
                                             "Save(" + group + "\\Pomoc - wersja 2.6.lnk)",
                                             "Save(" + group + "Deinstalacja - wersja 2.6.lnk)"}));
}

TEST_F(ShortcutTest, MainProgramIsLookedForInTheDestinationWhateverTheKind) {
  // The first ".exe" record went to the system folder; only a file of that
  // name in the destination folder would make it the player.
  test::PutFile("C:\\WINDOWS\\SYSTEM\\TOOL.EXE", "tool");
  test::PutFile("D:\\NUVEX\\SUB\\PLAYER.EXE", "exe");
  Records({IndexRecord("tool", 0, fkSystem, "\\tool.exe"), IndexRecord("notes", 0, fkDestination, "\\NOTES.EXE.TXT"),
           IndexRecord("player", 0, fkDestination, "\\sub\\Player.Exe")});
  engine.CreateShortcuts();
  ASSERT_GE(links.log.size(), 2u);
  EXPECT_EQ(links.log[1], "SetPath(D:\\NUVEX\\SUB\\PLAYER.EXE)");

  links.log.clear();
  test::PutFile("D:\\NUVEX\\TOOL.EXE", "tool here too");
  engine.CreateShortcuts();
  ASSERT_GE(links.log.size(), 2u);
  EXPECT_EQ(links.log[1], "SetPath(D:\\NUVEX\\TOOL.EXE)");
}

TEST_F(ShortcutTest, NoMainProgramMeansNothingAtAll) {
  Records({IndexRecord("player", 0, fkDestination, "\\PLAYER.EXE")});  // not installed
  registry.value.kind = RegistryValue::Kind::OtherType;           // would raise if it were read
  engine.CreateShortcuts();
  EXPECT_TRUE(registry.reads.empty());
  EXPECT_EQ(links.created, 0);
  EXPECT_TRUE(shell.calls.empty());
}

TEST_F(ShortcutTest, MissingOrEmptyProgramsValueMeansNoGroup) {
  test::PutFile("D:\\NUVEX\\PLAYER.EXE", "exe");
  Records({IndexRecord("player", 0, fkDestination, "\\PLAYER.EXE")});
  for (RegistryValue value : {RegistryValue{}, test::FakeRegistry::Text("")}) {
    registry.value = value;
    engine.CreateShortcuts();
  }
  EXPECT_EQ(registry.reads.size(), 2u);
  EXPECT_EQ(links.created, 0);
  EXPECT_TRUE(shell.calls.empty());
}

TEST_F(ShortcutTest, ProgramsValueOfAnotherTypeRaises) {
  test::PutFile("D:\\NUVEX\\PLAYER.EXE", "exe");
  Records({IndexRecord("player", 0, fkDestination, "\\PLAYER.EXE")});
  registry.value.kind = RegistryValue::Kind::OtherType;
  EXPECT_EQ(test::MessageOf<Error>([&] { engine.CreateShortcuts(); }), "Invalid data type for 'Programs'");
  EXPECT_EQ(links.created, 0);
}

TEST_F(ShortcutTest, LinkObjectThatCannotBeHadRaisesAfterTheGroupExists) {
  test::PutFile("D:\\NUVEX\\PLAYER.EXE", "exe");
  Records({IndexRecord("player", 0, fkDestination, "\\PLAYER.EXE")});
  links.failure = "Class not registered";
  EXPECT_EQ(test::MessageOf<Error>([&] { engine.CreateShortcuts(); }), "Class not registered");
  EXPECT_TRUE(DirectoryExists("C:\\Menu\\Programs\\Nuvex Player"));
  EXPECT_TRUE(links.log.empty());
  EXPECT_TRUE(shell.calls.empty());
}

TEST_F(ShortcutTest, UninstallerPathWhenTheProgramHasNoFolder) {
  // A destination without any folder text: the uninstaller is "\Uninstall.exe".
  engine.DestinationFolder = "";
  test::TempFolder cwd;
  auto saved = std::filesystem::current_path();
  std::filesystem::current_path(cwd.Path());
  test::WriteAll(cwd / "PLAYER.EXE", "exe");
  Records({IndexRecord("player", 0, fkDestination, "PLAYER.EXE")});
  engine.CreateShortcuts();
  std::filesystem::current_path(saved);
  ASSERT_EQ(links.log.size(), 10u);
  EXPECT_EQ(links.log[1], "SetPath(PLAYER.EXE)");
  EXPECT_EQ(links.log[2], "SetWorkingDirectory()");
  EXPECT_EQ(links.log[7], "SetPath(\\Uninstall.exe)");
  EXPECT_EQ(links.log[8], "SetWorkingDirectory(\\)");
}

TEST_F(ShortcutTest, NativeLinkFilesAfterARealRun) {
  // The whole road natively: install, then the stand-in link writer.
  test::PutFile("C:\\Package\\player.nvx", test::Packed("the player"));
  WriteIndex({IndexRecord("player.nvx", 1, fkDestination, "\\NuvexPlayer.exe")});
  ScopedService<ShellLinkFactory> realLinks(Service<ShellLinkFactory>::Platform());
  TRunInstall real(kPackage);
  real.DestinationFolder = "D:\\NUVEX";
  real.Version = "2.6";
  ASSERT_TRUE(real.RunInstall());
  real.CreateShortcuts();
  const std::string group = "C:\\Menu\\Programs\\Nuvex Player\\";
  EXPECT_EQ(test::FileText(group + "Nuvex Player 2.6.lnk"),
            "[Shortcut]\nTarget=D:\\NUVEX\\NUVEXPLAYER.EXE\nWorkingDirectory=D:\\NUVEX\\\nArguments=\n");
  EXPECT_EQ(test::FileText(group + "Help - version 2.6.lnk"),
            "[Shortcut]\nTarget=D:\\NUVEX\\NUVEXPLAYER.chm\nWorkingDirectory=D:\\NUVEX\\\nArguments=\n");
  EXPECT_EQ(test::FileText(group + "Uninstall - version 2.6.lnk"),
            "[Shortcut]\nTarget=D:\\NUVEX\\Uninstall.exe\nWorkingDirectory=D:\\NUVEX\\\nArguments=\n");
}

}  // namespace
}  // namespace nuvex

#endif  // _WIN32
