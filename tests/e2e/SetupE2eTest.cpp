// The built Setup.exe as the user meets it: copied beside a package made for
// each case, started as a process of its own in English or Polish, and
// driven through the window system's input queue (cursor, mouse buttons,
// keys).  What it does is read back from the screen, its message boxes, the
// file system and the shortcuts it wrote.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>

#include "base/Ascii.h"
#include "installer/Messages.h"
#include "installer/RunInstallWindow.h"
#include "package/FileConfiguration.h"
#include "package/PackageIndex.h"
#include "platform/ComPtr.h"
#include "platform/Files.h"
#include "platform/UserRegistry.h"
#include "tests/support/DesktopInput.h"
#include "tests/support/IndexRecord.h"
#include "tests/support/PinnedTexts.h"
#include "tests/support/TestSupport.h"
#include "tests/support/WindowLists.h"
#include "tools/nvxpack/IndexFile.h"
#include "tools/nvxpack/Package.h"
#include "tools/nvxpack/Packer.h"

namespace nuvex {
namespace {

using namespace test;  // the desktop's windows and input

constexpr const char* kEnglish = "en_US.UTF-8";
constexpr const char* kPolish = "pl_PL.UTF-8";
// Points of the window's client area, from its stored description.
constexpr POINT kInstallButton{193, 82};
constexpr POINT kFolderText{150, 237};

// A message as the window system shows it in that language.
std::wstring Message(const char* locale, int id) {
  const bool polish = std::string(locale) == kPolish;
  return Wide(test::Pinned(id, polish ? kPolishLanguage : kEnglishLanguage), polish ? 1250 : 1252);
}

// One run of Setup.exe in its own package folder.  Whatever the test does,
// the process does not outlive it.
class SetupProcess {
 public:
  ~SetupProcess() {
    if (info_.hProcess) {
      if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
      }
      CloseHandle(info_.hProcess);
      CloseHandle(info_.hThread);
    }
  }

  // Starts folder\Setup.exe with the system locale of `locale`.
  bool Start(const std::string& folder, const char* locale) {
    locale_ = locale;
    std::string environment;
    char* block = GetEnvironmentStringsA();
    for (const char* e = block; *e; e += strlen(e) + 1) {
      if (_strnicmp(e, "LC_ALL=", 7) != 0) environment.append(e).push_back('\0');
    }
    FreeEnvironmentStringsA(block);
    environment.append("LC_ALL=").append(locale).push_back('\0');
    environment.push_back('\0');
    std::string command = "\"" + folder + "Setup.exe\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    return CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, environment.data(), folder.c_str(),
                          &startup, &info_) != FALSE;
  }

  DWORD Id() const { return info_.dwProcessId; }
  bool Exited(DWORD ms) const { return WaitForSingleObject(info_.hProcess, ms) == WAIT_OBJECT_0; }
  DWORD ExitCode() const {
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
  }

  // The process's showing top-level window of this class and caption.
  HWND Window(const std::string& className, const std::wstring& caption, DWORD ms = 15000) const {
    HWND found = nullptr;
    WaitFor(
        [&] {
          for (HWND w : TopWindows(Id()))
            if (ClassOf(w) == className && TextOf(w) == caption) found = w;
          return found != nullptr;
        },
        ms);
    return found;
  }
  HWND MainWindow() const { return Window("NuvexWindow", Message(locale_, 100)); }
  HWND Box(const std::wstring& caption, DWORD ms = 30000) const { return Window("#32770", caption, ms); }

 private:
  const char* locale_ = kEnglish;
  PROCESS_INFORMATION info_{};
};

// The child window of the main window at this client point.
HWND ChildAt(HWND main, POINT client) {
  for (HWND child : Children(main)) {
    RECT r;
    GetWindowRect(child, &r);
    POINT a{r.left, r.top};
    ScreenToClient(main, &a);
    if (client.x >= a.x && client.y >= a.y && client.x < a.x + (r.right - r.left) &&
        client.y < a.y + (r.bottom - r.top))
      return child;
  }
  return nullptr;
}

std::string ProgramsFolder() {
  return ReadRegistryString(Service<UserRegistry>::Platform(),
                            "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Programs");
}

struct LinkContents {
  std::string path, folder;
};

LinkContents ReadLink(const std::string& file) {
  LinkContents out;
  ComPtr<IShellLinkA> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(link.Out())))) return out;
  ComPtr<IPersistFile> persist;
  if (FAILED(link->QueryInterface(IID_PPV_ARGS(persist.Out())))) return out;
  std::wstring wide(file.begin(), file.end());
  if (FAILED(persist->Load(wide.c_str(), STGM_READ))) return out;
  char buffer[MAX_PATH * 2] = {};
  if (SUCCEEDED(link->GetPath(buffer, MAX_PATH, nullptr, SLGP_RAWPATH))) out.path = buffer;
  buffer[0] = 0;
  if (SUCCEEDED(link->GetWorkingDirectory(buffer, MAX_PATH))) out.folder = buffer;
  return out;
}

std::string Contents(const std::string& path) {
  auto bytes = test::ReadAll(path);
  return std::string(bytes.begin(), bytes.end());
}

// A film-like payload that inflates in a few progress reports.
std::string Film() {
  std::string film;
  for (uint32_t x = 7; film.size() < 200000;) {
    x = x * 1103515245u + 12345u;
    film.append(1 + (x >> 28), static_cast<char>('a' + (x >> 16) % 26));
  }
  return film;
}

class SetupE2e : public ::testing::Test {
 protected:
  void SetUp() override {
    com_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    const std::string programs = ProgramsFolder();
    ASSERT_FALSE(programs.empty());
    group_ = programs + (programs.back() == '\\' ? "" : "\\") + "Nuvex Player\\";
    ASSERT_FALSE(DirectoryExists(kDefaultDestinationFolder)) << "left over from elsewhere";
    ASSERT_TRUE(CopyFileOver(NUVEX_SETUP_EXE, package_ / "Setup.exe"));
    for (HWND w : TopWindows(0)) windowsBefore_.insert(w);
  }

  void TearDown() override {
    CloseShellWindows();
    std::error_code ignored;
    for (const std::string& p : {std::string(kDefaultDestinationFolder), group_}) std::filesystem::remove_all(p, ignored);
    if (com_) CoUninitialize();
  }

  // Starts Setup.exe on the package in the locale: its main window, or null
  // when the program did not start or showed none.
  HWND StartSetup(SetupProcess& setup, const char* locale) {
    return setup.Start(package_.Path(), locale) ? setup.MainWindow() : nullptr;
  }

  // The player, a packed film, a component that records its registration
  // and the uninstaller, into `package_`.
  void MakePackage() {
    film_ = Film();
    test::WriteAll(work_ / "film.bin", film_);
    nvxpack::PackFile(work_ / "film.bin", package_ / "film.nvx");
    test::WriteAll(package_ / "NuvexPlayer.exe", "player");
    test::WriteAll(package_ / "Uninstall.exe", "uninstall");
    ASSERT_TRUE(CopyFileOver(NUVEX_REGISTRATION_MARKER, package_ / "filter.ax"));
    nvxpack::WriteIndexFile(package_ / kPackageIndexName,
                            {test::IndexRecord("NuvexPlayer.exe", 0, fkDestination, "\\NuvexPlayer.exe"),
                             test::IndexRecord("film.nvx", 1, fkDestination, "\\Films\\Sample.film"),
                             test::IndexRecord("filter.ax", 0, fkDestination, "\\filter.ax", faRegister),
                             test::IndexRecord("Uninstall.exe", 0, fkDestination, "\\Uninstall.exe")});
  }

  void ExpectInstalledIn(const std::string& destination) {
    EXPECT_EQ(Contents(destination + "\\NuvexPlayer.exe"), "player");
    EXPECT_EQ(Contents(destination + "\\Uninstall.exe"), "uninstall");
    EXPECT_EQ(Contents(destination + "\\Films\\Sample.film").size(), film_.size());
    EXPECT_TRUE(Contents(destination + "\\Films\\Sample.film") == film_);
    EXPECT_TRUE(WaitFor([&] { return FileExists(destination + "\\filter.ax.registered"); }, 20000))
        << "the component was not registered";
  }

  void ExpectShortcuts(const std::string& destination, bool english) {
    const std::string program = destination + "\\NuvexPlayer.exe";
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Nuvex Player 2.6.lnk", program},
        {english ? "Help - version 2.6.lnk" : "Pomoc - wersja 2.6.lnk", destination + "\\NuvexPlayer.chm"},
        {english ? "Uninstall - version 2.6.lnk" : "Deinstalacja - wersja 2.6.lnk", destination + "\\Uninstall.exe"},
    };
    std::error_code error;
    size_t count = 0;
    for (auto it = std::filesystem::directory_iterator(group_, error); !error && it != std::filesystem::directory_iterator(); ++it) ++count;
    EXPECT_EQ(count, 3u) << group_;
    for (const auto& [name, target] : expected) {
      SCOPED_TRACE(name);
      ASSERT_TRUE(FileExists(group_ + name));
      const LinkContents link = ReadLink(group_ + name);
      EXPECT_EQ(LowerAscii(link.path), LowerAscii(target));
      EXPECT_EQ(LowerAscii(link.folder), LowerAscii(destination + "\\"));
    }
  }

  // The shell opens the group folder in a window of its own program: it is
  // closed, and its process waited for.  Answers how many there were.
  int CloseShellWindows() {
    int closed = 0;
    for (HWND w : TopWindows(0)) {
      if (windowsBefore_.count(w)) continue;
      DWORD pid = 0;
      GetWindowThreadProcessId(w, &pid);
      if (pid == GetCurrentProcessId()) continue;
      HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid);
      PostMessageA(w, WM_CLOSE, 0, 0);
      if (process) {
        if (WaitForSingleObject(process, 5000) == WAIT_TIMEOUT) TerminateProcess(process, 1);
        CloseHandle(process);
      }
      ++closed;
    }
    return closed;
  }

  // Screen pixels of the main window's client area, kept as a picture when
  // the run says where.
  void KeepPicture(HWND main, const char* name) {
    ScreenGrab grab(ClientOnScreen(main));
    const char* folder = std::getenv("NUVEX_E2E_PICTURES");
    if (folder && *folder) grab.SaveBmp(std::string(folder) + "\\" + name);
  }

  bool com_ = false;
  test::TempFolder package_, work_;
  std::string group_;
  std::string film_;
  std::set<HWND> windowsBefore_;
};

// Presses the install button and answers the message box with this caption:
// its text is checked and the box confirmed.  False when no box came, or it
// would not close.
bool PressInstallAndConfirm(SetupProcess& setup, HWND main, const std::wstring& caption, const std::wstring& text,
                            DWORD ms = 30000) {
  ClickAt(main, OnScreen(main, kInstallButton));
  HWND box = setup.Box(caption, ms);
  if (!box) return false;
  EXPECT_EQ(BoxText(box), text);
  return Confirm(box);
}

// The whole installation in one language, through the real button.
void InstallsThroughTheButton(SetupProcess& setup, const char* locale) {
  HWND main = setup.MainWindow();
  ASSERT_NE(main, nullptr) << "no installer window";
  ASSERT_TRUE(PressInstallAndConfirm(setup, main, Message(locale, 5), Message(locale, 104)))
      << "no success box, or it stayed";
  EXPECT_TRUE(setup.Exited(10000)) << "the program did not end after the success box";
  EXPECT_EQ(setup.ExitCode(), 0u);
}

TEST_F(SetupE2e, InstallsEveryFileRegistersAndMakesEnglishShortcuts) {
  MakePackage();
  SetupProcess setup;
  HWND main = StartSetup(setup, kEnglish);
  ASSERT_NE(main, nullptr) << "Setup.exe did not start or showed no window";
  Sleep(300);  // its first paint
  KeepPicture(main, "setup-en.bmp");
  InstallsThroughTheButton(setup, kEnglish);
  ExpectInstalledIn(kDefaultDestinationFolder);
  ExpectShortcuts(kDefaultDestinationFolder, true);
  // The group's window shows up a little after the program asked for it.
  WaitFor([&] { return CloseShellWindows() > 0; }, 5000);
}

// The program's locale comes from the environment wine starts this test
// program with (run-e2e.sh runs it once more in Polish for this case).
TEST_F(SetupE2e, InstallsWithPolishShortcutsInAPolishSystem) {
  if (PRIMARYLANGID(GetSystemDefaultLangID()) != LANG_POLISH) GTEST_SKIP() << "needs LC_ALL=pl_PL.UTF-8";
  MakePackage();
  SetupProcess setup;
  ASSERT_TRUE(setup.Start(package_.Path(), kPolish));
  HWND main = setup.MainWindow();
  if (!main)
    for (HWND w : TopWindows(setup.Id())) {
      const std::wstring caption = TextOf(w);
      ADD_FAILURE() << ClassOf(w) << " " << std::string(caption.begin(), caption.end());
    }
  ASSERT_NE(main, nullptr) << "no window with the Polish caption";
  Sleep(300);
  KeepPicture(main, "setup-pl.bmp");
  InstallsThroughTheButton(setup, kPolish);
  ExpectInstalledIn(kDefaultDestinationFolder);
  ExpectShortcuts(kDefaultDestinationFolder, false);
  WaitFor([&] { return CloseShellWindows() > 0; }, 5000);
}

TEST_F(SetupE2e, AMissingIndexFailsAndTheNextClickInstallsAfresh) {
  SetupProcess setup;
  HWND main = StartSetup(setup, kEnglish);
  ASSERT_NE(main, nullptr) << "Setup.exe did not start or showed no window";
  ASSERT_TRUE(PressInstallAndConfirm(setup, main, Message(kEnglish, 4), Message(kEnglish, 105)))
      << "no failure box, or it stayed";
  EXPECT_FALSE(setup.Exited(500)) << "the window went with the failure";
  EXPECT_TRUE(IsWindowVisible(main));
  EXPECT_FALSE(DirectoryExists(kDefaultDestinationFolder));

  MakePackage();
  ASSERT_TRUE(PressInstallAndConfirm(setup, main, Message(kEnglish, 5), Message(kEnglish, 104)))
      << "no success box on the second click, or it stayed";
  EXPECT_TRUE(setup.Exited(10000));
  ExpectInstalledIn(kDefaultDestinationFolder);
  WaitFor([&] { return CloseShellWindows() > 0; }, 5000);
}

TEST_F(SetupE2e, ACorruptPackedFileIsReportedAsAnError) {
  std::string broken = "NVX";  // not what the packer writes
  broken.append(5000, '\x5A');
  test::WriteAll(package_ / "film.nvx", broken);
  nvxpack::WriteIndexFile(package_ / kPackageIndexName,
                          {test::IndexRecord("film.nvx", 1, fkDestination, "\\Sample.film")});
  SetupProcess setup;
  HWND main = StartSetup(setup, kEnglish);
  ASSERT_NE(main, nullptr) << "Setup.exe did not start or showed no window";
  ASSERT_TRUE(PressInstallAndConfirm(setup, main, Message(kEnglish, 101), L"error."))
      << "no error report, or it stayed";
  // Whatever follows the report, the program still answers and no success
  // is claimed.
  EXPECT_EQ(setup.Box(Message(kEnglish, 5), 1500), nullptr);
  for (HWND w : TopWindows(setup.Id()))
    if (ClassOf(w) == "#32770") Confirm(w);
  EXPECT_FALSE(setup.Exited(300));
}

TEST_F(SetupE2e, EscapeClosesTheWindowAndOnlyTheFolderTextIsClientArea) {
  SetupProcess setup;
  HWND main = StartSetup(setup, kEnglish);
  ASSERT_NE(main, nullptr) << "Setup.exe did not start or showed no window";
  auto hitTest = [&](int x, int y) {
    const POINT p = OnScreen(main, {x, y});
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(main, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y), SMTO_ABORTIFHUNG, 5000, &answer);
    return static_cast<LRESULT>(answer);
  };
  // The folder text spans (85..339, 229..244).
  // The text sizes itself to the folder name: its top-left corner is the
  // stored one, the rest follows the font.
  EXPECT_EQ(hitTest(85, 229), HTCLIENT);
  EXPECT_EQ(hitTest(84, 237), HTCAPTION);
  EXPECT_EQ(hitTest(200, 228), HTCAPTION);
  EXPECT_EQ(hitTest(200, 240), HTCLIENT);
  EXPECT_EQ(hitTest(200, 250), HTCAPTION);
  EXPECT_EQ(hitTest(10, 10), HTCAPTION);
  int right = 85;
  while (right < 374 && hitTest(right, 237) == HTCLIENT) ++right;
  EXPECT_GE(right, 300) << "the folder text ends early";
  EXPECT_LT(right, 374);
  EXPECT_EQ(hitTest(right - 1, 237), HTCLIENT);
  EXPECT_EQ(hitTest(right, 237), HTCAPTION) << "one pixel beyond its right edge";
  int bottom = 229;
  while (bottom < 260 && hitTest(200, bottom) == HTCLIENT) ++bottom;
  EXPECT_GE(bottom, 242);
  EXPECT_LE(bottom, 246);
  EXPECT_EQ(hitTest(200, bottom), HTCAPTION) << "one pixel below it";

  // The title: blue text over its aqua shadow, one pixel down and right.
  ScreenGrab grab(ClientOnScreen(main));
  const RECT title{86, 17, 285, 41};
  EXPECT_GT(grab.Count(title, RGB(0, 0, 255)), 50);
  EXPECT_GT(grab.Count(title, RGB(0, 255, 255)), 20);

  // The button shows another picture while the pointer is over it.  A
  // window an earlier install had the shell open may lie over this one;
  // the pointer and the screen grab must meet the installer.
  SetWindowPos(main, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Sleep(200);
  MoveTo(OnScreen(main, {20, 280}));
  Sleep(300);
  const POINT b = OnScreen(main, {80, 63});
  const RECT button{b.x, b.y, b.x + 226, b.y + 39};
  ScreenGrab away(button);
  // A loaded machine may paint late: each picture is waited for, not timed.
  MoveTo(OnScreen(main, kInstallButton));
  EXPECT_TRUE(WaitFor([&] { return ScreenGrab(button).Differences(away) > 100; }, 5000))
      << "the pointer-over picture did not show";
  MoveTo(OnScreen(main, {20, 280}));
  EXPECT_TRUE(WaitFor([&] { return ScreenGrab(button).Differences(away) == 0; }, 5000))
      << "the normal picture did not come back";

  SetForegroundWindow(main);
  Sleep(100);
  Key(VK_ESCAPE);
  Key(VK_ESCAPE, KEYEVENTF_KEYUP);
  EXPECT_TRUE(setup.Exited(5000)) << "Escape did not close the window";
}

TEST_F(SetupE2e, DirectXButtonsShowOnlyWhenTheirInstallerLiesBeside) {
  for (bool withDirectX : {false, true}) {
    SCOPED_TRACE(withDirectX ? "with DirectX" : "without DirectX");
    if (withDirectX) {
      ASSERT_TRUE(ForceDirectories(package_ / "DirectX8"));
      test::WriteAll(package_ / "DirectX8/dxsetup.exe", "dx");
    }
    SetupProcess setup;
    HWND main = StartSetup(setup, kEnglish);
    ASSERT_NE(main, nullptr) << "Setup.exe did not start or showed no window";
    HWND install = ChildAt(main, kInstallButton);
    HWND win98 = ChildAt(main, {193, 126});
    HWND win2000 = ChildAt(main, {192, 170});
    ASSERT_NE(install, nullptr);
    EXPECT_TRUE(IsWindowVisible(install));
    if (withDirectX) {
      ASSERT_NE(win98, nullptr);
      ASSERT_NE(win2000, nullptr);
      EXPECT_NE(win98, win2000);
      EXPECT_TRUE(IsWindowVisible(win98));
      EXPECT_TRUE(IsWindowVisible(win2000));
    } else {
      EXPECT_TRUE(win98 == nullptr || !IsWindowVisible(win98));
      EXPECT_TRUE(win2000 == nullptr || !IsWindowVisible(win2000));
    }
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(setup.Exited(5000));
  }
}

// A click on the folder text's start, which an empty text still covers (it
// measures a blank), then in the dialog the edit box, which shows `preset`,
// `typed` over its whole text and OK.  False when no dialog opened.
bool AnswerFolderDialog(SetupProcess& setup, HWND main, const char* locale, const std::string& preset,
                        const std::string& typed) {
  ClickAt(main, OnScreen(main, {86, kFolderText.y}));
  HWND dialog = setup.Window("NuvexWindow", Message(locale, 108), 5000);
  if (!dialog) return false;
  HWND edit = nullptr, ok = nullptr;
  // The dialog may show before it holds the folder.
  WaitFor([&] {
    for (HWND child : Children(dialog)) {
      if (lstrcmpiA(ClassOf(child).c_str(), "Edit") == 0 && TextOf(child) == Wide(preset, 1252)) edit = child;
      if (lstrcmpiA(ClassOf(child).c_str(), "Button") == 0 && TextOf(child) == Message(locale, 0)) ok = child;
    }
    return edit && ok;
  }, 5000);
  EXPECT_TRUE(edit && ok) << "the dialog does not offer " << preset;
  if (!edit || !ok) return true;
  RECT r;
  GetWindowRect(edit, &r);
  ClickAt(dialog, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  Sleep(100);
  SendMessageA(edit, EM_SETSEL, 0, -1);  // what is typed replaces the whole text
  Key(VK_DELETE);
  Key(VK_DELETE, KEYEVENTF_KEYUP);
  TypeText(typed);
  EXPECT_TRUE(WaitFor([&] { return TextOf(edit) == Wide(typed, 1252); }, 3000)) << "the typing did not arrive";
  GetWindowRect(ok, &r);
  ClickAt(dialog, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, 5000));
  return true;
}

// The folder dialog as the user meets it: a click on the folder text, a folder
// typed over the offered one, OK, then the install into that folder.
TEST_F(SetupE2e, AFolderTypedIntoTheDialogReceivesTheFiles) {
  MakePackage();
  const std::string destination = work_ / "Chosen Place";
  SetupProcess setup;
  HWND main = StartSetup(setup, kEnglish);
  ASSERT_NE(main, nullptr) << "Setup.exe did not start or showed no window";
  ASSERT_TRUE(AnswerFolderDialog(setup, main, kEnglish, kDefaultDestinationFolder, destination)) << "no folder dialog";

  ASSERT_TRUE(PressInstallAndConfirm(setup, main, Message(kEnglish, 5), Message(kEnglish, 104)))
      << "no message box, or it stayed";
  EXPECT_TRUE(setup.Exited(10000));
  ExpectInstalledIn(destination);
  EXPECT_FALSE(DirectoryExists(kDefaultDestinationFolder));
  ExpectShortcuts(destination, true);
  WaitFor([&] { return CloseShellWindows() > 0; }, 5000);
}

// An empty answer leaves a folder text that a click still opens; "" and a
// folder relative to the working folder (the package's) are refused at the
// install button, nothing is written, and the window stays.
void RefusesFoldersThatAreNotFullPaths(SetupProcess& setup, const char* locale, const std::string& package) {
  HWND main = setup.MainWindow();
  ASSERT_NE(main, nullptr);
  std::string shown = kDefaultDestinationFolder;
  for (const std::string folder : {"", "Games"}) {
    SCOPED_TRACE("folder \"" + folder + "\"");
    ASSERT_TRUE(AnswerFolderDialog(setup, main, locale, shown, folder)) << "the folder text did not open the dialog";
    shown = folder;
    ASSERT_TRUE(PressInstallAndConfirm(setup, main, Message(locale, 4), Message(locale, 109), 10000))
        << "no refusal, or it stayed";
  }
  EXPECT_FALSE(setup.Exited(300));
  EXPECT_FALSE(FileExists(package + "Games\\NuvexPlayer.exe"));
  EXPECT_FALSE(FileExists(package.substr(0, 3) + "NuvexPlayer.exe"));  // the working folder's drive root
  EXPECT_FALSE(DirectoryExists(kDefaultDestinationFolder));
}

TEST_F(SetupE2e, AnEmptyFolderTextStaysClickableAndFoldersThatAreNotFullPathsAreRefused) {
  MakePackage();
  SetupProcess setup;
  ASSERT_TRUE(setup.Start(package_.Path(), kEnglish));
  RefusesFoldersThatAreNotFullPaths(setup, kEnglish, package_.Path());
}

TEST_F(SetupE2e, FoldersThatAreNotFullPathsAreRefusedInPolish) {
  if (PRIMARYLANGID(GetSystemDefaultLangID()) != LANG_POLISH) GTEST_SKIP() << "needs LC_ALL=pl_PL.UTF-8";
  MakePackage();
  SetupProcess setup;
  ASSERT_TRUE(setup.Start(package_.Path(), kPolish));
  RefusesFoldersThatAreNotFullPaths(setup, kPolish, package_.Path());
}

// The free-space check as the user meets it: a package whose second file
// does not fit the small drive of the disk-fault tests is refused with one
// message before its first file is written, and the window stays.  Runs
// where the test command has mapped that drive (NUVEX_FULL_DRIVE).
class FullDriveE2e : public SetupE2e {
 protected:
  void RefusedBeforeAnyFileIsWritten(const char* locale) {
    const char* drive = std::getenv("NUVEX_FULL_DRIVE");
    ASSERT_TRUE(drive && *drive) << "NUVEX_FULL_DRIVE is not set: this case runs where the test command maps the drive";
    const std::string root = std::string(drive) + "\\";
    if (!DirectoryExists(root)) GTEST_SKIP() << "no size-limited drive " << drive;
    test::WriteAll(package_ / "NuvexPlayer.exe", "player");
    test::WriteAll(package_ / "big.bin", std::string(3 << 20, 'b'));
    nvxpack::WriteIndexFile(package_ / kPackageIndexName,
                            {test::IndexRecord("NuvexPlayer.exe", 0, fkDestination, "\\NuvexPlayer.exe"),
                             test::IndexRecord("big.bin", 0, 9, root + "big.bin")});
    ULARGE_INTEGER free{};
    ASSERT_TRUE(GetDiskFreeSpaceExA(root.c_str(), &free, nullptr, nullptr));
    const bool polish = std::string(locale) == kPolish;
    std::string expected = test::Pinned(110, polish ? kPolishLanguage : kEnglishLanguage);
    for (const std::string& value : {UpperAscii(drive), std::string("3072"), std::to_string(free.QuadPart / 1024)})
      expected.replace(expected.find("%s"), 2, value);

    SetupProcess setup;
    HWND main = StartSetup(setup, locale);
    ASSERT_NE(main, nullptr) << "Setup.exe did not start or showed no window";
    ASSERT_TRUE(PressInstallAndConfirm(setup, main, Message(locale, 101), Wide(expected, polish ? 1250 : 1252)))
        << "no refusal, or it stayed";  // the error report's caption is the application's title
    EXPECT_EQ(setup.Box(Message(locale, 5), 1000), nullptr) << "a success after the refusal";
    EXPECT_FALSE(setup.Exited(300)) << "the window went with the refusal";
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_FALSE(DirectoryExists(kDefaultDestinationFolder)) << "a file was written before the refusal";
    EXPECT_FALSE(FileExists(root + "big.bin"));
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(setup.Exited(5000));
  }
};

TEST_F(FullDriveE2e, AFullDriveIsRefusedBeforeAnyFileIsWritten) { RefusedBeforeAnyFileIsWritten(kEnglish); }

TEST_F(FullDriveE2e, AFullDriveIsRefusedInPolish) {
  if (PRIMARYLANGID(GetSystemDefaultLangID()) != LANG_POLISH) GTEST_SKIP() << "needs LC_ALL=pl_PL.UTF-8";
  RefusedBeforeAnyFileIsWritten(kPolish);
}

// The uninstaller as the user meets it: a package built with nvxpack and the
// real Uninstall.exe, installed through the button, then the uninstaller
// started from its shortcut, asked, and its report read.
class UninstallE2e : public SetupE2e {
 protected:
  // A showing message box of any process (the uninstaller's work is done by
  // a copy of it) with the uninstaller's caption, other than `not`.
  static HWND UninstallerBox(const char* locale, HWND not_ = nullptr) {
    HWND found = nullptr;
    WaitFor([&] {
      for (HWND w : TopWindows(0))
        if (w != not_ && ClassOf(w) == "#32770" && TextOf(w) == Message(locale, 502)) found = w;
      return found != nullptr;
    }, 30000);
    return found;
  }

  void InstallsThenUninstallsFromTheShortcut(const char* locale) {
    const bool polish = std::string(locale) == kPolish;
    const uint8_t language = polish ? kPolishLanguage : kEnglishLanguage;
    const UINT codePage = polish ? 1250 : 1252;
    test::WriteAll(work_ / "NuvexPlayer.exe", "player");
    test::WriteAll(work_ / "NuvexPlayer.chm", "help");
    test::WriteAll(work_ / "film.bin", Film());
    test::WriteAll(work_ / "NuvexE2e.dll", "shared");
    ASSERT_TRUE(CopyFileOver(NUVEX_UNINSTALL_EXE, work_ / "Uninstall.exe"));
    test::WriteAll(work_ / "package.nvm",
                   "NuvexPlayer.exe plain  destination \\NuvexPlayer.exe\n"
                   "NuvexPlayer.chm plain  destination \\NuvexPlayer.chm\n"
                   "Uninstall.exe   packed destination \\Uninstall.exe uninstaller\n"
                   "film.bin        packed destination \"\\Samples\\Sample film.bin\"\n"
                   "NuvexE2e.dll    plain  system      \\NuvexE2e.dll\n");
    nvxpack::Diagnostics built;
    std::ostringstream log;
    ASSERT_TRUE(nvxpack::BuildPackage(work_ / "package.nvm", package_.Path(), built, log));
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    const std::string shared = std::string(system) + "\\NuvexE2e.dll";

    SetupProcess setup;
    ASSERT_TRUE(setup.Start(package_.Path(), locale));
    InstallsThroughTheButton(setup, locale);
    WaitFor([&] { return CloseShellWindows() > 0; }, 5000);
    const std::string destination = kDefaultDestinationFolder;
    ASSERT_TRUE(FileExists(destination + "\\Uninstall.lst"));
    test::WriteAll(destination + "\\My notes.txt", "mine");

    // Started as the shell starts a shortcut: its target in its working folder.
    const LinkContents link = ReadLink(group_ + (polish ? "Deinstalacja - wersja 2.6.lnk" : "Uninstall - version 2.6.lnk"));
    ASSERT_FALSE(link.path.empty()) << "no uninstall shortcut";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string command = "\"" + link.path + "\"";
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, link.folder.c_str(),
                               &startup, &process));
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    HWND question = UninstallerBox(locale);
    ASSERT_NE(question, nullptr) << "no question";
    std::string asked = test::Pinned(500, language);
    asked.replace(asked.find("%s"), 2, "Nuvex Player");
    EXPECT_EQ(BoxText(question), Wide(asked, codePage));
    EXPECT_TRUE(Confirm(question));  // its first button: yes
    HWND report = UninstallerBox(locale, question);
    ASSERT_NE(report, nullptr) << "no report";
    std::string said = test::Pinned(503, language);
    said.replace(said.find("%s"), 2, "Nuvex Player");
    said += "\r\n\r\n" + test::Pinned(506, language) + "\r\n" + shared + "\r\n\r\n" + test::Pinned(507, language) +
            "\r\n" + destination;
    EXPECT_EQ(BoxText(report), Wide(said, codePage));
    EXPECT_TRUE(Confirm(report));

    std::vector<std::string> left;
    for (const auto& e : std::filesystem::recursive_directory_iterator(destination))
      left.push_back(e.path().filename().string());
    EXPECT_EQ(left, (std::vector<std::string>{"My notes.txt"}));
    EXPECT_FALSE(DirectoryExists(group_)) << "the group stayed";
    EXPECT_TRUE(FileExists(shared));
    DeleteFileA(shared.c_str());
    // The copy that did the work goes as it ends.
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    EXPECT_TRUE(WaitFor([&] {
      WIN32_FIND_DATAA found;
      HANDLE search = FindFirstFileA((std::string(temp) + "NvxUninstall-*.exe").c_str(), &found);
      if (search == INVALID_HANDLE_VALUE) return true;
      FindClose(search);
      return false;
    }, 10000)) << "the uninstaller's copy stayed in " << temp;
  }
};

TEST_F(UninstallE2e, RemovesThePackageAndGroupAndKeepsTheUsersFile) { InstallsThenUninstallsFromTheShortcut(kEnglish); }

TEST_F(UninstallE2e, RemovesThePackageInPolish) {
  if (PRIMARYLANGID(GetSystemDefaultLangID()) != LANG_POLISH) GTEST_SKIP() << "needs LC_ALL=pl_PL.UTF-8";
  InstallsThenUninstallsFromTheShortcut(kPolish);
}

}  // namespace
}  // namespace nuvex
