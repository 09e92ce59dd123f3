#pragma once
// The window backend: the seam between windowed controls and the window
// system.  A windowed control owns one TNativeWindow; the window reports what
// happens to it to its TWindowSink (the control) as plain events.
//
// Two backends exist: the Win32 one (one HWND per window, Windows only) and
// the headless one (toolkit/backends/headless/HeadlessBackend.h), which records what a window
// would do and takes simulated input.  The current backend is the platform's
// own unless one was installed (tests install the headless one).
//
// Coordinates: a child window's bounds are relative to its parent's client
// area; a top-level window's bounds are screen coordinates of its outer
// rectangle.  Event points are client coordinates.
#include <cstdint>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Geometry.h"
#include "toolkit/window/Input.h"
#include "toolkit/graphics/Region.h"
#include "base/Service.h"

namespace nuvex {

// What happens to a window, as the control behind it hears it.  The backend
// never lets an exception out of these calls escape into the window system:
// the control catches at its dispatch and hands the error to the application.
class TWindowSink {
 public:
  // Compose the client area onto surface (sized to the client area); only
  // `area` needs to be right.
  virtual void WindowPaint(TBitmap& surface, const TRect& area) = 0;
  virtual void WindowMouse(const TMouseEvent& event) = 0;
  virtual void WindowMouseEnter() = 0;
  virtual void WindowMouseLeave() = 0;
  virtual void WindowCaptureLost() = 0;
  // A key for this window; returns true when the key was used up.
  virtual bool WindowKey(const TKeyEvent& event) = 0;
  // Which part of the window a client point is; defaultAnswer is the window system's.
  virtual THitTest WindowHitTest(int x, int y, THitTest defaultAnswer) = 0;
  virtual TCursor WindowCursor(int x, int y) = 0;
  // The window system moved or sized the window (bounds as in SetBounds).
  virtual void WindowBoundsChanged(const TRect& bounds) = 0;
  // The user asked the window to close; the window stays until its owner destroys it.
  virtual void WindowClose() = 0;
  // A notification of a native control (edit box, list ...), passed on by its parent.
  virtual void WindowCommand(int notifyCode) = 0;
  virtual void WindowFocusChanged(bool focused) = 0;
  // The backend failed while handling something for this window (a picture
  // that could not be made); the sink reports it as its own errors.
  virtual void WindowError(const std::exception& error) = 0;

 protected:
  ~TWindowSink() = default;
};

enum class TWindowKind : uint8_t {
  Child,       // a child window without a frame
  Popup,       // a top-level window without border or title bar
  Single,      // a top-level window with a single fixed border and a title bar
  Dialog,      // a top-level window with a dialog's modal frame and a title bar
  Sizeable,    // a top-level window with a sizeable border and a title bar
};

struct TWindowParams {
  TWindowKind Kind = TWindowKind::Child;
  // Empty: the toolkit's own window class, painted through WindowPaint.
  // Otherwise a native control class ("EDIT", "BUTTON", "COMBOBOX",
  // "LISTBOX"): it paints itself; its messages still reach the sink.
  std::string NativeClass;
  // Extra style bits for a native control class, in the window system's numbers.
  uint32_t NativeStyle = 0;
  std::string Text;
  TRect Bounds;
  bool Visible = false;
  bool Enabled = true;
  bool TabStop = false;
};

class TNativeWindow {
 public:
  // Destroys the window; the sink hears nothing more.
  virtual ~TNativeWindow() = default;

  virtual void SetBounds(const TRect& bounds) = 0;
  // Outer size minus client size (frame and title bar); 0 x 0 for a child.
  virtual TSize FrameSize() const = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual void SetText(const std::string& text) = 0;
  virtual std::string Text() const = 0;
  virtual void SetFont(const TFont& font) = 0;
  // The window's shape; nullopt: the whole window.  The window owns the
  // shape from now on.  With redraw the window is repainted at once.  False
  // when the window system refused the shape: the window keeps its old one.
  virtual bool SetRegion(const std::optional<TRegion>& region, bool redraw) = 0;
  virtual std::optional<TRegion> Region() const = 0;
  // Marks part of the client area (nullptr: all of it) for a later paint.
  virtual void Invalidate(const TRect* rect) = 0;
  // Paints the invalid part now.
  virtual void Update() = 0;
  // Composes rect of the client area and shows it at once, without waiting
  // for the message loop (a windowless control's Repaint).
  virtual void PaintNow(const TRect& rect) = 0;
  virtual void SetCapture() = 0;
  virtual void ReleaseCapture() = 0;
  virtual bool HasCapture() const = 0;
  virtual void SetFocus() = 0;
  virtual bool Focused() const = 0;
  // The point of the client area in screen coordinates.
  virtual TPoint ClientToScreen(TPoint point) const = 0;

  // The items of a native list ("LISTBOX") or drop-down list ("COMBOBOX"),
  // the selected one (-1: none) and the height of an item.  Other windows
  // ignore them (ItemIndex -1).
  virtual void SetItems(const std::vector<std::string>& items) = 0;
  virtual int ItemIndex() const = 0;
  virtual void SetItemIndex(int index) = 0;
  virtual void SetItemHeight(int height) = 0;

  // A hint for an area of the client area, shown in a tooltip when the
  // pointer rests there; `tool` tells a window's hints apart.  An empty text
  // removes the hint.
  virtual void SetHint(uintptr_t tool, const TRect& area, const std::string& text) = 0;
};

// Notification codes of the native lists, in the window system's numbers.
inline constexpr int kListSelectionChanged = 1;  // LBN_SELCHANGE, CBN_SELCHANGE

// Message box flags and answers, in the window system's numbers.
inline constexpr uint32_t mbOk = 0x00;
inline constexpr uint32_t mbOkCancel = 0x01;
inline constexpr uint32_t mbIconError = 0x10;
inline constexpr uint32_t mbIconInformation = 0x40;
inline constexpr int idOk = 1;
inline constexpr int idCancel = 2;

class TWindowBackend {
 public:
  virtual ~TWindowBackend() = default;
  // A new window for sink; parent nullptr makes a top-level window.
  virtual std::unique_ptr<TNativeWindow> NewWindow(TWindowSink& sink, TNativeWindow* parent,
                                                   const TWindowParams& params) = 0;
  // Handles every waiting message, then returns.
  virtual void ProcessMessages() = 0;
  // Waits for one message and handles it; false when the quit request came.
  virtual bool HandleMessage() = 0;
  // Asks the message loop to end.
  virtual void PostQuit() = 0;
  // Tells the window system that the program is alive while a long task
  // keeps it from its messages, without taking or handling any input (a
  // window that asks for no message for seconds is marked not responding).
  virtual void KeepAlive() = 0;
  // A modal message box; returns the button pressed (idOk ...).
  virtual int ShowMessageBox(const std::string& text, const std::string& caption, uint32_t flags) = 0;
  virtual TSize ScreenSize() const = 0;
  // Outer size minus client size of a top-level window of this kind, before
  // any such window exists (TNativeWindow::FrameSize once it does).
  virtual TSize FrameSize(TWindowKind kind) const = 0;
  // The program's topmost window under a screen point (the deepest child
  // window that takes input there), or nullptr.  A drag of controls asks
  // this while its source holds the capture.
  virtual TNativeWindow* WindowAt(TPoint screen) const = 0;
  // Shows a pointer shape now.  While a window holds the capture the window
  // system asks no window for its cursor, so a drag sets it itself.
  virtual void SetCursorShape(TCursor cursor) = 0;
};

// The platform's own backend is Win32 on Windows, headless natively; it is
// defined by that backend's layer.
template <>
TWindowBackend& Service<TWindowBackend>::Platform();

// The backend windows are made with now.  Windows made by a backend must be
// gone before another one is put in its place.
inline TWindowBackend& CurrentWindowBackend() { return Service<TWindowBackend>::Current(); }

}  // namespace nuvex
