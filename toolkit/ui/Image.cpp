#include "toolkit/ui/Image.h"

#include "base/AssignIfChanged.h"
#include "base/ScopeGuard.h"

namespace nuvex {

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle(static_cast<TControlStyle>(ControlStyle() & ~csCaptureMouse));
  TGraphicControl::SetBounds(0, 0, 105, 105);
}

void TImage::SetPicture(const TBitmap& value) {
  picture_ = value;
  AdjustSize();
  Invalidate();
}

void TImage::SetAutoSize(bool value) {
  if (AssignIfChanged(autoSize_, value)) AdjustSize();
}

void TImage::SetStretch(bool value) {
  if (AssignIfChanged(stretch_, value)) Invalidate();
}

void TImage::SetBounds(int left, int top, int width, int height) {
  TGraphicControl::SetBounds(left, top, width, height);
  AdjustSize();
}

void TImage::AdjustSize() {
  if (!autoSize_ || adjusting_ || picture_.Empty()) return;
  ScopedValue adjusting(adjusting_, true);
  TGraphicControl::SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
}

void TImage::Paint() {
  if (picture_.Empty()) return;
  if (stretch_) {
    Canvas().StretchDraw(ClientRect(), picture_);
  } else {
    Canvas().Draw(0, 0, picture_);
  }
}

}  // namespace nuvex
