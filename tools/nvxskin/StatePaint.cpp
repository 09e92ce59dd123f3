#include "tools/nvxskin/StatePaint.h"

#include "skin/PaintBitmap.h"

namespace nvxskin {

using namespace nuvex;

bool IsPictureKind(TSkinControlType kind) { return kind >= RegionedForm && kind <= RegionedFlatSlider; }

bool PaintState(const TButtonProperty& d, int state, TBitmap& buffer) {
  buffer = TBitmap();
  buffer.SetSize(d.Width, d.Height);
  return PaintBitmap(*d.Bitmap, buffer, d.LeftMargin, d.TopMargin, d.RightMargin, d.BottomMargin,
                     buffer.Height(), buffer.Width(), d.SplitMode, state + 1, d.ButtonCount, d.InteriorArea);
}

}  // namespace nvxskin
