// The installation run on the real Win32 calls: a package made with the
// package builder is installed into every folder kind the test prefix allows,
// components are registered by the real RegSvr32, a file is opened by the
// real shell, and the Start-menu shortcuts are written by the shell's link
// object and read back through it.  Also the extraction's Windows-only faults.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "base/Ascii.h"
#include "base/Error.h"
#include "base/Paths.h"
#include "installer/Messages.h"
#include "installer/SetupUnit.h"
#include "installer/WinSysTools.h"
#include "package/Compressor.h"
#include "package/FileConfiguration.h"
#include "package/PackageIndex.h"
#include "platform/ComPtr.h"
#include "platform/Files.h"
#include "platform/UserRegistry.h"
#include "tests/support/IndexRecord.h"
#include "tests/support/InstallFakes.h"
#include "tests/support/TestSupport.h"
#include "tools/nvxpack/IndexFile.h"
#include "tools/nvxpack/Packer.h"

namespace nuvex {
namespace {

using test::TempFolder;

using test::IndexRecord;

std::string Text(const std::string& path) {
  auto b = test::ReadAll(path);
  return std::string(b.begin(), b.end());
}

// Waits for a file that a started program is to write.
bool AppearsWithin(const std::string& path, std::chrono::seconds limit) {
  auto until = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < until) {
    if (FileExists(path)) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return FileExists(path);
}

class ComScope {
 public:
  ComScope() { initialised_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)); }
  ~ComScope() {
    if (initialised_) CoUninitialize();
  }

 private:
  bool initialised_;
};

struct LinkContents {
  std::string path, folder, arguments;
};

LinkContents ReadLink(const std::string& file) {
  ComPtr<IShellLinkA> link;
  EXPECT_TRUE(SUCCEEDED(
      CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(link.Out()))));
  ComPtr<IPersistFile> persist;
  EXPECT_TRUE(SUCCEEDED(link->QueryInterface(IID_PPV_ARGS(persist.Out()))));
  std::wstring wide(file.begin(), file.end());
  EXPECT_TRUE(SUCCEEDED(persist->Load(wide.c_str(), STGM_READ))) << file;
  char buffer[MAX_PATH * 2] = {};
  LinkContents out;
  if (SUCCEEDED(link->GetPath(buffer, MAX_PATH, nullptr, SLGP_RAWPATH))) out.path = buffer;
  buffer[0] = 0;
  if (SUCCEEDED(link->GetWorkingDirectory(buffer, MAX_PATH))) out.folder = buffer;
  buffer[0] = 0;
  if (SUCCEEDED(link->GetArguments(buffer, MAX_PATH))) out.arguments = buffer;
  return out;
}

std::string ProgramsFolder() {
  return ReadRegistryString(Service<UserRegistry>::Platform(), "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                            "Programs");
}

// Files this test put into the prefix's shared folders are taken away again.
class Cleanup {
 public:
  ~Cleanup() {
    for (const auto& p : paths) {
      SetFileAttributesA(p.c_str(), FILE_ATTRIBUTE_NORMAL);
      std::error_code ignored;
      std::filesystem::remove_all(p, ignored);
    }
  }
  std::vector<std::string> paths;
};

TEST(InstallWin, SystemFoldersComeFromThePlatform) {
  std::string system = GetSystemDir(), windows = GetWindowsDir();
  ASSERT_FALSE(system.empty());
  ASSERT_FALSE(windows.empty());
  EXPECT_NE(system.back(), '\\');
  EXPECT_TRUE(DirectoryExists(system));
  EXPECT_TRUE(DirectoryExists(windows));
  EXPECT_EQ(LowerAscii(system).rfind(LowerAscii(windows) + "\\", 0), 0u);  // the system folder lies in the Windows folder
  EXPECT_FALSE(ShellOpen(windows + "\\no such file here.txt"));
}

TEST(InstallWin, RunPlacesEveryFolderKindRegistersOpensAndMakesShortcuts) {
  ComScope com;
  TempFolder package, dest;
  Cleanup cleanup;
  const std::string unique = "nuvex-test-" + std::to_string(GetCurrentProcessId());
  const std::string destination = dest.Path() + "Nuvex Player 2.6 XP";  // blanks on purpose
  const std::string programs = ProgramsFolder();
  ASSERT_FALSE(programs.empty()) << "the prefix has no Programs folder";
  const std::string group = programs + (path::EndsWithSeparator(programs) ? "" : "\\") + "Nuvex Player\\";
  cleanup.paths = {GetWindowsDir() + "\\" + unique + ".k1", GetSystemDir() + "\\" + unique + ".k2",
                   GetSystemDir() + "\\" + unique + ".k3", "C:\\Temp\\" + unique + ".k4", group};
  std::filesystem::remove_all(group);

  // The package: packed and plain files, a component and a batch file.
  test::WriteAll(package / "player.bin", std::string(20000, 'P'));
  nvxpack::PackFile(package / "player.bin", package / "player.nvx");
  test::WriteAll(package / "readme.txt", "read me");
  test::WriteAll(package / "k.txt", "kinds");
  nvxpack::PackFile(package / "k.txt", package / "k.nvx");
  ASSERT_TRUE(CopyFileOver(ProgramFolder() + "RegistrationMarker.ax", package / "filter.ax"));
  test::WriteAll(package / "open.bat", "@echo opened> \"%~dp0opened.txt\"\r\n");
  nvxpack::WriteIndexFile(package / kPackageIndexName,
                          {
                              IndexRecord("player.nvx", 1, fkDestination, "\\Player.exe"),
                              IndexRecord("readme.txt", 0, fkDestination, "\\Docs\\ReadMe.txt"),
                              IndexRecord("k1.txt", 0, fkWindows, "\\" + unique + ".k1"),
                              IndexRecord("k2.nvx", 1, fkSystem, "\\" + unique + ".k2"),
                              IndexRecord("k3.txt", 0, fkSystem32, "\\" + unique + ".k3"),
                              IndexRecord("k4.nvx", 1, fkTemp, unique + ".k4"),
                              IndexRecord("k9.txt", 0, 9, dest.Path() + "absolute\\k9.txt"),
                              IndexRecord("filter.ax", 0, fkDestination, "\\Filters\\filter.ax", faRegister),
                              IndexRecord("open.bat", 0, fkDestination, "\\Open me.bat", faOpen),
                          });
  for (const char* copy : {"k1.txt", "k3.txt", "k9.txt"}) ASSERT_TRUE(CopyFileOver(package / "k.txt", package / copy));
  for (const char* copy : {"k2.nvx", "k4.nvx"}) ASSERT_TRUE(CopyFileOver(package / "k.nvx", package / copy));

  // The real shell starts RegSvr32 and opens the batch file; the group is
  // only recorded, so that no shell window stays behind.
  test::RecordingShell shell;
  shell.answer = [&](const test::ShellCall& c) -> TShellResult {
    return c.file == group ? TShellResult::StartedOk()
                           : Service<Shell>::Platform().Execute(c.verb, c.file, c.parameters, c.showState);
  };
  ScopedService<Shell> useShell(shell);
  TRunInstall engine(package.Path());
  engine.DestinationFolder = destination;
  engine.Version = "2.6";
  int starts = 0, progress = 0;
  engine.OnStart = [&](void*, int32_t, int32_t) { ++starts; };
  engine.OnProgress = [&](void*, int32_t) { ++progress; };
  ASSERT_TRUE(engine.RunInstall());

  EXPECT_EQ(starts, 3);
  EXPECT_EQ(progress, 4);  // 20000 bytes: four full pieces
  EXPECT_EQ(Text(destination + "\\Player.exe"), std::string(20000, 'P'));
  EXPECT_EQ(Text(destination + "\\Docs\\ReadMe.txt"), "read me");
  for (const auto& p : cleanup.paths) {
    if (p != group) {
      EXPECT_EQ(Text(p), "kinds") << p;
    }
  }
  EXPECT_EQ(Text(dest.Path() + "absolute\\k9.txt"), "kinds");

  ASSERT_EQ(shell.calls.size(), 2u);
  const std::string component = destination + "\\Filters\\filter.ax";
  char system[MAX_PATH]{};
  GetSystemDirectoryA(system, MAX_PATH);  // the system folder's own RegSvr32, by its full path
  EXPECT_EQ(shell.calls[0],
            (test::ShellCall{"open", std::string(system) + "\\RegSvr32.exe", "\"" + component + "\"", kShowHide}));
  EXPECT_TRUE(shell.results[0].Started());
  EXPECT_TRUE(AppearsWithin(component + ".registered", std::chrono::seconds(30)))
      << "RegSvr32 did not register the component at a path with blanks";
  EXPECT_EQ(shell.calls[1], (test::ShellCall{"open", destination + "\\Open me.bat", "", kShowHide}));
  EXPECT_TRUE(shell.results[1].Started());
  EXPECT_TRUE(AppearsWithin(destination + "\\opened.txt", std::chrono::seconds(30)));

  // Shortcuts in English, then in Polish.
  for (uint8_t language : {kEnglishLanguage, kPolishLanguage}) {
    SCOPED_TRACE(int{language});
    SetCurrentLanguage(language);
    std::filesystem::remove_all(group);
    shell.calls.clear();
    engine.CreateShortcuts();
    const bool english = language == kEnglishLanguage;
    const std::string program = destination + "\\PLAYER.EXE";
    std::vector<std::pair<std::string, std::string>> expected = {
        {"Nuvex Player 2.6.lnk", program},
        {english ? "Help - version 2.6.lnk" : "Pomoc - wersja 2.6.lnk", destination + "\\PLAYER.chm"},
        {english ? "Uninstall - version 2.6.lnk" : "Deinstalacja - wersja 2.6.lnk", destination + "\\Uninstall.exe"},
    };
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(group)) names.push_back(e.path().filename().string());
    EXPECT_EQ(names.size(), 3u);
    for (const auto& [name, target] : expected) {
      SCOPED_TRACE(name);
      ASSERT_TRUE(FileExists(group + name));
      LinkContents link = ReadLink(group + name);
      EXPECT_EQ(LowerAscii(link.path), LowerAscii(target));
      EXPECT_EQ(LowerAscii(link.folder), LowerAscii(destination + "\\"));
      EXPECT_EQ(link.arguments, "");
    }
    EXPECT_EQ(shell.calls, (std::vector<test::ShellCall>{{"open", group, "", kShowNormal}}));
  }
  SetCurrentLanguage(kEnglishLanguage);
}

TEST(InstallWin, RegistryReadsStringsAndTellsOtherTypesApart) {
  const std::string key = "Software\\NuvexTest-" + std::to_string(GetCurrentProcessId());
  HKEY h = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr),
            ERROR_SUCCESS);
  const char text[] = "C:\\Menu\\Programs";
  const char expandable[] = "%SystemRoot%\\x";
  DWORD number = 7;
  RegSetValueExA(h, "Text", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text);
  RegSetValueExA(h, "Expandable", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(expandable), sizeof expandable);
  RegSetValueExA(h, "Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
  RegSetValueExA(h, "Empty", 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
  RegCloseKey(h);

  UserRegistry& registry = Service<UserRegistry>::Platform();
  EXPECT_EQ(ReadRegistryString(registry, "\\" + key, "Text"), text);
  EXPECT_EQ(ReadRegistryString(registry, key, "Expandable"), expandable);  // not expanded
  EXPECT_EQ(ReadRegistryString(registry, key, "Empty"), "");
  EXPECT_EQ(ReadRegistryString(registry, key, "Missing"), "");
  EXPECT_EQ(ReadRegistryString(registry, key + "\\NoSuchKey", "Text"), "");
  EXPECT_EQ(test::MessageOf<Error>([&] { ReadRegistryString(registry, key, "Number"); }),
            "Invalid data type for 'Number'");
  // Reading created nothing.
  EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, (key + "\\NoSuchKey").c_str(), 0, KEY_READ, &h), ERROR_SUCCESS);
  RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
}

TEST(InstallWin, ExtractionHonoursReadOnlyTargetsAndLockedSources) {
  TempFolder tmp;
  test::WriteAll(tmp / "data.txt", std::string(10000, 'd'));
  nvxpack::PackFile(tmp / "data.txt", tmp / "data.nvx");
  const std::string target = tmp / "target.txt";
  test::WriteAll(target, "earlier");
  ASSERT_TRUE(SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY));
  TCompressor compressor;
  int starts = 0;
  compressor.OnStart = [&](void*, int32_t, int32_t) { ++starts; };
  EXPECT_EQ(test::MessageOf<Error>([&] { compressor.Decompress(tmp / "data.nvx", target); }),
            "Cannot create file " + target);
  SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(Text(target), "earlier");

  // A target another program holds open without sharing, and a folder: both
  // are found before any work.
  HANDLE held = CreateFileA(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_EQ(test::MessageOf<Error>([&] { compressor.Decompress(tmp / "data.nvx", target); }),
            "Cannot create file " + target);
  CloseHandle(held);
  EXPECT_EQ(Text(target), "earlier");
  ASSERT_TRUE(CreateDirectoryA((tmp / "folder").c_str(), nullptr));
  EXPECT_EQ(test::MessageOf<Error>([&] { compressor.Decompress(tmp / "data.nvx", tmp / "folder"); }),
            "Cannot create file " + (tmp / "folder"));
  RemoveDirectoryA((tmp / "folder").c_str());
  EXPECT_EQ(starts, 0);

  // A source that another program holds without sharing cannot be opened.
  HANDLE lock = CreateFileA((tmp / "data.nvx").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  EXPECT_EQ(test::MessageOf<Error>([&] { compressor.Decompress(tmp / "data.nvx", target); }),
            "Cannot open file " + (tmp / "data.nvx"));
  CloseHandle(lock);
  EXPECT_EQ(Text(target), "earlier");
  test::WriteAll(tmp / "~nvx0.tmp", "left by an interrupted run");
  EXPECT_TRUE(compressor.Decompress(tmp / "data.nvx", target));
  EXPECT_EQ(Text(target), std::string(10000, 'd'));
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(tmp.Path())) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"data.nvx", "data.txt", "target.txt"}));
}

TEST(InstallWin, TargetsNearMaxPathAreExtracted) {
  // Targets of up to 259 characters, the longest path the ANSI calls take,
  // in a folder of 247 (the longest CreateDirectoryA makes) and in one of 252
  // (made with the wide call), where a temporary name of nine characters
  // beside a short target name would pass the limit.
  TempFolder tmp;
  test::WriteAll(tmp / "data.txt", std::string(5000, 'm'));
  nvxpack::PackFile(tmp / "data.txt", tmp / "data.nvx");
  for (size_t folderLength : {size_t{247}, size_t{252}}) {
    std::string folder = tmp.Path() + std::to_string(folderLength) + "\\";
    while (folder.size() + 101 < folderLength) folder += std::string(100, 'f') + "\\";
    folder += std::string(folderLength - folder.size(), 'g');
    ASSERT_EQ(folder.size(), folderLength);
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(L"\\\\?\\" + std::wstring(folder.begin(), folder.end())), ec);
    ASSERT_TRUE(DirectoryExists(folder)) << ec.message();
    for (size_t length : {size_t{259}, folderLength + 2}) {
      const std::string target = folder + "\\" + std::string(length - folder.size() - 1, 't');
      SCOPED_TRACE(target.size());
      TCompressor compressor;
      ASSERT_TRUE(compressor.Decompress(tmp / "data.nvx", target));
      EXPECT_EQ(Text(target), std::string(5000, 'm'));
    }
    size_t entries = 0;
    for (const auto& e : std::filesystem::directory_iterator(
             std::filesystem::path(L"\\\\?\\" + std::wstring(folder.begin(), folder.end()))))
      entries += e.is_regular_file();
    EXPECT_EQ(entries, 2u);  // the two targets, no temporary file
  }
}

TEST(InstallWin, ASecondInstallationOverReadOnlySourcesSucceeds) {
  // A plain file copied from a CD keeps its read-only attribute.
  TempFolder package, dest;
  test::WriteAll(package / "a.txt", "from the CD");
  test::WriteAll(package / "b.txt", "data");
  nvxpack::PackFile(package / "b.txt", package / "b.nvx");
  nvxpack::WriteIndexFile(package / kPackageIndexName,
                          {IndexRecord("a.txt", 0, fkDestination, "\\Docs\\ReadMe.txt"),
                           IndexRecord("b.nvx", 1, fkDestination, "\\b.txt")});
  for (const char* name : {"a.txt", "b.nvx", "Setup.dat"})
    ASSERT_TRUE(SetFileAttributesA((package / name).c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
  for (int run = 1; run <= 2; ++run) {
    SCOPED_TRACE(run);
    TRunInstall engine(package.Path());
    engine.DestinationFolder = dest.Path() + "Nuvex";
    EXPECT_TRUE(engine.RunInstall());
    const DWORD attributes = GetFileAttributesA((dest.Path() + "Nuvex\\Docs\\ReadMe.txt").c_str());
    EXPECT_EQ(attributes & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_NE(attributes & FILE_ATTRIBUTE_ARCHIVE, 0u);  // nothing else changes
    EXPECT_EQ(Text(dest.Path() + "Nuvex\\Docs\\ReadMe.txt"), "from the CD");
  }
  for (const char* name : {"a.txt", "b.nvx", "Setup.dat"})
    SetFileAttributesA((package / name).c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(InstallWin, ARecordTheShellRefusesEndsTheRunThere) {
  // The real shell: no program is associated with the ".nvxnone" extension,
  // and a component whose registration program cannot be found.
  TempFolder package, dest;
  test::WriteAll(package / "a.txt", "a");
  test::WriteAll(package / "b.nvxnone", "b");
  test::WriteAll(package / "c.txt", "c");
  nvxpack::WriteIndexFile(package / kPackageIndexName,
                          {IndexRecord("a.txt", 0, fkDestination, "\\a.txt"),
                           IndexRecord("b.nvxnone", 0, fkDestination, "\\b.nvxnone", faOpen),
                           IndexRecord("c.txt", 0, fkDestination, "\\c.txt")});
  test::RecordingShell shell;
  shell.forward = &Service<Shell>::Platform();
  ScopedService<Shell> useShell(shell);
  TRunInstall engine(package.Path());
  engine.DestinationFolder = dest.Path() + "Nuvex";
  EXPECT_FALSE(engine.RunInstall());
  ASSERT_EQ(shell.results.size(), 1u);
  EXPECT_LE(shell.results[0].ShellValue(), 32);
  EXPECT_TRUE(FileExists(dest.Path() + "Nuvex\\b.nvxnone"));
  EXPECT_FALSE(FileExists(dest.Path() + "Nuvex\\c.txt"));
}

// A drive of 1 MiB that the test command maps (tests/win/full-drive.sh), named
// by NUVEX_FULL_DRIVE ("Q:"): a full disk under wine.
TEST(InstallWin, AFullDiskRaisesStreamWriteErrorAndLosesNothing) {
  const char* drive = std::getenv("NUVEX_FULL_DRIVE");
  ASSERT_TRUE(drive && *drive) << "NUVEX_FULL_DRIVE is not set: this case runs where the test command maps the drive";
  if (!DirectoryExists(std::string(drive) + "\\"))
    GTEST_SKIP() << "no size-limited drive " << drive << ": tests/win/full-drive.sh could not mount a tmpfs";
  const std::string root = std::string(drive) + "\\";
  TempFolder tmp;
  // 3 MiB that do not compress, for a drive of 1 MiB.
  std::string noise(3 << 20, '\0');
  uint32_t x = 12345;
  for (char& c : noise) c = static_cast<char>((x = x * 1103515245u + 12345u) >> 24);
  test::WriteAll(tmp / "big.bin", noise);
  nvxpack::PackFile(tmp / "big.bin", tmp / "big.nvx");
  const std::string target = root + "film.bin";
  test::WriteAll(target, "earlier");
  TCompressor compressor;
  EXPECT_EQ(test::MessageOf<Error>([&] { compressor.Decompress(tmp / "big.nvx", target); }), "Stream write error");
  EXPECT_EQ(Text(target), "earlier");
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(root)) names.push_back(e.path().filename().string());
  EXPECT_EQ(names, (std::vector<std::string>{"film.bin"}));
  // A plain copy that does not fit fails the record.
  EXPECT_FALSE(CopyFileOver(tmp / "big.bin", root + "copy.bin"));
  DeleteFileA((root + "copy.bin").c_str());
  DeleteFileA(target.c_str());
}

}  // namespace
}  // namespace nuvex
