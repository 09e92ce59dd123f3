// The window procedure: the toolkit's window class, the binding of a window
// to its handle, and what each message becomes for the window's sink.
#include <windowsx.h>

#include "base/Error.h"
#include "toolkit/backends/win32/Win32Window.h"
#include "toolkit/graphics/GdiBridge.h"

namespace nuvex::win32 {

const char* OwnWindowClass() {
  static constexpr const char* kClassName = "NuvexWindow";
  static const bool registered = [] {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = nullptr;  // every paint covers the whole area
    wc.lpszClassName = kClassName;
    if (!RegisterClassExA(&wc)) throw Error("Cannot register the window class");
    return true;
  }();
  (void)registered;
  return kClassName;
}

Win32Window* BoundWindow(HWND hwnd) {
  if (!hwnd || GetWindowLongPtrA(hwnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(WindowProc)) return nullptr;
  return reinterpret_cast<Win32Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  Win32Window* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    if (self) self->Attach(hwnd);
  } else {
    self = reinterpret_cast<Win32Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcA(hwnd, message, wparam, lparam);
  // No exception may cross into the window system.  The control's own
  // dispatch reports its errors; this catches what the backend itself raised.
  TDestroyWatch live(self->Life());
  LRESULT result = 0;
  try {
    result = self->Receive(message, wparam, lparam, live);
  } catch (const std::exception& error) {
    if (!live.Destroyed()) self->ReportError(error);
  } catch (...) {
    if (!live.Destroyed()) self->ReportError(Error("Unknown error"));
  }
  if (message == WM_NCDESTROY && !live.Destroyed()) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->Detach();
  }
  return result;
}

LRESULT Win32Window::Default(UINT message, WPARAM wparam, LPARAM lparam) {
  return nativeProc_ ? CallWindowProcA(nativeProc_, hwnd_, message, wparam, lparam)
                     : DefWindowProcA(hwnd_, message, wparam, lparam);
}

void Win32Window::PointerLeft() {
  tracking_ = false;
  if (pointerOwner_ == this) pointerOwner_ = nullptr;
  sink_.WindowMouseLeave();
}

void Win32Window::Mouse(const TMouseMessage& mouse, WPARAM wparam, LPARAM lparam, const TDestroyWatch& live) {
  // With the mouse captured, moves arrive from anywhere on the screen: only
  // a point of the client area is the pointer entering.
  const auto insideClient = [this, lparam] {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    return PtInRect(&client, at) != FALSE;
  };
  if (mouse.Action == TMouseAction::Move && !tracking_ && insideClient()) {
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, hwnd_, 0};
    tracking_ = TrackMouseEvent(&track) != FALSE;
    if (tracking_) pointerOwner_ = this;
    sink_.WindowMouseEnter();
    if (live.Destroyed() || destroying_) return;
  }
  sink_.WindowMouse(MouseEventOf(mouse, wparam, lparam));
}

LRESULT Win32Window::Receive(UINT message, WPARAM wparam, LPARAM lparam, const TDestroyWatch& live) {
  if (destroying_) return Default(message, wparam, lparam);
  const bool native = nativeProc_ != nullptr;
  tooltip_.Relay(hwnd_, message, wparam, lparam);
  if ((message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE) && pointerOwner_ && pointerOwner_ != this) {
    pointerOwner_->PointerLeft();
    if (live.Destroyed() || destroying_) return 0;
  }
  if (const std::optional<TMouseMessage> mouse = MouseMessageOf(message)) {
    Mouse(*mouse, wparam, lparam, live);
    if (live.Destroyed()) return 0;
    return Default(message, wparam, lparam);
  }
  switch (message) {
    case WM_ERASEBKGND:
      if (native) break;
      return 1;  // the paint covers everything; clearing first would flicker
    case WM_PAINT: {
      if (native) break;
      gdi::PaintDc paint(hwnd_);  // validates the window even when nothing is drawn
      Paint(paint.Get(), paint.Area());
      return 0;
    }
    case WM_PRINTCLIENT:
      if (native) break;
      Paint(reinterpret_cast<HDC>(wparam), ClientArea());
      return 0;
    case WM_MOUSELEAVE:
      // A leave already given for a move over another window is not repeated.
      if (tracking_) PointerLeft();
      break;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lparam) != hwnd_) sink_.WindowCaptureLost();
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (sink_.WindowKey(KeyEventOf(message, wparam))) return 0;
      break;
    case WM_NCHITTEST: {
      const LRESULT answer = Default(message, wparam, lparam);
      const std::optional<THitTest> given = HitTestOf(answer);
      if (!given) return answer;
      POINT p{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
      ScreenToClient(hwnd_, &p);
      return HitTestAnswer(sink_.WindowHitTest(p.x, p.y, *given));
    }
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wparam) == hwnd_ && LOWORD(lparam) == HTCLIENT) {
        POINT p{};
        GetCursorPos(&p);
        ScreenToClient(hwnd_, &p);
        const TCursor cursor = sink_.WindowCursor(p.x, p.y);
        if (cursor != crDefault) {
          SetCursor(CursorOf(cursor));
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

}  // namespace nuvex::win32
