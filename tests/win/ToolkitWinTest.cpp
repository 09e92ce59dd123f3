// The Win32 backend under the component library: native controls on the
// same window procedure, reflected notifications, the hit test and the
// message loop.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tests/support/Services.h"
#include "tests/support/WindowLists.h"
#include "toolkit/ui/Application.h"
#include "toolkit/ui/Form.h"
#include "toolkit/ui/Label.h"
#include "toolkit/backends/win32/Win32Backend.h"
#include "toolkit/ui/WinControl.h"

namespace nuvex {
namespace {

// An edit box: the native control class, its notifications coming back to it.
class EditBox : public TWinControl {
 public:
  explicit EditBox(TComponent* owner) : TWinControl(owner) { SetTabStop(true); }
  std::vector<int> notifications;
  int clicks = 0;

 protected:
  void CreateParams(TWindowParams& params) override {
    TWinControl::CreateParams(params);
    params.NativeClass = "EDIT";
    params.NativeStyle = ES_AUTOHSCROLL | WS_BORDER;
  }
  void Command(int code) override { notifications.push_back(code); }
  void Click() override { ++clicks; }
};

// A surface that drags its window by any point outside a hot corner.
class DragSurface : public TWinControl {
 public:
  explicit DragSurface(TComponent* owner) : TWinControl(owner) {}

 protected:
  THitTest HitTest(int x, int y, THitTest defaultAnswer) override {
    if (x < 20 && y < 20) return defaultAnswer;
    return defaultAnswer == THitTest::Client ? THitTest::Caption : defaultAnswer;
  }
};

class ToolkitWin : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    form = std::make_unique<DragSurface>(nullptr);
    form->SetBounds(40, 40, 300, 200);
    form->HandleNeeded();
  }
  static void TearDownTestSuite() { form.reset(); }
  void TearDown() override {
    while (form->ComponentCount() > 0) form->RemoveComponent(form->Components(form->ComponentCount() - 1));
    Application().ProcessMessages();
  }
  static inline std::unique_ptr<DragSurface> form;
};

TEST_F(ToolkitWin, NativeEditBoxKeepsWorkingOnOurWindowProcedure) {
  EditBox& edit = TComponent::Create<EditBox>(*form);
  edit.SetParent(form.get());
  edit.SetBounds(8, 8, 200, 21);
  edit.SetCaption("C:\\Program Files");
  HWND hwnd = test::WindowHandle(edit);
  char className[32]{};
  GetClassNameA(hwnd, className, sizeof className);
  EXPECT_STREQ(className, "Edit");
  EXPECT_TRUE(GetWindowLongA(hwnd, GWL_STYLE) & WS_TABSTOP);

  // Typing goes through the native control; its change notification comes back to the control.
  SendMessageA(hwnd, EM_SETSEL, 16, 16);
  SendMessageA(hwnd, WM_CHAR, '\\', 1);
  EXPECT_EQ(edit.Caption(), "C:\\Program Files\\");
  ASSERT_FALSE(edit.notifications.empty());
  EXPECT_EQ(edit.notifications.back(), EN_CHANGE);

  // The mouse reaches both the control and the native handling.
  SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(edit.clicks, 1);
  EXPECT_EQ(GetCapture(), nullptr);

  // Made anew, the window keeps the text the user typed.
  edit.DestroyHandle();
  EXPECT_EQ(edit.Caption(), "C:\\Program Files\\");
  EXPECT_EQ(edit.Window().Text(), "C:\\Program Files\\");
}

TEST_F(ToolkitWin, HitTestTurnsClientIntoCaption) {
  HWND hwnd = test::WindowHandle(*form);
  POINT corner{5, 5}, middle{150, 100};
  ClientToScreen(hwnd, &corner);
  ClientToScreen(hwnd, &middle);
  EXPECT_EQ(SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y)), HTCLIENT);
  EXPECT_EQ(SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(middle.x, middle.y)), HTCAPTION);
}

TEST_F(ToolkitWin, WindowMovedByTheSystemUpdatesTheBounds) {
  HWND hwnd = test::WindowHandle(*form);
  SetWindowPos(hwnd, nullptr, 50, 60, 310, 200, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(form->BoundsRect(), (TRect{50, 60, 360, 260}));
  form->SetBounds(40, 40, 300, 200);
  RECT r{};
  GetWindowRect(hwnd, &r);
  EXPECT_EQ(r.left, 40);
  EXPECT_EQ(r.right - r.left, 300);
}

TEST_F(ToolkitWin, MessageLoopEndsOnTerminate) {
  // A posted message that ends the loop from inside it.
  struct Closer : TWinControl {
    using TWinControl::TWinControl;
    void CloseRequested() override { Application().Terminate(); }
  };
  Closer& closer = TComponent::Create<Closer>(*form);
  closer.SetParent(form.get());
  PostMessageA(test::WindowHandle(closer), WM_CLOSE, 0, 0);
  Application().Run();
  EXPECT_TRUE(Application().Terminated());
  // The quit request was used up: the queue holds none for the next loop.
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
}

// The showing tooltip of this thread and the text of its tool, if any.
std::string ShownTooltipText() {
  HWND tip = nullptr;
  for (HWND window : test::ThreadWindows()) {
    char name[64]{};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpiA(name, TOOLTIPS_CLASSA) == 0 && IsWindowVisible(window)) tip = window;
  }
  if (!tip) return {};
  char text[256]{};
  TTTOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V2_SIZE;
  info.lpszText = text;
  if (!SendMessageA(tip, TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(&info))) return {};
  return text;
}

// A form whose whole surface may drag it, as the installer's window does.
class DraggedForm : public TForm {
 public:
  using TForm::TForm;
  bool dragsEverywhere = false;

 protected:
  THitTest HitTest(int, int, THitTest defaultAnswer) override {
    return dragsEverywhere && defaultAnswer == THitTest::Client ? THitTest::Caption : defaultAnswer;
  }
};

// Also over a surface that answers the hit test as caption, where the window
// system sends non-client mouse messages only.
TEST_F(ToolkitWin, AWindowlessControlsHintShowsInARealTooltipWhereThePointerRests) {
  for (bool caption : {true, false}) {
    SCOPED_TRACE(caption ? "over a caption surface" : "over the client area");
    DraggedForm hinted(nullptr);
    hinted.dragsEverywhere = caption;
    hinted.SetBorderStyle(bsNone);
    hinted.SetBounds(200, 200, 240, 100);
    hinted.SetShowHint(true);
    TLabel& label = TComponent::Create<TLabel>(hinted);
    label.SetParent(&hinted);
    label.SetAutoSize(false);
    label.SetBounds(10, 10, 120, 20);
    label.SetHint("Click to choose the folder");
    hinted.Show();
    HWND hwnd = test::WindowHandle(hinted);
    SetForegroundWindow(hwnd);
    SetCursorPos(200 + 40, 200 + 18);
    std::string shown;
    // The pointer arrives and rests: one move, then only the message loop.
    if (caption) {
      ASSERT_EQ(SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(200 + 40, 200 + 18)), HTCAPTION);
      SendMessageA(hwnd, WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(200 + 40, 200 + 18));
    } else {
      SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(40, 18));
    }
    for (int i = 0; i < 100 && shown.empty(); ++i) {
      Application().ProcessMessages();
      Sleep(30);
      shown = ShownTooltipText();
    }
    EXPECT_EQ(shown, "Click to choose the folder");
    if (caption) continue;
    // Without ShowHint the tool is gone.
    label.SetShowHint(false);
    SetCursorPos(200 + 200, 200 + 80);
    SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(200, 80));
    Application().ProcessMessages();
    SetCursorPos(200 + 40, 200 + 18);
    SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(40, 18));
    for (int i = 0; i < 40; ++i) {
      Application().ProcessMessages();
      Sleep(30);
    }
    EXPECT_EQ(ShownTooltipText(), "");
  }
}

}  // namespace
}  // namespace nuvex
