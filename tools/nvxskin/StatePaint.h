#pragma once
// One state image of a picture definition, painted as a regioned control
// paints its picture buffer (as RenderImage does): a buffer of the
// definition's Width x Height, PaintBitmap with its margins, split mode and
// interior mode.
#include "skin/ButtonProperty.h"
#include "toolkit/graphics/Bitmap.h"

namespace nvxskin {

// Whether the kind is a picture definition (RegionedForm ... RegionedFlatSlider).
bool IsPictureKind(nuvex::TSkinControlType kind);

// State image `state` (0-based, 0 <= state < ButtonCount) of the definition,
// in a fresh buffer.  Returns false when PaintBitmap reports that it could not
// paint; PaintBitmap's error ("[PaintBitmap] CheckError returned True") passes
// on.  The buffer then holds what PaintBitmap left in it.
bool PaintState(const nuvex::TButtonProperty& definition, int state, nuvex::TBitmap& buffer);

}  // namespace nvxskin
