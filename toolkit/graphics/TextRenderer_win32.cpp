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

// DrawText centres a line with a division that rounds toward zero: a line
// wider than its box, near the left edge of the DC, lands a pixel off from
// the same line drawn further right (a label's test sees it).  Wrapped text is
// therefore drawn this far to the right in logical coordinates, and the
// viewport takes it back, so it lands where it would anywhere on a screen.
constexpr int kWrapShift = 1 << 16;

// The DC's viewport origin moved for a scope, and put back.
class ShiftedOrigin {
 public:
  ShiftedOrigin(HDC dc, int dx) : dc_(dc) { SetViewportOrgEx(dc_, dx, 0, &previous_); }
  ~ShiftedOrigin() { SetViewportOrgEx(dc_, previous_.x, previous_.y, nullptr); }
  ShiftedOrigin(const ShiftedOrigin&) = delete;
  ShiftedOrigin& operator=(const ShiftedOrigin&) = delete;

 private:
  HDC dc_;
  POINT previous_{};
};

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
    DrawThrough(target, area, handle, font.Color, background, [&](HDC dc) {
      TextOutA(dc, x - area.Left, y - area.Top, text.data(), static_cast<int>(text.size()));
    });
  }

  // Wrapped text is measured and drawn by DrawText itself, so that a label
  // wraps exactly where the system wraps (TextLayout's lines are held equal
  // to these by the Windows tests, and serve where no window system draws).
  TSize MeasureWrapped(const TFont& font, std::string_view text, int width, TLineAlign align) override {
    if (text.empty()) return {};
    const HDC dc = section_->Dc();
    Select(dc, gdi::FontFor(font), selected_);
    RECT rect{0, 0, std::max(width, 0), 0};
    DrawTextA(dc, text.data(), static_cast<int>(text.size()), &rect, WrapFlags(align) | DT_CALCRECT);
    return {static_cast<int>(rect.right - rect.left), static_cast<int>(rect.bottom - rect.top)};
  }

  void DrawWrapped(TBitmap& target, const TRect& box, const TFont& font, std::string_view text,
                   TLineAlign align) override {
    if (text.empty() || target.Empty()) return;
    // Every column of the box's rows: a line wider than the box runs past
    // its edges, as far as the target goes.
    const TRect area = Intersect(Rect(0, box.Top, target.Width(), box.Bottom), target.ClientRect());
    if (area.IsEmpty()) return;
    DrawThrough(target, area, gdi::FontFor(font), font.Color, std::nullopt, [&](HDC dc) {
      const ShiftedOrigin shift(dc, -kWrapShift);
      RECT rect{box.Left - area.Left + kWrapShift, box.Top - area.Top, box.Right - area.Left + kWrapShift,
                box.Bottom - area.Top};
      DrawTextA(dc, text.data(), static_cast<int>(text.size()), &rect, WrapFlags(align) | DT_NOCLIP);
    });
  }

 private:
  // The area of the target goes into a DIB section, draw puts the text there
  // with GDI (over the real background, as on screen) in the font and colour
  // given, and the pixels come back.  Only the area's corner of the section
  // is loaded and read back; what GDI draws beyond it lands on pixels nobody
  // reads.
  template <typename Draw>
  void DrawThrough(TBitmap& target, const TRect& area, HFONT font, TColor color, std::optional<TColor> background,
                   Draw&& draw) {
    std::unique_ptr<gdi::DibSection> ownSection;
    HFONT ownSelected = nullptr;
    gdi::DibSection& section = SectionFor(area.Width(), area.Height(), ownSection);
    section.LoadPart(target, area);
    const HDC dc = section.Dc();
    Select(dc, font, ownSection ? ownSelected : selected_);
    SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(color)));
    if (background) {
      SetBkMode(dc, OPAQUE);
      SetBkColor(dc, static_cast<COLORREF>(ColorToRGB(*background)));
    } else {
      SetBkMode(dc, TRANSPARENT);
    }
    draw(dc);
    section.StorePart(target, area);
  }

  // A label shows '&' as itself: no prefix underlining.
  static UINT WrapFlags(TLineAlign align) {
    const UINT placement = align == TLineAlign::Right    ? DT_RIGHT
                           : align == TLineAlign::Center ? DT_CENTER
                                                         : DT_LEFT;
    return DT_WORDBREAK | DT_NOPREFIX | placement;
  }

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
TTextRenderer& Service<TTextRenderer>::Platform() { return PlatformObject<GdiTextRenderer>(); }

}  // namespace nuvex
