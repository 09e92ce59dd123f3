#include "skin/RegionedControl.h"

#include "base/ScopeGuard.h"
#include "skin/SkinTools.h"
#include "trace/TraceUnit.h"

namespace nuvex {

TRegionedCustomControl::TRegionedCustomControl(TComponent* owner)
    : TCustomControl(owner),
      buttons_(std::make_unique<TBitmap>()),
      savedLeft_(Left()),
      savedTop_(Top()),
      skinVisible_(TControl::Visible()),
      safeVisible_(TControl::Visible()) {
  image_.ButtonHeight = Height();
  image_.ButtonWidth = Width();
}

void TRegionedCustomControl::SetButtons(const TBitmap* value) {
  if (!value) return;
  if (!buttons_) buttons_ = std::make_unique<TBitmap>();
  if (value != buttons_.get()) CopyBitmap(*value, *buttons_);
  UpdateButtons();
}

void TRegionedCustomControl::SetButtonIndex(int32_t value) {
  if (value == image_.ButtonIndex || value < 0 || value >= image_.ButtonCount) return;
  image_.ButtonIndex = value;
  RenderImage();
  UpdateRegion();
  Invalidate();
}

// The layout values: store, apply the layout.
#define NUVEX_LAYOUT_SETTER(Setter, Type, field) \
  void TRegionedCustomControl::Setter(Type value) { \
    if (value == field) return;                    \
    field = value;                                 \
    UpdateButtons();                               \
  }
NUVEX_LAYOUT_SETTER(SetButtonCount, int32_t, image_.ButtonCount)
NUVEX_LAYOUT_SETTER(SetButtonWidth, int32_t, image_.ButtonWidth)
NUVEX_LAYOUT_SETTER(SetButtonHeight, int32_t, image_.ButtonHeight)
NUVEX_LAYOUT_SETTER(SetLeftMargin, int32_t, image_.LeftMargin)
NUVEX_LAYOUT_SETTER(SetTopMargin, int32_t, image_.TopMargin)
NUVEX_LAYOUT_SETTER(SetRightMargin, int32_t, image_.RightMargin)
NUVEX_LAYOUT_SETTER(SetBottomMargin, int32_t, image_.BottomMargin)
NUVEX_LAYOUT_SETTER(SetSplitMode, TSplitMode, image_.SplitMode)
NUVEX_LAYOUT_SETTER(SetInteriorArea, TInteriorArea, image_.InteriorArea)
#undef NUVEX_LAYOUT_SETTER

void TRegionedCustomControl::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  UpdateRegion();
  Invalidate();
}

void TRegionedCustomControl::SetColor(TColor value) {
  if (value == fillColor_) return;
  fillColor_ = value;
  RenderImage();
  Invalidate();
}

void TRegionedCustomControl::SetVisible(bool value) {
  safeVisible_ = value;
  if (skinVisible_) ChangeVisible(value);
}

void TRegionedCustomControl::SetSkinManager(TSkinManagerLink* value) {
  if (value == registration_.Manager()) return;
  // The manager left behind is withdrawn from, so it never re-skins a
  // control that no longer names it, nor reaches it once it is gone.
  if (value && !buttons_) buttons_ = std::make_unique<TBitmap>();
  registration_.Link(value);
  if (!value) {
    image_.ButtonIndex = -1;
    image_.ButtonCount = 0;
    buttons_.reset();
  }
  RenderImage();
  UpdateRegion();
}

std::string TRegionedCustomControl::ControlName() const {
  return Parent() ? Parent()->Name() + "." + Name() : Name();
}

void TRegionedCustomControl::ApplySkin(const TButtonProperty& property) {
  if (!buttons_) buttons_ = std::make_unique<TBitmap>();
  // A definition always brings its picture; without one the strip stays.
  if (property.Bitmap) CopyBitmap(*property.Bitmap, *buttons_);
  image_.TakeOver(property);
  savedLeft_ = property.XCoord;
  savedTop_ = property.YCoord;
  skinVisible_ = property.Visible;
  if (image_.ButtonIndex < 0 || image_.ButtonIndex > image_.ButtonCount) image_.ButtonIndex = 0;
  DoBeforeLoadButtons(image_.ButtonIndex);
  RenderImage();
  PlaceAndShape();
  DoAfterLoadButtons();
}

void TRegionedCustomControl::PlaceAndShape() {
  {
    // The shape is built once, below, for the new picture (a move alone
    // needs it too, or the new picture would keep the old one's shape).
    ScopedValue layingOut(layingOut_, true);
    SetBounds(savedLeft_, savedTop_, image_.ButtonWidth, image_.ButtonHeight);
  }
  UpdateRegion();
  Invalidate();
}

void TRegionedCustomControl::DoBeforeLoadButtons(int32_t& index) {
  if (OnBeforeLoadButtons) OnBeforeLoadButtons(this, index);
}

void TRegionedCustomControl::DoAfterLoadButtons() {
  if (OnAfterLoadButtons) OnAfterLoadButtons(this);
}

void TRegionedCustomControl::RenderImage() { RenderStateImage(image_, buttons_.get(), fillColor_, renderedImage_); }

void TRegionedCustomControl::UpdateRegion() {
  if (IsLoading() || IsReading() || IsDesigning()) return;
  if (!transparent_ || image_.ButtonIndex == -1 || image_.ButtonCount == 0 || !buttons_) return;
  ShapeLikePicture(*this, renderedImage_, kRegionedControlRegionError);
}

void TRegionedCustomControl::UpdateButtons() {
  if (!buttons_ || buttons_->Width() == 0 || buttons_->Height() == 0) return;
  if (image_.ButtonWidth == 0 || image_.ButtonHeight == 0 || IsLoading()) return;
  if (IsDesigning()) {
    RenderImage();
    Repaint();
    return;
  }
  RenderImage();
  {
    ScopedValue layingOut(layingOut_, true);
    SetWidth(image_.ButtonWidth);
    SetHeight(image_.ButtonHeight);
  }
  PlaceAndShape();
}

void TRegionedCustomControl::Loaded() {
  TCustomControl::Loaded();
  savedLeft_ = Left();
  savedTop_ = Top();
  if (image_.ButtonIndex < 0 || image_.ButtonIndex > image_.ButtonCount) image_.ButtonIndex = 0;
  DoBeforeLoadButtons(image_.ButtonIndex);
  UpdateButtons();
}

void TRegionedCustomControl::SetBounds(int left, int top, int width, int height) {
  if (IsDesigning()) {
    savedLeft_ = left;
    savedTop_ = top;
    if (image_.ButtonWidth > 0) width = image_.ButtonWidth;
    if (image_.ButtonHeight > 0) height = image_.ButtonHeight;
  }
  TCustomControl::SetBounds(left, top, width, height);
}

void TRegionedCustomControl::Paint() { Canvas().Draw(0, 0, renderedImage_); }

void TRegionedCustomControl::Resize() {
  if (transparent_ && !layingOut_) UpdateRegion();
}

void TRegionedCustomControl::EraseBackground(TBitmap& /*surface*/) {
  // The picture covers the whole control: nothing to clear first.
}

void TRegionedCustomControl::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == TOperation::opRemove) registration_.Forget(component);
}

}  // namespace nuvex
