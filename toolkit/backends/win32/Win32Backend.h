#pragma once
// The Win32 window backend (Windows only): one HWND per windowed control,
// all of them served by one window procedure.
#ifndef _WIN32
#error "toolkit/backends/win32/Win32Backend.h is for Windows builds only"
#endif
#include <windows.h>

#include "toolkit/window/WindowBackend.h"

namespace nuvex {

// The backend the program runs on (the platform's own on Windows).
TWindowBackend& Win32WindowBackend();

// The HWND behind a window; nullptr when it does not come from this backend.
HWND Win32WindowHandle(TNativeWindow& window);

}  // namespace nuvex
