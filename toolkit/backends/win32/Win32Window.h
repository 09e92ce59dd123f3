#pragma once
// One window of the Win32 backend, of our own class or a native control
// class.  Every one is served by the one window procedure (WindowProc):
// `this` is bound at WM_NCCREATE (right after creation for a native control,
// whose own procedure then becomes the default handling) and unbound at
// WM_NCDESTROY.  Messages become the sink's plain events; errors never cross
// the procedure.
#ifndef _WIN32
#error "toolkit/backends/win32/Win32Window.h is for Windows builds only"
#endif
#include <windows.h>

#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "base/DestroyWatch.h"
#include "toolkit/backends/win32/MessageTranslation.h"
#include "toolkit/backends/win32/NativeList.h"
#include "toolkit/backends/win32/Tooltip.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/window/WindowBackend.h"

namespace nuvex::win32 {

struct TWindowStyle {
  DWORD Style;
  DWORD ExStyle;
};

// The window system's styles for a kind of window.
TWindowStyle StyleOf(TWindowKind kind);

// The one window procedure of every window of the backend.
LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

// The name of the toolkit's own window class, registered with the first call.
const char* OwnWindowClass();

class Win32Window final : public TNativeWindow {
 public:
  Win32Window(TWindowSink& sink, HWND parent, const TWindowParams& params);
  ~Win32Window() override;

  HWND Handle() const { return hwnd_; }

  // The window procedure's side: it binds the handle at WM_NCCREATE and
  // unbinds it at WM_NCDESTROY.
  void Attach(HWND hwnd) { hwnd_ = hwnd; }
  void Detach() { hwnd_ = nullptr; }

  // A handler may destroy the window it serves (a click that frees its
  // form); the window procedure watches this and then touches nothing of it.
  TWatchedLife& Life() { return life_; }

  // An error that escaped the handling of a message, for the control to report.
  void ReportError(const std::exception& error) { sink_.WindowError(error); }

  // The window procedure's work for this window.  Once `live` says the
  // window is gone, nothing of it may be read.
  LRESULT Receive(UINT message, WPARAM wparam, LPARAM lparam, const TDestroyWatch& live);

  // TNativeWindow
  void SetBounds(const TRect& b) override;
  TSize FrameSize() const override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  void SetText(const std::string& text) override;
  std::string Text() const override;
  void SetFont(const TFont& font) override;
  bool SetRegion(const std::optional<TRegion>& region, bool redraw) override;
  std::optional<TRegion> Region() const override;
  void Invalidate(const TRect* rect) override;
  void Update() override;
  void PaintNow(const TRect& rect) override;
  void SetCapture() override;
  void ReleaseCapture() override;
  bool HasCapture() const override;
  void SetFocus() override;
  bool Focused() const override;
  TPoint ClientToScreen(TPoint point) const override;
  void SetItems(const std::vector<std::string>& items) override { list_.SetItems(hwnd_, items); }
  int ItemIndex() const override { return list_.ItemIndex(hwnd_); }
  void SetItemIndex(int index) override { list_.SetItemIndex(hwnd_, index); }
  void SetItemHeight(int height) override { list_.SetItemHeight(hwnd_, height); }
  void SetHint(uintptr_t tool, const TRect& area, const std::string& text) override {
    tooltip_.SetHint(hwnd_, tool, area, text);
  }

 private:
  LRESULT Default(UINT message, WPARAM wparam, LPARAM lparam);
  TRect ClientArea() const;
  void Paint(HDC dc, const TRect& area);
  void Mouse(const TMouseMessage& mouse, WPARAM wparam, LPARAM lparam, const TDestroyWatch& live);
  void PointerLeft();

  TWindowSink& sink_;
  const TNativeList list_;
  HWND hwnd_ = nullptr;
  WNDPROC nativeProc_ = nullptr;
  bool destroying_ = false;
  TTooltip tooltip_;  // made with the first hint; shows this window's hints
  bool tracking_ = false;
  // The window that last heard the pointer enter and not yet leave.  The
  // system tracks one window a thread and may drop its leave (seen under Wine:
  // a button kept its pointer-over picture after the pointer had gone), so a
  // pointer message for another of our windows is that window's leave too.
  static inline Win32Window* pointerOwner_ = nullptr;
  TBitmap surface_;    // the picture of the client area that every paint composes on
  TWatchedLife life_;  // last member: the watches hear of the end after everything else
};

// The window of ours that hwnd is; nullptr for any other window.
Win32Window* BoundWindow(HWND hwnd);

}  // namespace nuvex::win32
