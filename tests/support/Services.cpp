#include "tests/support/Services.h"

#ifdef _WIN32
#include "toolkit/backends/win32/Win32Backend.h"
#endif

namespace nuvex::test {

THeadlessWindow& WindowOf(TWinControl& control) { return dynamic_cast<THeadlessWindow&>(control.Window()); }

#ifdef _WIN32
HWND WindowHandle(TWinControl& control) { return Win32WindowHandle(control.Window()); }
#endif

}  // namespace nuvex::test
