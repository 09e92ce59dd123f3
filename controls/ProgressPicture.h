#pragma once
// The picture of a progress bar as a pure function of its settings and size:
// the "to do" fill, the done block, the optional percentage text and a
// one-pixel bevel frame in one of seven shapes.
#include <cstdint>
#include <string>

#include "controls/ProgressRange.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Color.h"

namespace nuvex {

enum TProgressStyle : uint8_t { psLowered, psRaised };

enum TProgressShape : uint8_t {
  psBox,
  psFrame,
  psTopLine,
  psBottomLine,
  psLeftLine,
  psRightLine,
  psSpacer,
};

// Everything besides the range that the picture depends on.
struct TProgressLook {
  TColor ColorDone = clTeal;
  TColor ColorToDo = clBtnFace;
  uint8_t BorderWidth = 0;
  bool ShowPercentage = true;
  std::string InfoText;
  TFont Font;
  TProgressShape Shape = psBox;
  TProgressStyle Style = psLowered;
};

// The frame's two colours: shadow then highlight when lowered, the reverse
// when raised.
struct TBevelColors {
  TColor First;
  TColor Second;
};
TBevelColors BevelColors(TProgressStyle style);

// Sizes bitmap to width x height and paints the bar on it: fill, done block,
// text, frame, each drawn in turn.  (TProgressPainter gives the same pixels
// with less work per paint.)
void PaintProgressPicture(TBitmap& bitmap, int width, int height, const TProgressLook& look,
                          const TProgressRange& range);

// The one-pixel frame of shape over a width x height bar.
void PaintProgressFrame(TCanvas& canvas, TProgressShape shape, int width, int height, const TBevelColors& colors);

// What decides the pixels of a picture: two pictures with equal keys are
// equal.  Colours are kept as written, a system colour by its index, so the
// test on every position report makes no call to the window system; a change
// of the system's colour scheme shows at the next picture that differs.
struct TProgressPictureKey {
  int Width = -1;
  int Height = -1;
  int DoneWidth = 0;
  int Percentage = -1;   // -1 when no percentage is shown
  std::string InfoText;  // these two only when the percentage is shown
  TFont Font;
  TColor ColorDone = 0;
  TColor ColorToDo = 0;
  uint8_t BorderWidth = 0;
  TProgressShape Shape = psBox;
  TProgressStyle Style = psLowered;
  friend bool operator==(const TProgressPictureKey&, const TProgressPictureKey&) = default;
};
TProgressPictureKey ProgressPictureKey(int width, int height, const TProgressLook& look,
                                       const TProgressRange& range);
// key == ProgressPictureKey(width, height, look, range), without making a key
// (no allocation: it runs on every position report).
bool IsPictureOf(const TProgressPictureKey& key, int width, int height, const TProgressLook& look,
                 const TProgressRange& range);

// The frame colour record: the colour as written and its light (+48) and
// dark (-48) shades.
struct TFrameColors {
  TColor Color = clBlack;
  TColor Light = clBlack;
  TColor Dark = clBlack;
};
// The colour's RGB value with delta added to red, green and blue, each
// clamped to 0..255.
TColor ShadeColor(TColor color, int delta);
TFrameColors FrameColorsOf(TColor color);

}  // namespace nuvex
