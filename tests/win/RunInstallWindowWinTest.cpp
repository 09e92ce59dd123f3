// The installer window under the real window system: a whole install
// started by a press and release on the real button window, the bar painted
// on the screen while the run keeps the window from its messages, the
// outcome box read and confirmed; and what keeps the window from being
// marked not responding during a long run.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>

#include "base/Paths.h"
#include "installer/Messages.h"
#include "installer/RunInstallWindow.h"
#include "package/PackageIndex.h"
#include "platform/ComApartment.h"
#include "platform/UserRegistry.h"
#include "tests/support/IndexRecord.h"
#include "tests/support/InstallFakes.h"
#include "tests/support/ModalSteps.h"
#include "tests/support/PinnedTexts.h"
#include "tests/support/Services.h"
#include "tests/support/TestSupport.h"
#include "toolkit/ui/Application.h"
#include "tools/nvxpack/IndexFile.h"
#include "tools/nvxpack/Packer.h"

namespace nuvex {
namespace {

// The text of a message box: its static control that holds text.
std::string MessageBoxText(HWND box) {
  std::string text;
  for (HWND child : test::ChildWindows(box))
    if (lstrcmpiA(test::WindowClass(child).c_str(), "Static") == 0 && !test::WindowText(child).empty())
      text = test::WindowText(child);
  return text;
}

// Nothing may stay behind in the queue for the next test's loops.
bool TakeQuitRequest() {
  MSG msg;
  return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

TEST(RunInstallWindowWin, AClickOnTheInstallButtonInstallsShowsTheBarAndTheSuccessBoxEndsTheProgram) {
  TComApartment com;
  SetCurrentLanguage(kEnglishLanguage);
  test::TempFolder package;
  // Something to inflate that lasts a few progress reports.
  std::string film;
  for (uint32_t x = 7; film.size() < 300000;) {
    x = x * 1103515245u + 12345u;
    film.append(1 + (x >> 28), static_cast<char>('a' + (x >> 16) % 26));
  }
  test::WriteAll(package / "film.bin", film);
  nvxpack::PackFile(package / "film.bin", package / "film.nvx");
  test::WriteAll(package / "NuvexPlayer.exe", "player");
  test::WriteAll(package / "Uninstall.exe", "uninstall");
  nvxpack::WriteIndexFile(package / kPackageIndexName,
                          {test::IndexRecord("NuvexPlayer.exe", 0, fkDestination, "\\NuvexPlayer.exe"),
                           test::IndexRecord("film.nvx", 1, fkDestination, "\\Sample.film"),
                           test::IndexRecord("Uninstall.exe", 0, fkDestination, "\\Uninstall.exe")});
  const std::string destination = kDefaultDestinationFolder;
  const std::string programs = ReadRegistryString(Service<UserRegistry>::Platform(),
                                                  "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                                                  "Programs");
  const std::string group = programs + "\\Nuvex Player\\";
  struct Cleanup {
    std::vector<std::string> paths;
    ~Cleanup() {
      std::error_code ignored;
      for (const auto& p : paths) std::filesystem::remove_all(p, ignored);
    }
  } cleanup{{destination, group}};
  // The shell is recorded: the group's window would be a program of its own.
  test::RecordingShell shell;
  ScopedService<Shell> shellScope(shell);

  TRunInstallForm window(nullptr, package.Path());
  Application().SetMainForm(&window);
  window.Show();
  Application().ProcessMessages();
  HWND form = test::WindowHandle(window);
  HWND button = test::WindowHandle(window.rbRunInstall());

  // The bar as the screen shows it at the second progress report (the
  // event comes before the bar repaints for the position it reports).
  COLORREF barPixel = CLR_INVALID;
  COLORREF toDoPixel = CLR_INVALID;
  int reports = 0;
  window.ProgressBar().OnChangePosition = [&](TObject*) {
    if (++reports != 2) return;
    HDC dc = GetDC(form);
    const TRect bar = window.ProgressBar().BoundsRect();
    barPixel = GetPixel(dc, bar.Left + 10, bar.Top + 9);
    toDoPixel = GetPixel(dc, bar.Right - 10, bar.Top + 9);
    ReleaseDC(form, dc);
  };
  std::string boxText;
  test::ModalSteps steps([] { return test::ShowingWindow(test::Pinned(5)); },
                         {[&](HWND box) {
                           boxText = MessageBoxText(box);
                           PostMessageA(box, WM_COMMAND, IDOK, 0);
                         }});
  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 20));
  SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(100, 20));

  EXPECT_TRUE(steps.Finished());
  EXPECT_EQ(boxText, test::Pinned(104));
  // Red where done, navy still to do: the bar was on the screen.
  EXPECT_EQ(barPixel, RGB(255, 0, 0));
  EXPECT_EQ(toDoPixel, RGB(0, 0, 128));
  EXPECT_GE(reports, 2);
  EXPECT_FALSE(window.ProgressBar().Visible());
  EXPECT_FALSE(IsWindowVisible(form));  // closed after the box
  EXPECT_TRUE(TakeQuitRequest());
  EXPECT_EQ(test::ReadAll(destination + "\\Sample.film").size(), film.size());
  EXPECT_TRUE(FileExists(group + "Nuvex Player 2.6.lnk"));
  ASSERT_EQ(shell.calls.size(), 1u);
  EXPECT_EQ(shell.calls[0].file, group);
  Application().SetMainForm(nullptr);
}

// The window system marks a window not responding when its thread asks for
// no message for five seconds.  KeepAlive, once a second, is enough; the
// same wait without it is marked, which shows the measure works.
TEST(RunInstallWindowWin, KeepAliveKeepsABusyWindowFromBeingMarkedNotResponding) {
  TForm form(nullptr);
  form.SetBorderStyle(bsNone);
  form.SetBounds(10, 10, 100, 80);
  form.Show();
  Application().ProcessMessages();
  HWND hwnd = test::WindowHandle(form);
  for (bool keepAlive : {true, false}) {
    std::atomic<bool> done{false};
    std::atomic<bool> hung{false};
    std::thread watcher([&] {
      Sleep(6000);
      hung = IsHungAppWindow(hwnd) != FALSE;
      done = true;
    });
    // Busy, as an extraction is: no messages, only the keep-alive.
    const DWORD start = GetTickCount();
    while (!done && GetTickCount() - start < 20000) {
      Sleep(100);
      if (keepAlive && (GetTickCount() - start) % 1000 < 100) CurrentWindowBackend().KeepAlive();
    }
    watcher.join();
    EXPECT_EQ(hung, !keepAlive) << (keepAlive ? "with" : "without") << " KeepAlive";
    Application().ProcessMessages();
  }
}

}  // namespace
}  // namespace nuvex
