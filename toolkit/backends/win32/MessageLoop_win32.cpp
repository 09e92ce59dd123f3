#include "toolkit/backends/win32/MessageLoop.h"

#include <windows.h>

namespace nuvex::win32 {

void DispatchPending() {
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

bool DispatchNext() {
  MSG msg;
  const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
  if (got == 0 || got == -1) return false;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
  return true;
}

void AnswerSystem() {
  // Asking for a message counts as answering.  The range is one message
  // number of our own that nobody posts, so no input is taken or handled
  // (messages sent by other threads are still delivered, as in any wait).
  constexpr UINT kKeepAliveMessage = WM_APP + 0x3FF0;
  MSG msg;
  PeekMessageA(&msg, nullptr, kKeepAliveMessage, kKeepAliveMessage, PM_NOREMOVE | PM_NOYIELD);
}

}  // namespace nuvex::win32
