#include "controls/ProgressPicture.h"

#include <algorithm>

namespace nuvex {

namespace {

// Left, top, right, bottom: the first colour up the left side and along the
// top, the second down the right side and back along the bottom.  Each line
// leaves its end point to the next.
void BevelRect(TCanvas& canvas, int left, int top, int right, int bottom, TColor first, TColor second) {
  canvas.Pen.Color = first;
  canvas.Polyline({{left, bottom}, {left, top}, {right, top}});
  canvas.Pen.Color = second;
  canvas.Polyline({{right, top}, {right, bottom}, {left, bottom}});
}

void Line(TCanvas& canvas, int x1, int y1, int x2, int y2, TColor color) {
  canvas.Pen.Color = color;
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
}

}  // namespace

void PaintProgressFrame(TCanvas& canvas, TProgressShape shape, int w, int h, const TBevelColors& colors) {
  const TColor first = colors.First;
  const TColor second = colors.Second;
  switch (shape) {
    case psBox:
      BevelRect(canvas, 0, 0, w - 1, h - 1, first, second);
      break;
    case psFrame:  // etched: a second-colour frame under a first-colour one
      BevelRect(canvas, 1, 1, w - 1, h - 1, second, second);
      BevelRect(canvas, 0, 0, w - 2, h - 2, first, first);
      break;
    case psTopLine:
      Line(canvas, 0, 0, w, 0, first);
      Line(canvas, 0, 1, w, 1, second);
      break;
    case psBottomLine:
      Line(canvas, 0, h - 2, w, h - 2, first);
      Line(canvas, 0, h - 1, w, h - 1, second);
      break;
    case psLeftLine:
      Line(canvas, 0, 0, 0, h, first);
      Line(canvas, 1, 0, 1, h, second);
      break;
    case psRightLine:
      Line(canvas, w - 2, 0, w - 2, h, first);
      Line(canvas, w - 1, 0, w - 1, h, second);
      break;
    case psSpacer:
      break;
  }
}

TBevelColors BevelColors(TProgressStyle style) {
  if (style == psRaised) return {clBtnHighlight, clBtnShadow};
  return {clBtnShadow, clBtnHighlight};
}

void PaintProgressPicture(TBitmap& bitmap, int width, int height, const TProgressLook& look,
                          const TProgressRange& range) {
  bitmap.SetSize(width, height);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = look.ColorToDo;
  canvas.FillRect(bitmap.ClientRect());

  const double fraction = range.Fraction();
  const int done = DoneWidth(width, fraction);
  const int inset = look.BorderWidth;
  // A border at least half the done width leaves an empty or inverted
  // rectangle, which fills nothing.
  canvas.Brush.Color = look.ColorDone;
  canvas.FillRect(Rect(inset, inset, done - inset, height - inset));

  if (look.ShowPercentage) {
    canvas.Brush.Style = bsClear;
    canvas.Font = look.Font;
    const std::string text = PercentageText(look.InfoText, fraction);
    const TSize extent = canvas.TextExtent(text);
    // Halved toward zero: a text wider than the bar starts left of it.
    canvas.TextOut((width - extent.cx) / 2, (height - extent.cy) / 2, text);
  }

  canvas.Pen.Width = 1;
  PaintProgressFrame(canvas, look.Shape, width, height, BevelColors(look.Style));
}

TProgressPictureKey ProgressPictureKey(int width, int height, const TProgressLook& look,
                                       const TProgressRange& range) {
  const double fraction = range.Fraction();
  TProgressPictureKey key;
  key.Width = width;
  key.Height = height;
  key.DoneWidth = DoneWidth(width, fraction);
  if (look.ShowPercentage) {
    key.Percentage = PercentageValue(fraction);
    key.InfoText = look.InfoText;
    key.Font = look.Font;
  }
  key.ColorDone = look.ColorDone;
  key.ColorToDo = look.ColorToDo;
  key.BorderWidth = look.BorderWidth;
  key.Shape = look.Shape;
  key.Style = look.Style;
  return key;
}

bool IsPictureOf(const TProgressPictureKey& key, int width, int height, const TProgressLook& look,
                 const TProgressRange& range) {
  // The fields that change most often first.
  const double fraction = range.Fraction();
  if (key.Width != width || key.Height != height || key.DoneWidth != DoneWidth(width, fraction)) return false;
  if (look.ShowPercentage) {
    if (key.Percentage != PercentageValue(fraction) || key.InfoText != look.InfoText || !(key.Font == look.Font)) {
      return false;
    }
  } else if (key.Percentage != -1) {
    return false;
  }
  return key.ColorDone == look.ColorDone && key.ColorToDo == look.ColorToDo && key.BorderWidth == look.BorderWidth &&
         key.Shape == look.Shape && key.Style == look.Style;
}

TColor ShadeColor(TColor color, int delta) {
  const TColor rgb = ColorToRGB(color);
  const auto shade = [delta](int channel) { return std::clamp(channel + delta, 0, 255); };
  return MakeColor(shade(ColorRed(rgb)), shade(ColorGreen(rgb)), shade(ColorBlue(rgb)));
}

TFrameColors FrameColorsOf(TColor color) { return {color, ShadeColor(color, 48), ShadeColor(color, -48)}; }

}  // namespace nuvex
