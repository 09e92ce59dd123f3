#pragma once
// Paints a progress bar with what does not change between two paints kept:
// the percentage text is drawn once over the "to do" colour and once over the
// "done" colour, and every paint copies the two layers apart at the edge of
// the done block.  The pixels are those of PaintProgressPicture.
//
// This relies on two things every text renderer here does: a text pixel
// depends on the glyphs and on the pixel beneath it only, and nothing is drawn
// further than one line height from the text's cell.  A layer is drawn only
// when some of the text lies on its side of the edge, so most paints draw no
// text at all.
#include <string>

#include "controls/ProgressPicture.h"
#include "controls/ProgressRange.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/TextRenderer.h"

namespace nuvex {

class TProgressPainter {
 public:
  // Sizes bitmap to width x height and paints the bar on it.
  void Paint(TBitmap& bitmap, int width, int height, const TProgressLook& look, const TProgressRange& range);

  // Text layers drawn so far (for tests and measurements).
  int LayersDrawn() const { return layersDrawn_; }

 private:
  struct Layer {
    TBitmap picture;
    bool valid = false;
    TColor background = 0;
  };

  // Makes the text, its position and reach current; drops the layers when
  // anything they were drawn from changed.
  void PrepareText(int width, int height, const TProgressLook& look, const std::string& text);
  const TBitmap& LayerOver(Layer& layer, TColor background, const TFont& font);

  std::string text_;
  TFont font_;
  TColor fontColor_ = 0;
  int width_ = -1;
  int height_ = -1;
  TTextRenderer* renderer_ = nullptr;
  TPoint origin_;
  TRect reach_;  // where the text may have drawn, within the bar
  Layer toDo_;
  Layer done_;
  int layersDrawn_ = 0;
};

}  // namespace nuvex
