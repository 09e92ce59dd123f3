// The Win32 window backend.  Every window, of our own class or a native
// control class, is served by WindowProc: `this` (the Win32Window) is bound
// at WM_NCCREATE (right after creation for a native control, whose own
// procedure then becomes the default handling) and unbound at WM_NCDESTROY.
// Messages become the sink's plain events; errors never cross the procedure.
#include "toolkit/backends/win32/Win32Backend.h"

#include <commctrl.h>
#include <windowsx.h>

#include <exception>
#include <string>
#include <vector>

#include "base/DestroyWatch.h"
#include "base/Error.h"
#include "toolkit/graphics/GdiBridge.h"

namespace nuvex {

namespace {

constexpr const char* kWindowClass = "NuvexWindow";
constexpr UINT kKeepAliveMessage = WM_APP + 0x3FF0;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

HINSTANCE ModuleInstance() { return GetModuleHandleA(nullptr); }

void RegisterWindowClass() {
  static const bool registered = [] {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = ModuleInstance();
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = nullptr;  // every paint covers the whole area
    wc.lpszClassName = kWindowClass;
    if (!RegisterClassExA(&wc)) throw Error("Cannot register the window class");
    return true;
  }();
  (void)registered;
}

TShiftState ShiftOf(WPARAM keys) {
  TShiftState shift = 0;
  if (keys & MK_SHIFT) shift |= ssShift;
  if (keys & MK_CONTROL) shift |= ssCtrl;
  if (keys & MK_LBUTTON) shift |= ssLeft;
  if (keys & MK_RBUTTON) shift |= ssRight;
  if (keys & MK_MBUTTON) shift |= ssMiddle;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

TShiftState KeyShift() {
  TShiftState shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

enum class TListKind : uint8_t { None, ListBox, ComboBox };

TListKind ListKindOf(const std::string& nativeClass) {
  if (lstrcmpiA(nativeClass.c_str(), "LISTBOX") == 0) return TListKind::ListBox;
  if (lstrcmpiA(nativeClass.c_str(), "COMBOBOX") == 0) return TListKind::ComboBox;
  return TListKind::None;
}

struct TWindowStyle {
  DWORD Style;
  DWORD ExStyle;
};

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

bool IsMouseMessage(UINT message) { return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST; }

LPCSTR CursorId(TCursor cursor) {
  switch (cursor) {
    case crHandPoint: return reinterpret_cast<LPCSTR>(IDC_HAND);
    case crNoDrop: return reinterpret_cast<LPCSTR>(IDC_NO);
    // The window system has no stock drag pointer; the arrow stands for it.
    default: return reinterpret_cast<LPCSTR>(IDC_ARROW);
  }
}

class Win32Window final : public TNativeWindow {
 public:
  Win32Window(TWindowSink& sink, HWND parent, const TWindowParams& params)
      : sink_(sink), listKind_(ListKindOf(params.NativeClass)) {
    RegisterWindowClass();
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
    nativeProc_ = nullptr;
    hwnd_ = CreateWindowExA(exStyle, native ? params.NativeClass.c_str() : kWindowClass, params.Text.c_str(),
                            style, b.Left, b.Top, b.Width(), b.Height(), parent, id, ModuleInstance(),
                            native ? nullptr : this);
    if (!hwnd_) throw Error("Cannot create a window (error " + std::to_string(GetLastError()) + ")");
    if (native) {
      // The native control's own procedure becomes our default handling.
      SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
      nativeProc_ = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc)));
    }
    if (params.Visible) ShowWindow(hwnd_, parent ? SW_SHOWNA : SW_SHOW);
  }

  ~Win32Window() override {
    destroying_ = true;
    if (pointerOwner_ == this) pointerOwner_ = nullptr;
    if (tooltip_) DestroyWindow(tooltip_);
    if (hwnd_) DestroyWindow(hwnd_);
  }

  // A handler may destroy the window it serves (a click that frees its
  // form); the window procedure watches this and then touches nothing of it.
  TWatchedLife& Life() { return life_; }

  // An error that escaped the handling of a message, for the control to report.
  void ReportError(const std::exception& error) { sink_.WindowError(error); }

  HWND Handle() const { return hwnd_; }

  // TNativeWindow
  void SetBounds(const TRect& b) override {
    SetWindowPos(hwnd_, nullptr, b.Left, b.Top, b.Width(), b.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  }
  TSize FrameSize() const override {
    RECT window{}, client{};
    GetWindowRect(hwnd_, &window);
    GetClientRect(hwnd_, &client);
    return {(window.right - window.left) - client.right, (window.bottom - window.top) - client.bottom};
  }
  void SetVisible(bool visible) override {
    ShowWindow(hwnd_, visible ? ((GetWindowLongA(hwnd_, GWL_STYLE) & WS_CHILD) ? SW_SHOWNA : SW_SHOW) : SW_HIDE);
  }
  void SetEnabled(bool enabled) override { EnableWindow(hwnd_, enabled ? TRUE : FALSE); }
  void SetText(const std::string& text) override { SetWindowTextA(hwnd_, text.c_str()); }
  std::string Text() const override {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(hwnd_)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(hwnd_, text.data(), static_cast<int>(text.size()))));
    return text;
  }
  void SetFont(const TFont& font) override {
    if (!nativeProc_) return;  // our own windows draw their text themselves
    // The handle is the font cache's; it outlives the window.
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(gdi::FontFor(font)), TRUE);
  }
  bool SetRegion(const std::optional<TRegion>& region, bool redraw) override {
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
  std::optional<TRegion> Region() const override {
    gdi::UniqueRegion handle(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(hwnd_, handle.Get()) == ERROR) return std::nullopt;
    return gdi::RegionFromHandle(handle.Get());
  }
  void Invalidate(const TRect* rect) override {
    if (!rect) {
      InvalidateRect(hwnd_, nullptr, FALSE);
      return;
    }
    const RECT r{rect->Left, rect->Top, rect->Right, rect->Bottom};
    InvalidateRect(hwnd_, &r, FALSE);
  }
  void Update() override { UpdateWindow(hwnd_); }
  void PaintNow(const TRect& rect) override {
    if (!IsWindowVisible(hwnd_) || nativeProc_) return;
    RECT client{};
    GetClientRect(hwnd_, &client);
    // Kept between calls: a progress report repaints a small part many
    // times, and a fresh window-sized picture each time cost more than the
    // painting.  Only `rect` of it is composed and shown.
    if (nowSurface_.Width() != client.right || nowSurface_.Height() != client.bottom) {
      nowSurface_.SetSize(client.right, client.bottom);
    }
    TBitmap& surface = nowSurface_;
    sink_.WindowPaint(surface, rect);
    // Only the composed part goes to the screen, so no clipping state is
    // set up and torn down on the DC for every progress report.
    gdi::WindowDc dc(hwnd_);
    gdi::DrawBitmapPart(dc.Get(), rect, surface);
  }
  void SetCapture() override { ::SetCapture(hwnd_); }
  void ReleaseCapture() override {
    if (GetCapture() == hwnd_) ::ReleaseCapture();
  }
  bool HasCapture() const override { return GetCapture() == hwnd_; }
  void SetFocus() override { ::SetFocus(hwnd_); }
  bool Focused() const override { return GetFocus() == hwnd_; }
  TPoint ClientToScreen(TPoint point) const override {
    POINT p{point.X, point.Y};
    ::ClientToScreen(hwnd_, &p);
    return {p.x, p.y};
  }
  void SetItems(const std::vector<std::string>& items) override {
    if (listKind_ == TListKind::None) return;
    const bool box = listKind_ == TListKind::ListBox;
    SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(hwnd_, box ? LB_RESETCONTENT : CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) {
      SendMessageA(hwnd_, box ? LB_ADDSTRING : CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
  }
  int ItemIndex() const override {
    if (listKind_ == TListKind::None) return -1;
    const LRESULT index = SendMessageA(hwnd_, listKind_ == TListKind::ListBox ? LB_GETCURSEL : CB_GETCURSEL, 0, 0);
    return index < 0 ? -1 : static_cast<int>(index);
  }
  void SetItemIndex(int index) override {
    if (listKind_ == TListKind::None) return;
    SendMessageA(hwnd_, listKind_ == TListKind::ListBox ? LB_SETCURSEL : CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
  void SetItemHeight(int height) override {
    if (listKind_ == TListKind::ListBox) SendMessageA(hwnd_, LB_SETITEMHEIGHT, 0, MAKELPARAM(height, 0));
    if (listKind_ == TListKind::ComboBox) SendMessageA(hwnd_, CB_SETITEMHEIGHT, 0, MAKELPARAM(height, 0));
  }
  void SetHint(uintptr_t tool, const TRect& area, const std::string& text) override {
    if (text.empty() && !tooltip_) return;
    if (!tooltip_) MakeTooltip();
    TTTOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V2_SIZE;  // understood by every version of the common controls
    info.hwnd = hwnd_;
    info.uId = tool;
    SendMessageA(tooltip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    if (text.empty()) return;
    info.rect = {area.Left, area.Top, area.Right, area.Bottom};
    info.lpszText = const_cast<LPSTR>(text.c_str());  // the tooltip keeps a copy
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
  }

  // The one window procedure's work for this window.  Once `live` says the
  // window is gone, nothing of it may be read.
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam, const TDestroyWatch& live);
  LRESULT Default(UINT message, WPARAM wparam, LPARAM lparam) {
    return nativeProc_ ? CallWindowProcA(nativeProc_, hwnd_, message, wparam, lparam)
                       : DefWindowProcA(hwnd_, message, wparam, lparam);
  }

  // Set by WindowProc.
  HWND hwnd_ = nullptr;
  bool destroying_ = false;

 private:
  void Mouse(TMouseAction action, TMouseButton button, bool doubleClick, WPARAM wparam, LPARAM lparam,
             const TDestroyWatch& live);
  void Paint();
  void MakeTooltip();
  void RelayToTooltip(UINT message, WPARAM wparam, LPARAM lparam);
  void PointerLeft() {
    tracking_ = false;
    if (pointerOwner_ == this) pointerOwner_ = nullptr;
    sink_.WindowMouseLeave();
  }

  TWindowSink& sink_;
  const TListKind listKind_;
  WNDPROC nativeProc_ = nullptr;
  HWND tooltip_ = nullptr;  // made with the first hint; shows this window's hints
  bool tracking_ = false;
  // The window that last heard the pointer enter and not yet leave.  The
  // system tracks one window a thread and may drop its leave (seen under Wine:
  // a button kept its pointer-over picture after the pointer had gone), so a
  // pointer message for another of our windows is that window's leave too.
  static inline Win32Window* pointerOwner_ = nullptr;
  TBitmap nowSurface_;  // PaintNow's picture of the client area
  TWatchedLife life_;  // last member: the watches hear of the end after everything else
};

Win32Window* BoundWindow(HWND hwnd) {
  if (!hwnd || GetWindowLongPtrA(hwnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(WindowProc)) return nullptr;
  return reinterpret_cast<Win32Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

void Win32Window::Paint() {
  gdi::PaintDc paint(hwnd_);
  RECT client{};
  GetClientRect(hwnd_, &client);
  if (!paint.Get() || client.right <= 0 || client.bottom <= 0) return;
  TBitmap surface(client.right, client.bottom);
  sink_.WindowPaint(surface, paint.Area());
  gdi::DrawBitmap(paint.Get(), 0, 0, surface);  // clipped to the update region by BeginPaint
}

void Win32Window::MakeTooltip() {
  static const bool initialised = [] {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)initialised;
  // Owned by the top-level window, so that it shows above it.
  tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                             GetAncestor(hwnd_, GA_ROOT), nullptr, ModuleInstance(), nullptr);
  if (!tooltip_) throw Error("Cannot create a tooltip (error " + std::to_string(GetLastError()) + ")");
}

// The tooltip learns where the pointer is from the window's own mouse
// messages; it does not subclass the window, which would hide the window
// from BoundWindow.
void Win32Window::RelayToTooltip(UINT message, WPARAM wparam, LPARAM lparam) {
  MSG msg{hwnd_, message, wparam, lparam, static_cast<DWORD>(GetMessageTime()), {}};
  GetCursorPos(&msg.pt);
  SendMessageA(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

void Win32Window::Mouse(TMouseAction action, TMouseButton button, bool doubleClick, WPARAM wparam, LPARAM lparam,
                        const TDestroyWatch& live) {
  // With the mouse captured, moves arrive from anywhere on the screen: only
  // a point of the client area is the pointer entering.
  const auto insideClient = [this, lparam] {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    return PtInRect(&client, at) != FALSE;
  };
  if (action == TMouseAction::Move && !tracking_ && insideClient()) {
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, hwnd_, 0};
    tracking_ = TrackMouseEvent(&track) != FALSE;
    if (tracking_) pointerOwner_ = this;
    sink_.WindowMouseEnter();
    if (live.Destroyed() || destroying_) return;
  }
  TMouseEvent event;
  event.Action = action;
  event.Button = button;
  event.Shift = static_cast<TShiftState>(ShiftOf(wparam) | (doubleClick ? ssDouble : 0));
  event.X = GET_X_LPARAM(lparam);
  event.Y = GET_Y_LPARAM(lparam);
  sink_.WindowMouse(event);
}

LRESULT Win32Window::Handle(UINT message, WPARAM wparam, LPARAM lparam, const TDestroyWatch& live) {
  if (destroying_) return Default(message, wparam, lparam);
  const bool native = nativeProc_ != nullptr;
  if (tooltip_ && IsMouseMessage(message)) RelayToTooltip(message, wparam, lparam);
  // Where the hit test answers caption over the client area (a surface that
  // drags its window), the pointer's messages arrive as non-client ones, in
  // screen points: the tooltip hears them as the client-area messages they
  // stand for, in the same order.
  if (tooltip_ && message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK) {
    POINT p{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    ScreenToClient(hwnd_, &p);
    RelayToTooltip(WM_MOUSEMOVE + (message - WM_NCMOUSEMOVE), 0, MAKELPARAM(p.x, p.y));
  }
  if ((message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE) && pointerOwner_ && pointerOwner_ != this) {
    pointerOwner_->PointerLeft();
    if (live.Destroyed() || destroying_) return 0;
  }
  switch (message) {
    case WM_ERASEBKGND:
      if (native) break;
      return 1;  // the paint covers everything; clearing first would flicker
    case WM_PAINT:
      if (native) break;
      Paint();
      return 0;
    case WM_PRINTCLIENT: {
      // PrintWindow and friends: the whole client area onto their device context.
      if (native) break;
      RECT client{};
      GetClientRect(hwnd_, &client);
      if (client.right <= 0 || client.bottom <= 0) return 0;
      TBitmap surface(client.right, client.bottom);
      sink_.WindowPaint(surface, {0, 0, client.right, client.bottom});
      gdi::DrawBitmap(reinterpret_cast<HDC>(wparam), 0, 0, surface);
      return 0;
    }
    case WM_MOUSEMOVE: Mouse(TMouseAction::Move, mbLeft, false, wparam, lparam, live); break;
    case WM_LBUTTONDOWN: Mouse(TMouseAction::Down, mbLeft, false, wparam, lparam, live); break;
    case WM_LBUTTONDBLCLK: Mouse(TMouseAction::Down, mbLeft, true, wparam, lparam, live); break;
    case WM_LBUTTONUP: Mouse(TMouseAction::Up, mbLeft, false, wparam, lparam, live); break;
    case WM_RBUTTONDOWN: Mouse(TMouseAction::Down, mbRight, false, wparam, lparam, live); break;
    case WM_RBUTTONDBLCLK: Mouse(TMouseAction::Down, mbRight, true, wparam, lparam, live); break;
    case WM_RBUTTONUP: Mouse(TMouseAction::Up, mbRight, false, wparam, lparam, live); break;
    case WM_MBUTTONDOWN: Mouse(TMouseAction::Down, mbMiddle, false, wparam, lparam, live); break;
    case WM_MBUTTONDBLCLK: Mouse(TMouseAction::Down, mbMiddle, true, wparam, lparam, live); break;
    case WM_MBUTTONUP: Mouse(TMouseAction::Up, mbMiddle, false, wparam, lparam, live); break;
    case WM_MOUSELEAVE:
      // A leave already given for a move over another window is not repeated.
      if (tracking_) PointerLeft();
      break;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lparam) != hwnd_) sink_.WindowCaptureLost();
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (sink_.WindowKey({message == WM_KEYDOWN, static_cast<uint16_t>(wparam), KeyShift()})) return 0;
      break;
    case WM_NCHITTEST: {
      const LRESULT answer = Default(message, wparam, lparam);
      if (answer != HTCLIENT && answer != HTCAPTION) return answer;
      POINT p{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
      ScreenToClient(hwnd_, &p);
      const THitTest given = answer == HTCLIENT ? THitTest::Client : THitTest::Caption;
      switch (sink_.WindowHitTest(p.x, p.y, given)) {
        case THitTest::Client: return HTCLIENT;
        case THitTest::Caption: return HTCAPTION;
        case THitTest::Nowhere: return HTNOWHERE;
      }
      return answer;
    }
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wparam) == hwnd_ && LOWORD(lparam) == HTCLIENT) {
        POINT p{};
        GetCursorPos(&p);
        ScreenToClient(hwnd_, &p);
        const TCursor cursor = sink_.WindowCursor(p.x, p.y);
        if (cursor != crDefault) {
          SetCursor(LoadCursorA(nullptr, CursorId(cursor)));
          return TRUE;
        }
      }
      break;
    case WM_WINDOWPOSCHANGED: {
      const LRESULT result = Default(message, wparam, lparam);
      RECT r{};
      GetWindowRect(hwnd_, &r);
      if (HWND parent = (GetWindowLongA(hwnd_, GWL_STYLE) & WS_CHILD) ? GetParent(hwnd_) : nullptr) {
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
      }
      sink_.WindowBoundsChanged({r.left, r.top, r.right, r.bottom});
      return result;
    }
    case WM_CLOSE:
      sink_.WindowClose();
      return 0;
    case WM_COMMAND:
      // A native control's notification goes back to the control it came from.
      if (Win32Window* child = BoundWindow(reinterpret_cast<HWND>(lparam))) {
        child->sink_.WindowCommand(HIWORD(wparam));
        return 0;
      }
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      const LRESULT result = Default(message, wparam, lparam);
      sink_.WindowFocusChanged(message == WM_SETFOCUS);
      return result;
    }
    case WM_DESTROY:
      destroying_ = true;
      if (pointerOwner_ == this) pointerOwner_ = nullptr;
      break;
    default:
      break;
  }
  if (live.Destroyed()) return 0;
  return Default(message, wparam, lparam);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  Win32Window* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    if (self) self->hwnd_ = hwnd;
  } else {
    self = reinterpret_cast<Win32Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcA(hwnd, message, wparam, lparam);
  // No exception may cross into the window system.  The control's own
  // dispatch reports its errors; this catches what the backend itself raised.
  TDestroyWatch live(self->Life());
  LRESULT result = 0;
  try {
    result = self->Handle(message, wparam, lparam, live);
  } catch (const std::exception& error) {
    if (!live.Destroyed()) self->ReportError(error);
  } catch (...) {
    if (!live.Destroyed()) self->ReportError(Error("Unknown error"));
  }
  if (message == WM_NCDESTROY && !live.Destroyed()) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
  }
  return result;
}

class Win32Backend final : public TWindowBackend {
 public:
  std::unique_ptr<TNativeWindow> NewWindow(TWindowSink& sink, TNativeWindow* parent,
                                           const TWindowParams& params) override {
    auto* parentWindow = dynamic_cast<Win32Window*>(parent);
    return std::make_unique<Win32Window>(sink, parentWindow ? parentWindow->Handle() : nullptr, params);
  }
  void ProcessMessages() override {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));  // keep it for the main loop
        return;
      }
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  bool HandleMessage() override {
    MSG msg;
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) return false;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return true;
  }
  void PostQuit() override { PostQuitMessage(0); }
  void KeepAlive() override {
    // Asking for a message counts as answering.  The range is one message
    // number of our own that nobody posts, so no input is taken or handled
    // (messages sent by other threads are still delivered, as in any wait).
    MSG msg;
    PeekMessageA(&msg, nullptr, kKeepAliveMessage, kKeepAliveMessage, PM_NOREMOVE | PM_NOYIELD);
  }
  int ShowMessageBox(const std::string& text, const std::string& caption, uint32_t flags) override {
    return MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), flags);
  }
  TSize ScreenSize() const override { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }
  TSize FrameSize(TWindowKind kind) const override {
    if (kind == TWindowKind::Child) return {};
    const TWindowStyle style = StyleOf(kind);
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
      if (Win32Window* window = BoundWindow(hwnd)) return window;
    }
    return nullptr;
  }
  void SetCursorShape(TCursor cursor) override { SetCursor(LoadCursorA(nullptr, CursorId(cursor))); }
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
  auto* win32 = dynamic_cast<Win32Window*>(&window);
  return win32 ? win32->Handle() : nullptr;
}

}  // namespace nuvex
