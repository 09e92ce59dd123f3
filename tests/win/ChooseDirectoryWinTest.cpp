// The destination folder dialog under the real window system: its native
// controls driven with the messages a user's input produces, and the texts
// read back from them.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "installer/ChooseDirectoryWindow.h"
#include "installer/Messages.h"
#include "tests/support/ModalSteps.h"
#include "tests/support/PinnedTexts.h"
#include "tests/support/TestSupport.h"
#include "toolkit/ui/Application.h"

namespace nuvex {
namespace {

constexpr const char* kPreset = "C:\\Program Files\\Nuvex Player 2.6 XP";

// The dialog's windows, found by class and text.
struct DialogWindows {
  HWND Dialog = nullptr;
  HWND Drives = nullptr;
  HWND List = nullptr;
  HWND Edit = nullptr;
  HWND Ok = nullptr;
  HWND Cancel = nullptr;
};

using test::WindowClass;

std::string TextOf(HWND window) { return test::WindowText(window); }

std::string ListText(HWND list, LRESULT index) {
  char text[512]{};
  if (index < 0 || SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)) < 0)
    return {};
  std::string s = text;
  return s.substr(s.find_first_not_of(' ') == std::string::npos ? s.size() : s.find_first_not_of(' '));
}

std::string SelectedListText(HWND list) { return ListText(list, SendMessageA(list, LB_GETCURSEL, 0, 0)); }

// The dialog of this thread that is showing now, with its controls.
DialogWindows FindDialog() {
  DialogWindows found;
  found.Dialog = test::ShowingWindow(test::Pinned(108));
  if (!found.Dialog) return found;
  for (HWND child : test::ChildWindows(found.Dialog)) {
    const std::string kind = WindowClass(child);
    if (lstrcmpiA(kind.c_str(), "ComboBox") == 0) found.Drives = child;
    if (lstrcmpiA(kind.c_str(), "ListBox") == 0 && GetParent(child) == found.Dialog) found.List = child;
    if (lstrcmpiA(kind.c_str(), "Edit") == 0 && GetParent(child) == found.Dialog) found.Edit = child;
    if (lstrcmpiA(kind.c_str(), "Button") == 0) {
      if (TextOf(child) == test::Pinned(0)) found.Ok = child;
      if (TextOf(child) == test::Pinned(1)) found.Cancel = child;
    }
  }
  return found;
}

// A left click at a list item, as the mouse gives it to the list.
void ClickListItem(HWND list, int index) {
  RECT item{};
  ASSERT_NE(SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)), LB_ERR);
  const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(list, WM_LBUTTONUP, 0, at);
}

int FindListItem(HWND list, const std::string& text) {
  const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i)
    if (ListText(list, i) == text) return static_cast<int>(i);
  return -1;
}

// What the user does while the dialog waits, one step a timer tick.
using Step = std::function<void(const DialogWindows&)>;

class StepRunner {
 public:
  explicit StepRunner(std::vector<Step> steps)
      : steps_([] { return FindDialog().Dialog; }, Wrap(std::move(steps))) {}
  bool Finished() const { return steps_.Finished(); }

 private:
  static std::vector<test::ModalSteps::Step> Wrap(std::vector<Step> steps) {
    std::vector<test::ModalSteps::Step> wrapped;
    for (Step& step : steps) wrapped.push_back([step = std::move(step)](HWND) { step(FindDialog()); });
    return wrapped;
  }
  test::ModalSteps steps_;
};

class ChooseDirectoryWin : public ::testing::Test {
 protected:
  void SetUp() override { SetCurrentLanguage(kEnglishLanguage); }
  void TearDown() override { SetCurrentLanguage(saved_); }

  bool Choose(std::string& folder, std::vector<Step> steps) {
    StepRunner runner(std::move(steps));
    const bool answer = ChooseDirectory(folder);
    EXPECT_TRUE(runner.Finished());
    EXPECT_EQ(FindDialog().Dialog, nullptr);  // freed with its windows
    return answer;
  }

  uint8_t saved_ = CurrentLanguage();
};

TEST_F(ChooseDirectoryWin, APresetThatDoesNotExistIsOfferedAndOkGivesItBack) {
  std::string folder = kPreset;
  const bool answer = Choose(folder, {[](const DialogWindows& w) {
    ASSERT_TRUE(w.List && w.Edit && w.Ok && w.Cancel && w.Drives);
    EXPECT_EQ(ListText(w.List, 0), "C:\\");
    EXPECT_EQ(SelectedListText(w.List), "Program Files");
    EXPECT_EQ(TextOf(w.Edit), kPreset);
    EXPECT_EQ(GetFocus(), w.Drives);  // the first control in tab order
    EXPECT_EQ(SendMessageA(w.List, LB_GETITEMHEIGHT, 0, 0), 16);
    // The client area and the places of the controls.
    RECT client{};
    GetClientRect(w.Dialog, &client);
    EXPECT_EQ(client.right, 384);
    EXPECT_EQ(client.bottom, 285);
    RECT ok{};
    GetWindowRect(w.Ok, &ok);
    MapWindowPoints(nullptr, w.Dialog, reinterpret_cast<POINT*>(&ok), 2);
    EXPECT_EQ(ok.left, 88);
    EXPECT_EQ(ok.top, 256);
    EXPECT_EQ(ok.right - ok.left, 75);
    // A title bar with the single fixed border: neither sizeable nor the modal dialog frame.
    EXPECT_EQ(GetWindowLongA(w.Dialog, GWL_STYLE) & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME), WS_CAPTION | WS_SYSMENU);
    EXPECT_FALSE(GetWindowLongA(w.Dialog, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
    SendMessageA(w.Ok, BM_CLICK, 0, 0);
  }});
  EXPECT_TRUE(answer);
  EXPECT_EQ(folder, kPreset);
}

// A relative folder exists below the working folder, but the list cannot
// show it: it falls back to Program Files, and the text stays as given.
TEST_F(ChooseDirectoryWin, AFolderTheListCannotShowFallsBackToProgramFiles) {
  test::TempFolder work;
  ASSERT_TRUE(CreateDirectoryA((work / "Games").c_str(), nullptr));
  char saved[MAX_PATH]{};
  GetCurrentDirectoryA(MAX_PATH, saved);
  ASSERT_TRUE(SetCurrentDirectoryA(work.Path().c_str()));
  std::string folder = "Games";
  Choose(folder, {[](const DialogWindows& w) {
    ASSERT_TRUE(w.List && w.Edit && w.Ok);
    EXPECT_EQ(SelectedListText(w.List), "Program Files");
    EXPECT_EQ(TextOf(w.Edit), "Games");
    SendMessageA(w.Ok, BM_CLICK, 0, 0);
  }});
  SetCurrentDirectoryA(saved);
  EXPECT_EQ(folder, "Games");
}

TEST_F(ChooseDirectoryWin, ClickingAFolderReplacesTheTypedTextAndTabWalksTheControls) {
  std::string folder = kPreset;
  const bool answer = Choose(folder, {
      [](const DialogWindows& w) {
        SetWindowTextA(w.Edit, "D:\\typed by the user");
        const int common = FindListItem(w.List, "Common Files");
        ASSERT_GE(common, 0);
        ClickListItem(w.List, common);
      },
      [](const DialogWindows& w) {
        EXPECT_EQ(TextOf(w.Edit), "C:\\Program Files\\Common Files");
        EXPECT_EQ(SelectedListText(w.List), "Common Files");
        EXPECT_EQ(ListText(w.List, 1), "Program Files");
        // Tab from the list goes on to the edit box, the buttons and round.
        SetFocus(w.List);
        SendMessageA(w.List, WM_KEYDOWN, VK_TAB, 0);
        EXPECT_EQ(GetFocus(), w.Edit);
        SendMessageA(w.Edit, WM_KEYDOWN, VK_TAB, 0);
        EXPECT_EQ(GetFocus(), w.Cancel);
        SendMessageA(w.Cancel, WM_KEYDOWN, VK_TAB, 0);
        EXPECT_EQ(GetFocus(), w.Ok);
        SendMessageA(w.Ok, WM_KEYDOWN, VK_TAB, 0);
        EXPECT_EQ(GetFocus(), w.Drives);
        SendMessageA(w.Ok, BM_CLICK, 0, 0);
      }});
  EXPECT_TRUE(answer);
  EXPECT_EQ(folder, "C:\\Program Files\\Common Files");
}

TEST_F(ChooseDirectoryWin, TheCloseBoxGivesFalseAndEnterInTheEditBoxClosesNothing) {
  std::string folder = kPreset;
  bool open = false;
  const bool answer = Choose(folder, {
      [](const DialogWindows& w) {
        SetFocus(w.Edit);
        // Enter and Escape as the keyboard gives them to the focused edit box.
        for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
          PostMessageA(w.Edit, WM_KEYDOWN, key, 1);
          PostMessageA(w.Edit, WM_CHAR, key, 1);
          PostMessageA(w.Edit, WM_KEYUP, key, 0xC0000001);
        }
      },
      [&open](const DialogWindows& w) {
        open = IsWindowVisible(w.Dialog) != FALSE;
        ClickListItem(w.List, 0);  // a change that closing must not hand back
        SendMessageA(w.Dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
      }});
  EXPECT_TRUE(open);
  EXPECT_FALSE(answer);
  EXPECT_EQ(folder, kPreset);
}

TEST_F(ChooseDirectoryWin, CaptionsFollowTheLanguage) {
  for (uint8_t language : {kPolishLanguage, kEnglishLanguage}) {
    SetCurrentLanguage(language);
    std::string folder = kPreset;
    std::string caption, ok, cancel;
    Choose(folder, {[&](const DialogWindows& w) {
      caption = TextOf(w.Dialog);
      ok = w.Ok ? TextOf(w.Ok) : "";
      cancel = w.Cancel ? TextOf(w.Cancel) : "";
      SendMessageA(w.Dialog, WM_CLOSE, 0, 0);
    }});
    EXPECT_EQ(caption, test::Pinned(108, language));
    EXPECT_EQ(ok, test::Pinned(0, language));
    EXPECT_EQ(cancel, test::Pinned(1, language));
  }
}

// Keeps the dialog open for NUVEX_PICTURE_SECONDS so that a script can
// photograph it (tests/win/dialog-pictures.sh); skipped otherwise.
TEST_F(ChooseDirectoryWin, StaysOpenToBePhotographed) {
  const char* seconds = std::getenv("NUVEX_PICTURE_SECONDS");
  if (!seconds) GTEST_SKIP() << "NUVEX_PICTURE_SECONDS is not set";
  if (const char* language = std::getenv("NUVEX_PICTURE_LANGUAGE"); language && std::string(language) == "pl")
    SetCurrentLanguage(kPolishLanguage);
  std::string folder = kPreset;
  const DWORD until = GetTickCount() + static_cast<DWORD>(std::atoi(seconds)) * 1000;
  std::vector<Step> steps;
  steps.push_back([](const DialogWindows& w) { SetFocus(w.Edit); });
  // One step per tick until the time is up, then the close box.
  for (int i = 0; i < 1000; ++i) {
    steps.push_back([until](const DialogWindows& w) {
      if (GetTickCount() >= until) SendMessageA(w.Dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
  }
  StepRunner runner(std::move(steps));
  EXPECT_FALSE(ChooseDirectory(folder));
}

}  // namespace
}  // namespace nuvex
