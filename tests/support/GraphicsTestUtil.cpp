#include "tests/support/GraphicsTestUtil.h"

#include <stdexcept>

namespace nuvex::test {

TBitmap Picture(const std::vector<std::string>& rows) {
  const int height = static_cast<int>(rows.size());
  const int width = height ? static_cast<int>(rows[0].size()) : 0;
  TBitmap b(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      TColor c;
      switch (rows[y].at(x)) {
        case '.': c = clWhite; break;
        case '#': c = clBlack; break;
        case 'r': c = clRed; break;
        case 'k': c = 0xFF00FF; break;
        case 'g': c = clLime; break;
        case 'b': c = clBlue; break;
        default: throw std::invalid_argument("unknown picture character");
      }
      b.Canvas().SetPixel(x, y, c);
    }
  }
  return b;
}

std::vector<TColor> PixelsOf(const TBitmap& bitmap) {
  std::vector<TColor> out;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) out.push_back(PixelToColor(bitmap.ScanLine(y)[x]));
  return out;
}

bool AllPixels(const TBitmap& bitmap, TColor color) {
  for (TColor c : PixelsOf(bitmap))
    if (c != color) return false;
  return true;
}

TColor PixelAt(const TBitmap& bitmap, int x, int y) {
  if (x < 0 || y < 0 || x >= bitmap.Width() || y >= bitmap.Height()) return -1;
  return PixelToColor(bitmap.ScanLine(y)[x]);
}

int DifferentPixels(const TBitmap& a, const TBitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return -1;
  int count = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) count += PixelToColor(a.ScanLine(y)[x]) != PixelToColor(b.ScanLine(y)[x]);
  return count;
}

}  // namespace nuvex::test
