#pragma once
// TColor: a signed 32-bit colour.  Either an RGB value laid out 0x00BBGGRR
// (red in the low byte) or a system colour: the high bit set and the
// platform's system-colour index in the low byte, resolved when drawing.
//
// Bitmaps keep their pixels in a second layout, TPixel (0x00RRGGBB, the
// byte order of a 32-bit device-independent bitmap), so that handing a
// picture to the window system is a plain copy.  Convert with ColorToPixel
// and PixelToColor.
#include <cstdint>

namespace nuvex {

using TColor = int32_t;
using TPixel = uint32_t;

// Plain colours.
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;

// System colours: 0x80000000 | the platform's system-colour index.
inline constexpr TColor kSystemColorFlag = static_cast<TColor>(0x80000000u);
inline constexpr TColor SystemColor(int index) { return kSystemColorFlag | (index & 0xFF); }
inline constexpr TColor clScrollBar = SystemColor(0);
inline constexpr TColor clBackground = SystemColor(1);
inline constexpr TColor clActiveCaption = SystemColor(2);
inline constexpr TColor clInactiveCaption = SystemColor(3);
inline constexpr TColor clMenu = SystemColor(4);
inline constexpr TColor clWindow = SystemColor(5);
inline constexpr TColor clWindowFrame = SystemColor(6);
inline constexpr TColor clMenuText = SystemColor(7);
inline constexpr TColor clWindowText = SystemColor(8);
inline constexpr TColor clCaptionText = SystemColor(9);
inline constexpr TColor clActiveBorder = SystemColor(10);
inline constexpr TColor clInactiveBorder = SystemColor(11);
inline constexpr TColor clAppWorkSpace = SystemColor(12);
inline constexpr TColor clHighlight = SystemColor(13);
inline constexpr TColor clHighlightText = SystemColor(14);
inline constexpr TColor clBtnFace = SystemColor(15);
inline constexpr TColor clBtnShadow = SystemColor(16);
inline constexpr TColor clGrayText = SystemColor(17);
inline constexpr TColor clBtnText = SystemColor(18);
inline constexpr TColor clInactiveCaptionText = SystemColor(19);
inline constexpr TColor clBtnHighlight = SystemColor(20);
inline constexpr TColor cl3DDkShadow = SystemColor(21);
inline constexpr TColor cl3DLight = SystemColor(22);
inline constexpr TColor clInfoText = SystemColor(23);
inline constexpr TColor clInfoBk = SystemColor(24);

inline constexpr TColor MakeColor(int red, int green, int blue) {
  return static_cast<TColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
inline constexpr int ColorRed(TColor rgb) { return rgb & 0xFF; }
inline constexpr int ColorGreen(TColor rgb) { return (rgb >> 8) & 0xFF; }
inline constexpr int ColorBlue(TColor rgb) { return (rgb >> 16) & 0xFF; }
inline constexpr bool IsSystemColor(TColor color) { return color < 0; }

// The RGB value of a system-colour index on this platform: GetSysColor on
// Windows, the classic Windows scheme elsewhere (see ClassicSystemColor).
TColor PlatformSystemColor(int index);
// The classic Windows colour scheme; unknown indexes give black.
TColor ClassicSystemColor(int index);

// An RGB value for any colour: system colours are resolved, plain colours
// lose anything above their low 24 bits.
TColor ColorToRGB(TColor color);

inline constexpr TPixel RgbToPixel(TColor rgb) {
  return static_cast<TPixel>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
}
inline constexpr TColor PixelToColor(TPixel pixel) {
  return static_cast<TColor>(((pixel & 0xFF) << 16) | (pixel & 0xFF00) | ((pixel >> 16) & 0xFF));
}
// Resolves the colour first, then converts.
inline TPixel ColorToPixel(TColor color) { return RgbToPixel(ColorToRGB(color)); }

}  // namespace nuvex
