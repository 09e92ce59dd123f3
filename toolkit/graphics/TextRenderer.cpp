#include "toolkit/graphics/TextRenderer.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/Locale.h"
#include "toolkit/graphics/Bitmap.h"

namespace nuvex {

namespace {

int CellWidth(const TFont& font) { return (font.PixelHeight() + 1) / 2; }

void Plot(TBitmap& target, int x, int y, TPixel pixel) {
  if (target.ClientRect().Contains(x, y)) target.ScanLine(y)[x] = pixel;
}

std::vector<std::string> WrappedLines(TTextRenderer& renderer, const TFont& font, std::string_view text,
                                      int width, TLineAlign align) {
  return LayoutLines(text, std::max(width, 0),
                     [&](std::string_view piece) { return renderer.Measure(font, piece).cx; }, align,
                     GetSystemCodePage());
}

}  // namespace

TSize TTextRenderer::MeasureWrapped(const TFont& font, std::string_view text, int width, TLineAlign align) {
  const std::vector<std::string> lines = WrappedLines(*this, font, text, width, align);
  int widest = 0;
  for (const std::string& line : lines) widest = std::max(widest, Measure(font, line).cx);
  return {widest, static_cast<int>(lines.size()) * Measure(font, "Wg").cy};
}

void TTextRenderer::DrawWrapped(TBitmap& target, const TRect& box, const TFont& font, std::string_view text,
                                TLineAlign align) {
  const int lineHeight = Measure(font, "Wg").cy;
  int y = box.Top;
  for (const std::string& line : WrappedLines(*this, font, text, box.Width(), align)) {
    const int free = box.Width() - Measure(font, line).cx;
    // Centred rounding down, also for a line wider than the box, as the
    // window system centres.
    const int x = align == TLineAlign::Right ? free : align == TLineAlign::Center ? (free >> 1) : 0;
    Draw(target, box.Left + x, y, font, line, std::nullopt);
    y += lineHeight;
  }
}

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
