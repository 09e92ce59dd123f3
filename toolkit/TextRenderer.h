#pragma once
// The seam through which canvases measure and draw text.  On Windows the
// default renderer draws with GDI fonts; elsewhere it is the headless
// renderer, a deterministic block font that tests can rely on.
#include <optional>
#include <string_view>

#include "toolkit/Canvas.h"
#include "toolkit/Color.h"
#include "toolkit/Geometry.h"

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

// The renderer canvases use now.
TTextRenderer& CurrentTextRenderer();
// Installs a renderer (not owned; nullptr restores the platform's own) and
// returns the one installed before.
TTextRenderer* SetTextRenderer(TTextRenderer* renderer);

// Installs a renderer for the lifetime of the object (tests).
class ScopedTextRenderer {
 public:
  explicit ScopedTextRenderer(TTextRenderer& renderer) : previous_(SetTextRenderer(&renderer)) {}
  ~ScopedTextRenderer() { SetTextRenderer(previous_); }
  ScopedTextRenderer(const ScopedTextRenderer&) = delete;
  ScopedTextRenderer& operator=(const ScopedTextRenderer&) = delete;

 private:
  TTextRenderer* previous_;
};

// The platform's own renderer (defined per platform).
TTextRenderer& PlatformTextRenderer();

}  // namespace nuvex
