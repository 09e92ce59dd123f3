#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <memory>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/GdiBridge.h"
#include "toolkit/graphics/TextRenderer.h"

namespace nuvex {

namespace {

// The largest section kept between draws (1 MB of pixels); a larger draw
// gets a section of its own for that draw.
constexpr int64_t kKeptSectionPixels = int64_t{1} << 18;

// Draws with GDI: the part of the target under the text goes into a DIB
// section, GDI draws the text there (over the real background, as on screen),
// and the pixels come back.  The fonts come from gdi::FontFor, and the
// section with its memory DC is kept between calls, growing to the largest
// part drawn: making a font, a DC and a section for every draw was most of
// the cost of a text under wine.
class GdiTextRenderer : public TTextRenderer {
 public:
  GdiTextRenderer() : section_(std::make_unique<gdi::DibSection>(1, 1)) {}

  TSize Measure(const TFont& font, std::string_view text) override {
    gdi::SelectionScope select(section_->Dc(), gdi::FontFor(font));
    return Extent(section_->Dc(), text);
  }

  void Draw(TBitmap& target, int x, int y, const TFont& font, std::string_view text,
            std::optional<TColor> background) override {
    if (text.empty() || target.Empty()) return;
    const HFONT handle = gdi::FontFor(font);
    const TSize extent = Measure(font, text);
    // Room for overhanging italic glyphs beyond the measured cell.
    const int slack = extent.cy;
    const TRect area = Intersect(Rect(x - slack, y, x + extent.cx + slack, y + extent.cy),
                                 target.ClientRect());
    if (area.IsEmpty()) return;
    std::unique_ptr<gdi::DibSection> ownSection;
    gdi::DibSection& section = SectionFor(area.Width(), area.Height(), ownSection);
    // Only the area's corner of the section is loaded and read back; what GDI
    // draws beyond it lands on pixels nobody reads.
    section.LoadPart(target, area);
    const HDC dc = section.Dc();
    gdi::SavedDcState saved(dc);
    SelectObject(dc, handle);
    SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(font.Color)));
    if (background) {
      SetBkMode(dc, OPAQUE);
      SetBkColor(dc, static_cast<COLORREF>(ColorToRGB(*background)));
    } else {
      SetBkMode(dc, TRANSPARENT);
    }
    TextOutA(dc, x - area.Left, y - area.Top, text.data(), static_cast<int>(text.size()));
    section.StorePart(target, area);
  }

 private:
  static TSize Extent(HDC dc, std::string_view text) {
    SIZE size{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    if (text.empty()) {
      TEXTMETRICA metrics{};
      GetTextMetricsA(dc, &metrics);
      size.cy = metrics.tmHeight;
    }
    return {static_cast<int>(size.cx), static_cast<int>(size.cy)};
  }

  // The kept section, grown to hold width x height, or one made for this
  // draw alone (held by own) when the grown one would be too large to keep.
  gdi::DibSection& SectionFor(int width, int height, std::unique_ptr<gdi::DibSection>& own) {
    if (width <= section_->Width() && height <= section_->Height()) return *section_;
    const int w = std::max(width, section_->Width());
    const int h = std::max(height, section_->Height());
    if (int64_t{w} * h > kKeptSectionPixels) {
      own = std::make_unique<gdi::DibSection>(width, height);
      return *own;
    }
    section_ = std::make_unique<gdi::DibSection>(w, h);
    return *section_;
  }

  std::unique_ptr<gdi::DibSection> section_;
};

}  // namespace

template <>
TTextRenderer& Service<TTextRenderer>::Platform() {
  static GdiTextRenderer renderer;
  return renderer;
}

}  // namespace nuvex
