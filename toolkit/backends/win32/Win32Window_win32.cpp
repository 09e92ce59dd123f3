#include "toolkit/backends/win32/Win32Window.h"

#include "base/Error.h"
#include "toolkit/graphics/GdiBridge.h"

namespace nuvex::win32 {

TWindowStyle StyleOf(TWindowKind kind) {
  switch (kind) {
    case TWindowKind::Child: return {WS_CHILD | WS_CLIPSIBLINGS, 0};
    case TWindowKind::Popup: return {WS_POPUP, 0};
    // A title bar alone keeps the single fixed border; the modal frame makes
    // it a dialog's frame, with its raised edge and no icon in the title bar.
    case TWindowKind::Single: return {WS_POPUP | WS_CAPTION | WS_SYSMENU, 0};
    case TWindowKind::Dialog: return {WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME};
    case TWindowKind::Sizeable: return {WS_OVERLAPPEDWINDOW, 0};
  }
  return {WS_POPUP, 0};
}

Win32Window::Win32Window(TWindowSink& sink, HWND parent, const TWindowParams& params)
    : sink_(sink), list_(params.NativeClass) {
  const char* ownClass = OwnWindowClass();
  const bool native = !params.NativeClass.empty();
  auto [style, exStyle] = StyleOf(params.Kind);
  if (!parent) style &= ~static_cast<DWORD>(WS_CHILD);
  if (native) {
    style |= params.NativeStyle;
  } else {
    style |= WS_CLIPCHILDREN;
  }
  if (params.TabStop) style |= WS_TABSTOP;
  if (!params.Enabled) style |= WS_DISABLED;
  // Shown after creation, once everything is bound.
  static UINT_PTR nextId = 100;
  HMENU id = (style & WS_CHILD) ? reinterpret_cast<HMENU>(nextId++) : nullptr;
  const TRect& b = params.Bounds;
  const char* windowClass = native ? params.NativeClass.c_str() : ownClass;
  hwnd_ = CreateWindowExA(exStyle, windowClass, params.Text.c_str(), style, b.Left, b.Top, b.Width(), b.Height(),
                          parent, id, GetModuleHandleA(nullptr), native ? nullptr : this);
  if (!hwnd_) throw Error("Cannot create a window (error " + std::to_string(GetLastError()) + ")");
  if (native) {
    // The native control's own procedure becomes our default handling.
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    nativeProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc)));
  }
  if (params.Visible) ShowWindow(hwnd_, parent ? SW_SHOWNA : SW_SHOW);
}

Win32Window::~Win32Window() {
  destroying_ = true;
  if (pointerOwner_ == this) pointerOwner_ = nullptr;
  tooltip_.Destroy();
  if (hwnd_) DestroyWindow(hwnd_);
}

void Win32Window::SetBounds(const TRect& b) {
  SetWindowPos(hwnd_, nullptr, b.Left, b.Top, b.Width(), b.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

TSize Win32Window::FrameSize() const {
  RECT window{}, client{};
  GetWindowRect(hwnd_, &window);
  GetClientRect(hwnd_, &client);
  return {(window.right - window.left) - client.right, (window.bottom - window.top) - client.bottom};
}

void Win32Window::SetVisible(bool visible) {
  ShowWindow(hwnd_, visible ? ((GetWindowLongA(hwnd_, GWL_STYLE) & WS_CHILD) ? SW_SHOWNA : SW_SHOW) : SW_HIDE);
}

void Win32Window::SetEnabled(bool enabled) { EnableWindow(hwnd_, enabled ? TRUE : FALSE); }

void Win32Window::SetText(const std::string& text) { SetWindowTextA(hwnd_, text.c_str()); }

std::string Win32Window::Text() const {
  std::string text(static_cast<size_t>(GetWindowTextLengthA(hwnd_)) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(hwnd_, text.data(), static_cast<int>(text.size()))));
  return text;
}

void Win32Window::SetFont(const TFont& font) {
  if (!nativeProc_) return;  // our own windows draw their text themselves
  // The handle is the font cache's; it outlives the window.
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(gdi::FontFor(font)), TRUE);
}

bool Win32Window::SetRegion(const std::optional<TRegion>& region, bool redraw) {
  if (!region) return SetWindowRgn(hwnd_, nullptr, redraw ? TRUE : FALSE) != 0;
  gdi::UniqueRegion handle;
  try {
    handle = gdi::CreateRegionHandle(*region);
  } catch (const Error&) {
    return false;  // the region could not be built: the old shape stays
  }
  if (!SetWindowRgn(hwnd_, handle.Get(), redraw ? TRUE : FALSE)) return false;
  handle.Release();  // the window owns it now
  return true;
}

std::optional<TRegion> Win32Window::Region() const {
  gdi::UniqueRegion handle(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(hwnd_, handle.Get()) == ERROR) return std::nullopt;
  return gdi::RegionFromHandle(handle.Get());
}

void Win32Window::Invalidate(const TRect* rect) {
  if (!rect) {
    InvalidateRect(hwnd_, nullptr, FALSE);
    return;
  }
  const RECT r{rect->Left, rect->Top, rect->Right, rect->Bottom};
  InvalidateRect(hwnd_, &r, FALSE);
}

void Win32Window::Update() { UpdateWindow(hwnd_); }

TRect Win32Window::ClientArea() const {
  RECT client{};
  GetClientRect(hwnd_, &client);
  return {0, 0, client.right, client.bottom};
}

// Every paint of our own windows comes here: WM_PAINT with the update area,
// WM_PRINTCLIENT (PrintWindow and friends) with the whole client area, and
// PaintNow with the part a control asks for at once.  The picture is kept
// between paints: a progress report repaints a small part many times, and a
// fresh window-sized picture each time cost more than the painting.  Only
// `area` of it is composed and handed to the device context, so no clipping
// state is set up and torn down for every progress report.
void Win32Window::Paint(HDC dc, const TRect& area) {
  const TRect client = ClientArea();
  if (!dc || client.Width() <= 0 || client.Height() <= 0) return;
  if (surface_.Width() != client.Width() || surface_.Height() != client.Height()) {
    surface_.SetSize(client.Width(), client.Height());
  }
  sink_.WindowPaint(surface_, area);
  gdi::DrawBitmapPart(dc, area, surface_);
}

void Win32Window::PaintNow(const TRect& rect) {
  if (!IsWindowVisible(hwnd_) || nativeProc_) return;
  gdi::WindowDc dc(hwnd_);
  Paint(dc.Get(), rect);
}

void Win32Window::SetCapture() { ::SetCapture(hwnd_); }

void Win32Window::ReleaseCapture() {
  if (GetCapture() == hwnd_) ::ReleaseCapture();
}

bool Win32Window::HasCapture() const { return GetCapture() == hwnd_; }

void Win32Window::SetFocus() { ::SetFocus(hwnd_); }

bool Win32Window::Focused() const { return GetFocus() == hwnd_; }

TPoint Win32Window::ClientToScreen(TPoint point) const {
  POINT p{point.X, point.Y};
  ::ClientToScreen(hwnd_, &p);
  return {p.x, p.y};
}

}  // namespace nuvex::win32
