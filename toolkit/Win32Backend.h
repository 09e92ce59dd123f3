#pragma once
// The Win32 window backend (Windows only): one HWND per windowed control,
// all of them served by one window procedure.
#ifndef _WIN32
#error "toolkit/Win32Backend.h is for Windows builds only"
#endif
#include <windows.h>

#include "toolkit/WindowBackend.h"

namespace nuvex {

class TWinControl;

// The backend the program runs on (PlatformWindowBackend() on Windows).
TWindowBackend& Win32WindowBackend();

// The HWND of a windowed control (made when needed); nullptr when the
// control's window does not come from the Win32 backend.
HWND WindowHandle(TWinControl& control);

}  // namespace nuvex
