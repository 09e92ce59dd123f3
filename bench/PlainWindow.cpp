// The least a window program does before its first paint: one borderless
// window of the installer's size, centred, filled with one colour, closed by
// WM_CLOSE.  StartupBench starts it as the baseline for Setup.exe; it is not
// a benchmark by itself.  With the argument "dlls" it first loads the system
// DLLs Setup.exe imports beyond its own, so that their share of the start
// shows apart.  Windows only.
#include <windows.h>

#include <initializer_list>

namespace {

constexpr COLORREF kFill = RGB(40, 120, 200);  // StartupBench looks for it

LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd, &paint);
      HBRUSH brush = CreateSolidBrush(kFill);
      FillRect(dc, &paint.rcPaint, brush);
      DeleteObject(brush);
      EndPaint(hwnd, &paint);
      return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_DESTROY: PostQuitMessage(0); return 0;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  if (commandLine && lstrcmpA(commandLine, "dlls") == 0) {
    for (const char* dll : {"advapi32.dll", "comctl32.dll", "ole32.dll", "shell32.dll"}) LoadLibraryA(dll);
  }
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.lpszClassName = "BenchPlainWindow";
  RegisterClassA(&windowClass);
  const int width = 374, height = 297;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  HWND hwnd = CreateWindowExA(0, "BenchPlainWindow", "Plain window", WS_POPUP, left, top, width, height, nullptr,
                              nullptr, instance, nullptr);
  if (!hwnd) return 1;
  ShowWindow(hwnd, SW_SHOW);
  UpdateWindow(hwnd);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
