#include "controls/ProgressPainter.h"

namespace nuvex {

void TProgressPainter::PrepareText(int width, int height, const TProgressLook& look, const std::string& text) {
  TTextRenderer* renderer = &CurrentTextRenderer();
  const TColor fontColor = ColorToRGB(look.Font.Color);
  if (text == text_ && look.Font == font_ && fontColor == fontColor_ && width == width_ && height == height_ &&
      renderer == renderer_) {
    return;
  }
  text_ = text;
  font_ = look.Font;
  fontColor_ = fontColor;
  width_ = width;
  height_ = height;
  renderer_ = renderer;
  toDo_.valid = false;
  done_.valid = false;
  const TSize extent = renderer->Measure(look.Font, text);
  // Halved toward zero: a text wider than the bar starts left of it.
  origin_ = {(width - extent.cx) / 2, (height - extent.cy) / 2};
  const int slack = extent.cy;  // overhanging glyphs stay within a line height
  reach_ = Intersect(Rect(origin_.X - slack, origin_.Y - slack, origin_.X + extent.cx + slack,
                          origin_.Y + extent.cy + slack),
                     Rect(0, 0, width, height));
}

const TBitmap& TProgressPainter::LayerOver(Layer& layer, TColor background, const TFont& font) {
  if (layer.valid && layer.background == background) return layer.picture;
  layer.picture.SetSize(width_, height_);
  TCanvas& canvas = layer.picture.Canvas();
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = background;
  canvas.FillRect(layer.picture.ClientRect());
  canvas.Brush.Style = bsClear;
  canvas.Font = font;
  canvas.TextOut(origin_.X, origin_.Y, text_);
  layer.valid = true;
  layer.background = background;
  ++layersDrawn_;
  return layer.picture;
}

void TProgressPainter::Paint(TBitmap& bitmap, int width, int height, const TProgressLook& look,
                             const TProgressRange& range) {
  bitmap.SetSize(width, height);
  TCanvas& canvas = bitmap.Canvas();
  const double fraction = range.Fraction();
  const int inset = look.BorderWidth;
  const TRect done = Rect(inset, inset, DoneWidth(width, fraction) - inset, height - inset);
  const TColor toDoColor = ColorToRGB(look.ColorToDo);
  const TColor doneColor = ColorToRGB(look.ColorDone);

  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = toDoColor;
  canvas.FillRect(bitmap.ClientRect());
  canvas.Brush.Color = doneColor;
  canvas.FillRect(done);

  if (look.ShowPercentage) {
    PrepareText(width, height, look, PercentageText(look.InfoText, fraction));
    const TRect doneText = done.IsEmpty() ? TRect{} : Intersect(done, reach_);
    // Some of the text lies outside the done block: the "to do" layer first.
    if (!reach_.IsEmpty() && doneText != reach_) {
      canvas.CopyRect(reach_, LayerOver(toDo_, toDoColor, look.Font), reach_);
    }
    if (!doneText.IsEmpty()) canvas.CopyRect(doneText, LayerOver(done_, doneColor, look.Font), doneText);
  }

  canvas.Pen.Width = 1;
  PaintProgressFrame(canvas, look.Shape, width, height, BevelColors(look.Style));
}

}  // namespace nuvex
