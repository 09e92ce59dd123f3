// Start-up of the installer.  Until the installer window exists this shows a
// plain window with the installer's caption that closes with Escape.
#include <windows.h>

#include "installer/Messages.h"

namespace {

LRESULT CALLBACK PlaceholderProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_KEYUP:
      if (wparam == VK_ESCAPE) DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wparam, lparam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  nuvex::InitializeLanguage();
  WNDCLASSA wc{};
  wc.lpfnWndProc = PlaceholderProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = "TRunInstallForm";
  RegisterClassA(&wc);
  HWND window = CreateWindowExA(0, wc.lpszClassName, nuvex::GetMessageText(100).c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 374, 297, nullptr, nullptr, instance, nullptr);
  ShowWindow(window, show);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
