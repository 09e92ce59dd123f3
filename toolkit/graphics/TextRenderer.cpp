#include "toolkit/graphics/TextRenderer.h"

#include "toolkit/graphics/Bitmap.h"

namespace nuvex {

namespace {

int CellWidth(const TFont& font) { return (font.PixelHeight() + 1) / 2; }

void Plot(TBitmap& target, int x, int y, TPixel pixel) {
  if (target.ClientRect().Contains(x, y)) target.ScanLine(y)[x] = pixel;
}

}  // namespace

TSize THeadlessTextRenderer::Measure(const TFont& font, std::string_view text) {
  return {static_cast<int>(text.size()) * CellWidth(font), font.PixelHeight()};
}

void THeadlessTextRenderer::Draw(TBitmap& target, int x, int y, const TFont& font,
                                 std::string_view text, std::optional<TColor> background) {
  const int width = CellWidth(font);
  const int height = font.PixelHeight();
  if (background) {
    const TPixel fill = ColorToPixel(*background);
    const TRect cell = Intersect(Bounds(x, y, width * static_cast<int>(text.size()), height),
                                 target.ClientRect());
    for (int row = cell.Top; row < cell.Bottom; ++row) {
      for (int col = cell.Left; col < cell.Right; ++col) target.ScanLine(row)[col] = fill;
    }
  }
  const TPixel ink = ColorToPixel(font.Color);
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char code = static_cast<unsigned char>(text[i]);
    if (code == ' ') continue;
    // The glyph box leaves one column free on the right and one row above
    // and below; its frame is drawn and its inside carries the code's bits.
    const TRect box{x + static_cast<int>(i) * width, y + 1,
                    x + static_cast<int>(i) * width + width - 1, y + height - 1};
    if (box.IsEmpty()) {
      Plot(target, box.Left, y, ink);
      continue;
    }
    for (int col = box.Left; col < box.Right; ++col) {
      Plot(target, col, box.Top, ink);
      Plot(target, col, box.Bottom - 1, ink);
    }
    for (int row = box.Top; row < box.Bottom; ++row) {
      Plot(target, box.Left, row, ink);
      Plot(target, box.Right - 1, row, ink);
    }
    int bit = 0;
    for (int row = box.Top + 1; row < box.Bottom - 1; ++row) {
      for (int col = box.Left + 1; col < box.Right - 1; ++col, ++bit) {
        if (code & (1 << (bit % 8))) Plot(target, col, row, ink);
      }
    }
  }
}

}  // namespace nuvex
