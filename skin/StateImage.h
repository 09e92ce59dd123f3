#pragma once
// What the regioned control and the regioned form share: the values that pick
// one state image of a strip and size it, the rendering of that image into a
// picture buffer, and the window shape taken from the buffer.
#include <cstdint>

#include "skin/ButtonProperty.h"
#include "skin/SkinTypes.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/ui/WinControl.h"

namespace nuvex {

struct TStateImage {
  int32_t ButtonCount = 0;
  int32_t ButtonIndex = 0;  // zero-based; -1 for none
  int32_t LeftMargin = 0;
  int32_t TopMargin = 0;
  int32_t RightMargin = 0;
  int32_t BottomMargin = 0;
  int32_t ButtonWidth = 0;   // the picture's size, and the window's
  int32_t ButtonHeight = 0;  // whenever a layout is applied
  TSplitMode SplitMode = spNone;
  TInteriorArea InteriorArea = iaStretched;

  // Takes over the layout of a skin definition: the count, the margins, the
  // size and the two modes (not the position, visibility or index).
  void TakeOver(const TButtonProperty& definition);
};

// Sizes picture to ButtonWidth x ButtonHeight and paints the chosen image of
// strip into it; without a count, without a strip, or with an index outside
// the strip, fills it with fill instead.  PaintBitmap's error passes on.
void RenderStateImage(const TStateImage& image, const TBitmap* strip, TColor fill, TBitmap& picture);

// Gives the control's window the shape of the picture's pixels that are not
// the key colour.  A shape that cannot be made is no error: the window keeps
// its old shape and failureTrace goes to the trace log.
void ShapeLikePicture(TWinControl& control, const TBitmap& picture, const char* failureTrace);

}  // namespace nuvex
