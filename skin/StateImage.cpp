#include "skin/StateImage.h"

#include <optional>

#include "skin/PaintBitmap.h"
#include "skin/Regions.h"
#include "trace/TraceUnit.h"

namespace nuvex {

void TStateImage::TakeOver(const TButtonProperty& definition) {
  ButtonCount = definition.ButtonCount;
  LeftMargin = definition.LeftMargin;
  TopMargin = definition.TopMargin;
  RightMargin = definition.RightMargin;
  BottomMargin = definition.BottomMargin;
  ButtonHeight = definition.Height;
  ButtonWidth = definition.Width;
  SplitMode = definition.SplitMode;
  InteriorArea = definition.InteriorArea;
}

void RenderStateImage(const TStateImage& image, const TBitmap* strip, TColor fill, TBitmap& picture) {
  picture.SetSize(image.ButtonWidth, image.ButtonHeight);
  if (image.ButtonCount > 0 && strip && image.ButtonIndex >= 0 && image.ButtonIndex <= image.ButtonCount - 1) {
    PaintBitmap(*strip, picture, image.LeftMargin, image.TopMargin, image.RightMargin, image.BottomMargin,
                picture.Height(), picture.Width(), image.SplitMode, image.ButtonIndex + 1, image.ButtonCount,
                image.InteriorArea);
    return;
  }
  TCanvas& canvas = picture.Canvas();
  canvas.Brush.Color = fill;
  canvas.Brush.Style = bsSolid;
  canvas.FillRect(picture.ClientRect());
}

void ShapeLikePicture(TWinControl& control, const TBitmap& picture, const char* failureTrace) {
  std::optional<TRegion> region = GetNewRegion(&picture);
  if (!region || !control.SetWindowRegion(*region, true)) Trace(failureTrace);
}

}  // namespace nuvex
