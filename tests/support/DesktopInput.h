#pragma once
// Another process's windows and the desktop's input as a user gives it
// (Windows only): waiting, window texts and classes, real mouse moves,
// clicks and keys through the input queue, and the screen's pixels.
#ifndef _WIN32
#error "tests/support/DesktopInput.h is for Windows builds only"
#endif
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/WindowLists.h"

namespace nuvex::test {

// Waits for pred, polling; false when the time ran out.
inline bool WaitFor(const std::function<bool()>& pred, DWORD ms) {
  const DWORD start = GetTickCount();
  while (!pred()) {
    if (GetTickCount() - start > ms) return false;
    Sleep(50);
  }
  return true;
}

inline std::wstring Wide(const std::string& text, UINT codePage) {
  std::wstring out(text.size(), L'\0');
  const int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(),
                                    static_cast<int>(out.size()));
  out.resize(n > 0 ? n : 0);
  return out;
}

// The window's text as the window itself gives it: GetWindowText of another
// process's window reads only the caption the system keeps, which an edit
// box does not use, so ask the window.
inline std::wstring TextOf(HWND window) {
  wchar_t text[1024]{};
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                           &copied))
    return {};
  return text;
}

inline std::string ClassOf(HWND window) {
  char name[64]{};
  GetClassNameA(window, name, sizeof name);
  return name;
}

inline std::vector<HWND> TopWindows(DWORD pid) {
  std::vector<HWND> found;
  for (HWND window : TopLevelWindows()) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if ((pid == 0 || owner == pid) && IsWindowVisible(window)) found.push_back(window);
  }
  return found;
}

inline std::vector<HWND> Children(HWND parent) { return ChildWindows(parent); }

// A message box's text: its static control that holds text.
inline std::wstring BoxText(HWND box) {
  for (HWND child : Children(box))
    if (lstrcmpiA(ClassOf(child).c_str(), "Static") == 0 && !TextOf(child).empty()) return TextOf(child);
  return L"";
}

inline void Mouse(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

// An absolute move through the input queue, as a mouse makes it.
inline void MoveTo(POINT screen) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SetCursorPos(screen.x, screen.y);
  SendInput(1, &input, sizeof input);
}

inline POINT OnScreen(HWND window, POINT client) {
  ClientToScreen(window, &client);
  return client;
}

// A real press and release at a screen point, the window brought forward.
inline void ClickAt(HWND window, POINT screen) {
  SetForegroundWindow(window);
  MoveTo(screen);
  Sleep(50);
  Mouse(MOUSEEVENTF_LEFTDOWN);
  Sleep(30);
  Mouse(MOUSEEVENTF_LEFTUP);
}

inline void Key(WORD vk, DWORD flags = 0) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

// Each character as the keys that make it on this keyboard layout.
inline void TypeText(const std::string& text) {
  for (char c : text) {
    const SHORT scan = VkKeyScanA(c);
    const bool shift = (scan >> 8) & 1;
    if (shift) Key(VK_SHIFT);
    Key(LOBYTE(scan));
    Key(LOBYTE(scan), KEYEVENTF_KEYUP);
    if (shift) Key(VK_SHIFT, KEYEVENTF_KEYUP);
    Sleep(5);
  }
}

// The screen's pixels in a rectangle, read from the screen itself.
class ScreenGrab {
 public:
  explicit ScreenGrab(RECT r) : width_(r.right - r.left), height_(r.bottom - r.top), bits_(width_ * height_) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width_, height_, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    memcpy(bits_.data(), pixels, bits_.size() * 4);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
  }
  COLORREF At(int x, int y) const {
    const uint32_t p = bits_[y * width_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  int Count(RECT r, COLORREF colour) const {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) n += At(x, y) == colour;
    return n;
  }
  int Differences(const ScreenGrab& other) const {
    int n = 0;
    for (size_t i = 0; i < bits_.size() && i < other.bits_.size(); ++i) n += (bits_[i] & 0xFFFFFF) != (other.bits_[i] & 0xFFFFFF);
    return n;
  }
  // A bottom-up 24-bit BMP, the form every picture tool reads.
  void SaveBmp(const std::string& path) const {
    const int stride = (width_ * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER header{sizeof header, width_, height_, 1, 24, BI_RGB, DWORD(stride * height_), 0, 0, 0, 0};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + header.biSizeImage;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    std::vector<uint8_t> row(stride);
    for (int y = height_ - 1; y >= 0; --y) {
      for (int x = 0; x < width_; ++x) {
        const uint32_t p = bits_[y * width_ + x];
        row[x * 3] = p & 0xFF;
        row[x * 3 + 1] = (p >> 8) & 0xFF;
        row[x * 3 + 2] = (p >> 16) & 0xFF;
      }
      out.write(reinterpret_cast<const char*>(row.data()), stride);
    }
  }

 private:
  int width_, height_;
  std::vector<uint32_t> bits_;
};

inline RECT ClientOnScreen(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  POINT a{r.left, r.top}, b{r.right, r.bottom};
  ClientToScreen(window, &a);
  ClientToScreen(window, &b);
  return {a.x, a.y, b.x, b.y};
}

// Presses a message box's OK button; false when it does not go.
inline bool Confirm(HWND box) {
  for (HWND child : Children(box)) {
    if (lstrcmpiA(ClassOf(child).c_str(), "Button") == 0) {
      DWORD_PTR ignored;
      SendMessageTimeoutA(child, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
      return WaitFor([&] { return !IsWindow(box) || !IsWindowVisible(box); }, 5000);
    }
  }
  return false;
}

}  // namespace nuvex::test
