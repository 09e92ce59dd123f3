#pragma once
// A readable text renderer for the sheet.  Natively the engine's own renderer
// is the headless block font (toolkit/graphics/TextRenderer.h), which tests
// can tell apart but people cannot read; the sheet puts this one in its place
// through the same seam (Service<TTextRenderer>), so the names are still
// painted by the canvas's TextOut.  The glyphs are the common 5 x 7 pixel
// font of character displays; printable ASCII only, anything else is a box.
#include "base/Service.h"
#include "toolkit/graphics/TextRenderer.h"

namespace nvxskin {

class SheetFont final : public nuvex::TTextRenderer {
 public:
  // Cells of 6 x 10 pixels, times the font's pixel height / 11, rounded up (at least 1).
  nuvex::TSize Measure(const nuvex::TFont& font, std::string_view text) override;
  void Draw(nuvex::TBitmap& target, int x, int y, const nuvex::TFont& font, std::string_view text,
            std::optional<nuvex::TColor> background) override;
};

// Puts a SheetFont in the text renderer's place for its lifetime.
class ScopedSheetFont {
 public:
  ScopedSheetFont() = default;
  ScopedSheetFont(const ScopedSheetFont&) = delete;
  ScopedSheetFont& operator=(const ScopedSheetFont&) = delete;

 private:
  SheetFont font_;
  nuvex::ScopedService<nuvex::TTextRenderer> scope_{font_};
};

}  // namespace nvxskin
