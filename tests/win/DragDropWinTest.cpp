// The scenarios of DragScenarios.h on real Win32 windows: window messages
// sent as the window system sends them, the real mouse capture, and the
// control under the pointer found by screen point across child windows.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/DragScenarios.h"
#include "tests/support/Services.h"

namespace nuvex {
namespace {

class Win32DragDriver : public test::DragDriver {
 public:
  void MoveTo(TPoint screen) override {
    at_ = screen;
    Send(WM_MOUSEMOVE, held_ ? MK_LBUTTON : 0);
  }
  void Press() override {
    held_ = true;
    Send(WM_LBUTTONDOWN, MK_LBUTTON);
  }
  void Release() override {
    held_ = false;
    Send(WM_LBUTTONUP, 0);
  }
  void Escape(TWinControl& window) override {
    HWND hwnd = test::WindowHandle(window);
    SendMessageA(hwnd, WM_KEYDOWN, VK_ESCAPE, 1);
    SendMessageA(hwnd, WM_KEYUP, VK_ESCAPE, static_cast<LPARAM>(0xC0000001));
  }
  bool ShowsNoDrop() override { return GetCursor() == LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_NO)); }

 private:
  // To the window holding the capture, else to the one under the pointer;
  // the real pointer stays put, so no move of its own comes between.
  void Send(UINT message, WPARAM keys) {
    HWND to = GetCapture();
    if (!to) to = WindowFromPoint(POINT{at_.X, at_.Y});
    POINT client{at_.X, at_.Y};
    ScreenToClient(to, &client);
    SendMessageA(to, message, keys, MAKELPARAM(client.x, client.y));
  }

  TPoint at_{};
  bool held_ = false;
};

class DragDropWin : public ::testing::Test {
 protected:
  void Run(void (*scenario)(test::DragDriver&)) {
    Win32DragDriver driver;
    scenario(driver);
  }
};

NUVEX_DRAG_SCENARIO_TESTS(DragDropWin)

}  // namespace
}  // namespace nuvex
