#pragma once
// Windows messages in the toolkit's own terms: mouse and key events, hit
// tests and pointer shapes.  Pure translation; nothing here touches a window.
#ifndef _WIN32
#error "toolkit/backends/win32/MessageTranslation.h is for Windows builds only"
#endif
#include <windows.h>

#include <optional>

#include "toolkit/window/Input.h"

namespace nuvex::win32 {

// What a client-area mouse message means: its action and button, and
// whether it is the second press of a double click.
struct TMouseMessage {
  TMouseAction Action;
  TMouseButton Button;
  bool DoubleClick;
};

// nullopt for every message that is not a client-area move, press or release.
std::optional<TMouseMessage> MouseMessageOf(UINT message);

// The event of a mouse message: its point (client coordinates) and the keys
// and buttons held with it.
TMouseEvent MouseEventOf(const TMouseMessage& mouse, WPARAM wparam, LPARAM lparam);

// The event of WM_KEYDOWN / WM_KEYUP, with the modifier keys held now.
TKeyEvent KeyEventOf(UINT message, WPARAM wparam);

// The system's own hit-test answer as the toolkit's, for the answers a window
// may change (client area or caption); nullopt for any other (borders, buttons).
std::optional<THitTest> HitTestOf(LRESULT answer);
LRESULT HitTestAnswer(THitTest hit);

// The system's pointer shape for a toolkit cursor.
HCURSOR CursorOf(TCursor cursor);

}  // namespace nuvex::win32
