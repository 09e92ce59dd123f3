#pragma once
// The windows that the system's enumerations report, as lists (Windows
// only).  The callbacks are CALLBACK functions: on i686 the system calls them
// with the stdcall convention, which a lambda's function pointer does not
// have.
#ifndef _WIN32
#error "tests/support/WindowLists.h is for Windows builds only"
#endif
#include <windows.h>

#include <vector>

namespace nuvex::test {

inline BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

// Every top-level window of the desktop, in the system's order.
inline std::vector<HWND> TopLevelWindows() {
  std::vector<HWND> found;
  EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

// The top-level windows of one thread.
inline std::vector<HWND> ThreadWindows(DWORD thread = GetCurrentThreadId()) {
  std::vector<HWND> found;
  EnumThreadWindows(thread, &CollectWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

// Every descendant of a window, children of children included.
inline std::vector<HWND> ChildWindows(HWND parent) {
  std::vector<HWND> found;
  EnumChildWindows(parent, &CollectWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace nuvex::test
