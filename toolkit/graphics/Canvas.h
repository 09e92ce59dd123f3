#pragma once
// TCanvas: the drawing surface of a TBitmap (each bitmap owns one, reached
// through TBitmap::Canvas()).  Every operation is clipped to the bitmap.
//
// Scaling follows the no-blend stretching of the window system (StretchBlt
// in COLORONCOLOR mode): whole rows and columns are dropped or repeated,
// never mixed.  Growing, a target pixel takes the source pixel under its
// centre (a centre on a boundary takes the lower pixel).  Shrinking, each
// source pixel belongs to the target pixel under its centre; a target column
// shows the last column of its group (one column shrunk from S shows column
// S - 2), a target row the first row.
// Source pixels outside the source bitmap leave their target pixels unchanged;
// rectangles that are empty or inverted draw nothing.
//
// Lines are drawn the way the window system draws them with a one-pixel pen:
// Bresenham from the start point, the end point itself not painted.
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "toolkit/graphics/Color.h"
#include "toolkit/graphics/Geometry.h"

// <windows.h> defines TextOut as a macro for TextOutA; the class is declared
// with the macro out of the way, so it is the same class everywhere, and
// carries a TextOutA that forwards, for files where the macro is active.
#pragma push_macro("TextOut")
#undef TextOut

namespace nuvex {

class TBitmap;

enum TBrushStyle : uint8_t { bsSolid, bsClear };

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = bsSolid;
};

struct TPen {
  TColor Color = clBlack;
  int Width = 1;  // every width is drawn one pixel wide
};

enum TFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

struct TFont {
  std::string Name = "MS Sans Serif";
  int Size = 8;  // points; the pixel height is Size * 96 / 72, rounded
  TColor Color = clWindowText;
  uint8_t Style = 0;  // TFontStyle bits
  int PixelHeight() const;
  friend bool operator==(const TFont&, const TFont&) = default;
};

class TCanvas {
 public:
  explicit TCanvas(TBitmap& bitmap) : bitmap_(&bitmap) {}
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  TBrush Brush;
  TPen Pen;
  TFont Font;

  TBitmap& Bitmap() { return *bitmap_; }
  const TBitmap& Bitmap() const { return *bitmap_; }

  // Fills with the brush colour (nothing with bsClear).
  void FillRect(const TRect& rect);
  // Copies sourceRect of source onto dest, scaled without blending.  The
  // source may be this canvas's own bitmap.
  void CopyRect(const TRect& dest, const TBitmap& source, const TRect& sourceRect);
  // Draws the whole source at (x, y) at its own size; see-through for the
  // source's transparent colour when the source is marked transparent.
  void Draw(int x, int y, const TBitmap& source);
  // Draws the whole source scaled onto dest; transparency as for Draw.
  void StretchDraw(const TRect& dest, const TBitmap& source);

  // The pixel's colour as an RGB TColor; -1 outside the bitmap.
  TColor Pixel(int x, int y) const;
  // Ignored outside the bitmap.
  void SetPixel(int x, int y, TColor color);

  TPoint PenPos() const { return penPos_; }
  void MoveTo(int x, int y) { penPos_ = {x, y}; }
  // From the pen position to (x, y), end point excluded; the pen moves there.
  void LineTo(int x, int y);
  // Lines through the points in turn; the pen ends at the last point.
  void Polyline(std::span<const TPoint> points);
  void Polyline(std::initializer_list<TPoint> points) {
    Polyline(std::span<const TPoint>(points.begin(), points.size()));
  }

  // Text in Font through the current text renderer (toolkit/graphics/TextRenderer.h).
  // With a solid brush the text's cell is first filled with the brush colour;
  // with bsClear only the glyphs are painted.
  void TextOut(int x, int y, std::string_view text);
  void TextOutA(int x, int y, std::string_view text) { TextOut(x, y, text); }
  TSize TextExtent(std::string_view text) const;
  int TextWidth(std::string_view text) const { return TextExtent(text).cx; }
  int TextHeight(std::string_view text) const { return TextExtent(text).cy; }

 private:
  friend class TBitmap;
  TBitmap* bitmap_;
  TPoint penPos_;
};

}  // namespace nuvex

#pragma pop_macro("TextOut")
