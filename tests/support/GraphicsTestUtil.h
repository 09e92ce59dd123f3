#pragma once
// Helpers for the tests that look at pictures, in both test programs.
#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"

namespace nuvex::test {

// A colour that names its pixel: red = x, green = y, blue = tag.  Pictures
// painted with it show where every target pixel came from.
inline TColor CoordColor(int x, int y, int tag = 7) { return MakeColor(x, y, tag); }

// A width x height picture with CoordColor(x, y, tag) in every pixel.
inline TBitmap CoordPicture(int width, int height, int tag = 7) {
  TBitmap b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) b.Canvas().SetPixel(x, y, CoordColor(x, y, tag));
  return b;
}

// A font by its face, size in points, style bits and colour.
inline TFont FontOf(const std::string& name, int size, uint8_t style = 0, TColor color = clBlack) {
  TFont font;
  font.Name = name;
  font.Size = size;
  font.Style = style;
  font.Color = color;
  return font;
}

// A picture from rows of characters, each character one pixel by the legend:
// '.' white, '#' black, 'r' red, 'k' key colour (red 255, blue 255),
// 'g' green, 'b' blue.
TBitmap Picture(const std::vector<std::string>& rows);

// The pixels of a picture as RGB TColors, row by row.
std::vector<TColor> PixelsOf(const TBitmap& bitmap);

// True when every pixel of the picture has the colour.
bool AllPixels(const TBitmap& bitmap, TColor color);

// The RGB colour of a pixel; -1 outside the picture.
TColor PixelAt(const TBitmap& bitmap, int x, int y);

// How many pixels differ in their RGB colour; -1 when the sizes differ.
int DifferentPixels(const TBitmap& a, const TBitmap& b);
inline bool SamePixels(const TBitmap& a, const TBitmap& b) { return DifferentPixels(a, b) == 0; }

}  // namespace nuvex::test
