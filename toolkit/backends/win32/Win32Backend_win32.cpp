// The Win32 window backend: it makes the windows (Win32Window), runs the
// thread's message loop and answers what is asked of the screen.
#include "toolkit/backends/win32/Win32Backend.h"

#include "toolkit/backends/win32/MessageLoop.h"
#include "toolkit/backends/win32/Win32Window.h"

namespace nuvex {

namespace {

using win32::Win32Window;

class Win32Backend final : public TWindowBackend {
 public:
  std::unique_ptr<TNativeWindow> NewWindow(TWindowSink& sink, TNativeWindow* parent,
                                           const TWindowParams& params) override {
    auto* parentWindow = dynamic_cast<Win32Window*>(parent);
    return std::make_unique<Win32Window>(sink, parentWindow ? parentWindow->Handle() : nullptr, params);
  }
  void ProcessMessages() override { win32::DispatchPending(); }
  bool HandleMessage() override { return win32::DispatchNext(); }
  void PostQuit() override { PostQuitMessage(0); }
  void KeepAlive() override { win32::AnswerSystem(); }
  int ShowMessageBox(const std::string& text, const std::string& caption, uint32_t flags) override {
    return MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), flags);
  }
  TSize ScreenSize() const override { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }
  TSize FrameSize(TWindowKind kind) const override {
    if (kind == TWindowKind::Child) return {};
    const win32::TWindowStyle style = win32::StyleOf(kind);
    RECT r{0, 0, 100, 100};
    AdjustWindowRectEx(&r, style.Style, FALSE, style.ExStyle);
    return {(r.right - r.left) - 100, (r.bottom - r.top) - 100};
  }
  TNativeWindow* WindowAt(TPoint screen) const override {
    // The deepest window under the point; a part of a native control that
    // is not ours (a drop-down list's edit box) stands for its owner.
    HWND hwnd = WindowFromPoint(POINT{screen.X, screen.Y});
    DWORD process = 0;
    if (!hwnd || !GetWindowThreadProcessId(hwnd, &process) || process != GetCurrentProcessId()) return nullptr;
    for (; hwnd; hwnd = (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) ? GetParent(hwnd) : nullptr) {
      if (Win32Window* window = win32::BoundWindow(hwnd)) return window;
    }
    return nullptr;
  }
  void SetCursorShape(TCursor cursor) override { SetCursor(win32::CursorOf(cursor)); }
};

}  // namespace

TWindowBackend& Win32WindowBackend() {
  static Win32Backend backend;
  return backend;
}

template <>
TWindowBackend& Service<TWindowBackend>::Platform() {
  return Win32WindowBackend();
}

HWND Win32WindowHandle(TNativeWindow& window) {
  auto* ours = dynamic_cast<Win32Window*>(&window);
  return ours ? ours->Handle() : nullptr;
}

}  // namespace nuvex
