#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>

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
// the cost of a text under wine.  The DC is the renderer's alone, so the
// font last used stays selected in it and its text settings are simply set
// for each draw (under wine selecting a font, and saving and restoring a DC,
// each cost tens of microseconds); and the extent last measured is kept, since
// a text is usually measured just before it is drawn.
class GdiTextRenderer : public TTextRenderer {
 public:
  GdiTextRenderer() : section_(std::make_unique<gdi::DibSection>(1, 1)) {}

  TSize Measure(const TFont& font, std::string_view text) override {
    const HFONT handle = gdi::FontFor(font);
    if (measured_ && measuredFont_ == handle && measuredText_ == text) return measuredExtent_;
    Select(section_->Dc(), handle, selected_);
    measuredExtent_ = Extent(section_->Dc(), text);
    measuredFont_ = handle;
    measuredText_.assign(text);
    measured_ = true;
    return measuredExtent_;
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
    HFONT ownSelected = nullptr;
    gdi::DibSection& section = SectionFor(area.Width(), area.Height(), ownSection);
    // Only the area's corner of the section is loaded and read back; what GDI
    // draws beyond it lands on pixels nobody reads.
    section.LoadPart(target, area);
    const HDC dc = section.Dc();
    Select(dc, handle, ownSection ? ownSelected : selected_);
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

  // Selects the font into the DC unless `selected` says it is there already.
  // The fonts are FontFor's and live to the end of the program, so one may
  // stay selected in a DC that is deleted.
  static void Select(HDC dc, HFONT font, HFONT& selected) {
    if (selected == font) return;
    SelectObject(dc, font);
    selected = font;
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
    selected_ = nullptr;  // a new DC holds its default font
    return *section_;
  }

  std::unique_ptr<gdi::DibSection> section_;
  HFONT selected_ = nullptr;  // the font selected in section_'s DC by us
  // The last extent measured: font, text and answer.
  bool measured_ = false;
  HFONT measuredFont_ = nullptr;
  std::string measuredText_;
  TSize measuredExtent_;
};

}  // namespace

template <>
TTextRenderer& Service<TTextRenderer>::Platform() {
  static GdiTextRenderer renderer;
  return renderer;
}

}  // namespace nuvex
