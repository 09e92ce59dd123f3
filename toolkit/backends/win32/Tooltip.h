#pragma once
// The hints of one window: a tooltip window, made with the first hint and
// destroyed with its owner.
#ifndef _WIN32
#error "toolkit/backends/win32/Tooltip.h is for Windows builds only"
#endif
#include <windows.h>

#include <cstdint>
#include <string>

#include "toolkit/graphics/Geometry.h"

namespace nuvex::win32 {

class TTooltip {
 public:
  TTooltip() = default;
  TTooltip(const TTooltip&) = delete;
  TTooltip& operator=(const TTooltip&) = delete;
  ~TTooltip() { Destroy(); }

  // Gone before its window, which owns it only when it is the top-level one.
  void Destroy();

  // Shows text over area of window while the pointer rests there; an empty
  // text takes the hint of that tool away.
  void SetHint(HWND window, uintptr_t tool, const TRect& area, const std::string& text);

  // Tells the tooltip of a pointer message of its window.  It learns where
  // the pointer is from them; it does not subclass the window, which would
  // hide the window from the window procedure's lookup.
  void Relay(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

 private:
  void Make(HWND window);
  void Send(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  HWND handle_ = nullptr;
};

}  // namespace nuvex::win32
