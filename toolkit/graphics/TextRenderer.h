#pragma once
// The seam through which canvases measure and draw text.  On Windows the
// default renderer draws with GDI fonts; natively it is the headless
// renderer, a deterministic block font that tests can rely on.  Tests on
// Windows put the headless one in place with ScopedService<TTextRenderer>.
#include <optional>
#include <string_view>

#include "base/Service.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Color.h"
#include "toolkit/graphics/Geometry.h"
#include "toolkit/graphics/TextLayout.h"

namespace nuvex {

class TBitmap;

class TTextRenderer {
 public:
  virtual ~TTextRenderer() = default;
  // The size of the text's cell: its advance width and its line height.
  virtual TSize Measure(const TFont& font, std::string_view text) = 0;
  // Draws the text with its cell's top-left corner at (x, y), in font.Color,
  // clipped to the target.  A background fills the cell first.
  virtual void Draw(TBitmap& target, int x, int y, const TFont& font, std::string_view text,
                    std::optional<TColor> background) = 0;

  // A text word-wrapped within a width, as a label shows it: line breaks and
  // wrapping as LayoutLines gives them (TextLayout.h), each line placed by
  // align, '&' an ordinary character.  MeasureWrapped gives the widest line
  // and the height of all lines; DrawWrapped draws them in font.Color from
  // box's top, placed within box's width, with no background, and is clipped
  // to the target alone (a line wider than the box runs past its edges).
  // These portable versions lay the lines out themselves; a renderer whose
  // window system wraps text overrides both, so that what the user sees is
  // the system's own wrapping.
  virtual TSize MeasureWrapped(const TFont& font, std::string_view text, int width, TLineAlign align);
  virtual void DrawWrapped(TBitmap& target, const TRect& box, const TFont& font, std::string_view text,
                           TLineAlign align);
};

// The headless font: every character has a cell PixelHeight() high and
// (PixelHeight() + 1) / 2 wide.  A space paints nothing; any other character
// paints a frame one pixel inside its cell and, inside it, a pattern of its
// character code, so that different texts give different pixels.
class THeadlessTextRenderer : public TTextRenderer {
 public:
  TSize Measure(const TFont& font, std::string_view text) override;
  void Draw(TBitmap& target, int x, int y, const TFont& font, std::string_view text,
            std::optional<TColor> background) override;
};

template <>
TTextRenderer& Service<TTextRenderer>::Platform();

// The renderer canvases use now.
inline TTextRenderer& CurrentTextRenderer() { return Service<TTextRenderer>::Current(); }

}  // namespace nuvex
