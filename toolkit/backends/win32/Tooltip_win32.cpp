#include "toolkit/backends/win32/Tooltip.h"

#include <commctrl.h>
#include <windowsx.h>

#include "base/Error.h"

namespace nuvex::win32 {

void TTooltip::Destroy() {
  if (handle_) DestroyWindow(handle_);
  handle_ = nullptr;
}

void TTooltip::Make(HWND window) {
  static const bool initialised = [] {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)initialised;
  // Owned by the top-level window, so that it shows above it.
  handle_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, GetAncestor(window, GA_ROOT),
                            nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!handle_) throw Error("Cannot create a tooltip (error " + std::to_string(GetLastError()) + ")");
}

void TTooltip::SetHint(HWND window, uintptr_t tool, const TRect& area, const std::string& text) {
  if (text.empty() && !handle_) return;
  if (!handle_) Make(window);
  TTTOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V2_SIZE;  // understood by every version of the common controls
  info.hwnd = window;
  info.uId = tool;
  SendMessageA(handle_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
  if (text.empty()) return;
  info.rect = {area.Left, area.Top, area.Right, area.Bottom};
  info.lpszText = const_cast<LPSTR>(text.c_str());  // the tooltip keeps a copy
  SendMessageA(handle_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void TTooltip::Relay(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (!handle_) return;
  if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) Send(window, message, wparam, lparam);
  // Where the hit test answers caption over the client area (a surface that
  // drags its window), the pointer's messages arrive as non-client ones, in
  // screen points: the tooltip hears them as the client-area messages they
  // stand for, in the same order.
  if (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK) {
    POINT p{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    ScreenToClient(window, &p);
    Send(window, WM_MOUSEMOVE + (message - WM_NCMOUSEMOVE), 0, MAKELPARAM(p.x, p.y));
  }
}

void TTooltip::Send(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  MSG msg{window, message, wparam, lparam, static_cast<DWORD>(GetMessageTime()), {}};
  GetCursorPos(&msg.pt);
  SendMessageA(handle_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

}  // namespace nuvex::win32
