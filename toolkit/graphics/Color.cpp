#include "toolkit/graphics/Color.h"

#include <array>

namespace nuvex {

TColor ClassicSystemColor(int index) {
  // The classic Windows scheme, by system-colour index (red, green, blue).
  static constexpr std::array<TColor, 31> kScheme = {
      MakeColor(192, 192, 192),  // 0 scroll bar
      MakeColor(0, 128, 128),    // 1 desktop
      MakeColor(0, 0, 128),      // 2 active caption
      MakeColor(128, 128, 128),  // 3 inactive caption
      MakeColor(192, 192, 192),  // 4 menu
      MakeColor(255, 255, 255),  // 5 window
      MakeColor(0, 0, 0),        // 6 window frame
      MakeColor(0, 0, 0),        // 7 menu text
      MakeColor(0, 0, 0),        // 8 window text
      MakeColor(255, 255, 255),  // 9 caption text
      MakeColor(192, 192, 192),  // 10 active border
      MakeColor(192, 192, 192),  // 11 inactive border
      MakeColor(128, 128, 128),  // 12 application workspace
      MakeColor(0, 0, 128),      // 13 highlight
      MakeColor(255, 255, 255),  // 14 highlight text
      MakeColor(192, 192, 192),  // 15 button face
      MakeColor(128, 128, 128),  // 16 button shadow
      MakeColor(128, 128, 128),  // 17 grey text
      MakeColor(0, 0, 0),        // 18 button text
      MakeColor(192, 192, 192),  // 19 inactive caption text
      MakeColor(255, 255, 255),  // 20 button highlight
      MakeColor(0, 0, 0),        // 21 3-D dark shadow
      MakeColor(192, 192, 192),  // 22 3-D light
      MakeColor(0, 0, 0),        // 23 tooltip text
      MakeColor(255, 255, 225),  // 24 tooltip background
      MakeColor(181, 181, 181),  // 25 (unused)
      MakeColor(0, 0, 128),      // 26 hot-tracked item
      MakeColor(16, 132, 208),   // 27 active caption gradient
      MakeColor(181, 181, 181),  // 28 inactive caption gradient
      MakeColor(0, 0, 128),      // 29 menu highlight
      MakeColor(192, 192, 192),  // 30 menu bar
  };
  if (index < 0 || index >= static_cast<int>(kScheme.size())) return clBlack;
  return kScheme[index];
}

TColor ColorToRGB(TColor color) {
  if (IsSystemColor(color)) return PlatformSystemColor(color & 0xFF) & 0xFFFFFF;
  return color & 0xFFFFFF;
}

}  // namespace nuvex
