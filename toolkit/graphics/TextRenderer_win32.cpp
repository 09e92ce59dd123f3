#include <windows.h>

#include <string>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/GdiBridge.h"
#include "toolkit/graphics/TextRenderer.h"

namespace nuvex {

namespace {

gdi::UniqueFont CreateFontFor(const TFont& font) {
  gdi::UniqueFont handle(CreateFontA(-font.PixelHeight(), 0, 0, 0,
                                     (font.Style & fsBold) ? FW_BOLD : FW_NORMAL,
                                     (font.Style & fsItalic) ? TRUE : FALSE,
                                     (font.Style & fsUnderline) ? TRUE : FALSE,
                                     (font.Style & fsStrikeOut) ? TRUE : FALSE, DEFAULT_CHARSET,
                                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                     DEFAULT_PITCH, font.Name.c_str()));
  if (!handle) handle.Reset(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
  return handle;
}

// Draws with GDI: the part of the target under the text goes into a DIB
// section, GDI draws the text there (over the real background, as on screen),
// and the pixels come back.
class GdiTextRenderer : public TTextRenderer {
 public:
  TSize Measure(const TFont& font, std::string_view text) override {
    gdi::MemoryDc dc;
    gdi::UniqueFont handle = CreateFontFor(font);
    gdi::SelectionScope select(dc.Get(), handle.Get());
    SIZE size{};
    const std::string copy(text);
    GetTextExtentPoint32A(dc.Get(), copy.c_str(), static_cast<int>(copy.size()), &size);
    if (text.empty()) {
      TEXTMETRICA metrics{};
      GetTextMetricsA(dc.Get(), &metrics);
      size.cy = metrics.tmHeight;
    }
    return {static_cast<int>(size.cx), static_cast<int>(size.cy)};
  }

  void Draw(TBitmap& target, int x, int y, const TFont& font, std::string_view text,
            std::optional<TColor> background) override {
    if (text.empty() || target.Empty()) return;
    const TSize extent = Measure(font, text);
    // Room for overhanging italic glyphs beyond the measured cell.
    const int slack = extent.cy;
    const TRect area = Intersect(Rect(x - slack, y, x + extent.cx + slack, y + extent.cy),
                                 target.ClientRect());
    if (area.IsEmpty()) return;
    TBitmap part(area.Width(), area.Height());
    part.Canvas().CopyRect(part.ClientRect(), target, area);
    gdi::DibSection dib(part);
    gdi::UniqueFont handle = CreateFontFor(font);
    gdi::SelectionScope select(dib.Dc(), handle.Get());
    SetTextColor(dib.Dc(), static_cast<COLORREF>(ColorToRGB(font.Color)));
    if (background) {
      SetBkMode(dib.Dc(), OPAQUE);
      SetBkColor(dib.Dc(), static_cast<COLORREF>(ColorToRGB(*background)));
    } else {
      SetBkMode(dib.Dc(), TRANSPARENT);
    }
    const std::string copy(text);
    TextOutA(dib.Dc(), x - area.Left, y - area.Top, copy.c_str(), static_cast<int>(copy.size()));
    dib.Store(part);
    target.Canvas().CopyRect(area, part, part.ClientRect());
  }
};

}  // namespace

template <>
TTextRenderer& Service<TTextRenderer>::Platform() {
  static GdiTextRenderer renderer;
  return renderer;
}

}  // namespace nuvex
