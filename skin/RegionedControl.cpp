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
      buttonHeight_(Height()),
      buttonWidth_(Width()),
      skinVisible_(TControl::Visible()),
      safeVisible_(TControl::Visible()) {}

TRegionedCustomControl::~TRegionedCustomControl() {
  if (skinManager_) {
    skinManager_->UnregisterControl(this);
    RemoveFreeNotification(skinManager_);
  }
}

void TRegionedCustomControl::SetButtons(const TBitmap* value) {
  if (!value) return;
  if (!buttons_) buttons_ = std::make_unique<TBitmap>();
  if (value != buttons_.get()) CopyBitmap(*value, *buttons_);
  UpdateButtons();
}

void TRegionedCustomControl::SetButtonIndex(int32_t value) {
  if (value == buttonIndex_ || value < 0 || value >= buttonCount_) return;
  buttonIndex_ = value;
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
NUVEX_LAYOUT_SETTER(SetButtonCount, int32_t, buttonCount_)
NUVEX_LAYOUT_SETTER(SetButtonWidth, int32_t, buttonWidth_)
NUVEX_LAYOUT_SETTER(SetButtonHeight, int32_t, buttonHeight_)
NUVEX_LAYOUT_SETTER(SetLeftMargin, int32_t, leftMargin_)
NUVEX_LAYOUT_SETTER(SetTopMargin, int32_t, topMargin_)
NUVEX_LAYOUT_SETTER(SetRightMargin, int32_t, rightMargin_)
NUVEX_LAYOUT_SETTER(SetBottomMargin, int32_t, bottomMargin_)
NUVEX_LAYOUT_SETTER(SetSplitMode, TSplitMode, splitMode_)
NUVEX_LAYOUT_SETTER(SetInteriorArea, TInteriorArea, interiorArea_)
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
  if (value == skinManager_) return;
  // Withdraw from the manager left behind, so it never re-skins a control
  // that no longer names it, nor reaches it once it is gone.
  if (skinManager_) {
    skinManager_->UnregisterControl(this);
    RemoveFreeNotification(skinManager_);
  }
  skinManager_ = value;
  if (skinManager_) {
    if (!buttons_) buttons_ = std::make_unique<TBitmap>();
    skinManager_->FreeNotification(this);
    skinManager_->RegisterControl(this);
  } else {
    buttonIndex_ = -1;
    buttonCount_ = 0;
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
  buttonCount_ = property.ButtonCount;
  leftMargin_ = property.LeftMargin;
  topMargin_ = property.TopMargin;
  rightMargin_ = property.RightMargin;
  bottomMargin_ = property.BottomMargin;
  savedLeft_ = property.XCoord;
  savedTop_ = property.YCoord;
  buttonHeight_ = property.Height;
  buttonWidth_ = property.Width;
  splitMode_ = property.SplitMode;
  interiorArea_ = property.InteriorArea;
  skinVisible_ = property.Visible;
  if (buttonIndex_ < 0 || buttonIndex_ > buttonCount_) buttonIndex_ = 0;
  DoBeforeLoadButtons(buttonIndex_);
  RenderImage();
  PlaceAndShape();
  DoAfterLoadButtons();
}

void TRegionedCustomControl::PlaceAndShape() {
  {
    // The shape is built once, below, for the new picture (a move alone
    // needs it too, or the new picture would keep the old one's shape).
    ScopedValue layingOut(layingOut_, true);
    SetBounds(savedLeft_, savedTop_, buttonWidth_, buttonHeight_);
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

void TRegionedCustomControl::RenderImage() {
  renderedImage_.SetSize(buttonWidth_, buttonHeight_);
  if (buttonCount_ > 0 && buttons_ && buttonIndex_ >= 0 && buttonIndex_ <= buttonCount_ - 1) {
    PaintBitmap(*buttons_, renderedImage_, leftMargin_, topMargin_, rightMargin_, bottomMargin_,
                renderedImage_.Height(), renderedImage_.Width(), splitMode_, buttonIndex_ + 1, buttonCount_,
                interiorArea_);
  } else {
    TCanvas& canvas = renderedImage_.Canvas();
    canvas.Brush.Color = fillColor_;
    canvas.Brush.Style = bsSolid;
    canvas.FillRect(renderedImage_.ClientRect());
  }
}

void TRegionedCustomControl::UpdateRegion() {
  if (IsLoading() || IsReading() || IsDesigning()) return;
  if (!transparent_ || buttonIndex_ == -1 || buttonCount_ == 0 || !buttons_) return;
  // A shape that cannot be made is no error: the control keeps its old
  // shape and stays usable.
  std::optional<TRegion> region = GetNewRegion(&renderedImage_);
  if (!region || !SetWindowRegion(*region, true)) Trace(kRegionedControlRegionError);
}

void TRegionedCustomControl::UpdateButtons() {
  if (!buttons_ || buttons_->Width() == 0 || buttons_->Height() == 0) return;
  if (buttonWidth_ == 0 || buttonHeight_ == 0 || IsLoading()) return;
  if (IsDesigning()) {
    RenderImage();
    Repaint();
    return;
  }
  RenderImage();
  {
    ScopedValue layingOut(layingOut_, true);
    SetWidth(buttonWidth_);
    SetHeight(buttonHeight_);
  }
  PlaceAndShape();
}

void TRegionedCustomControl::Loaded() {
  TCustomControl::Loaded();
  savedLeft_ = Left();
  savedTop_ = Top();
  if (buttonIndex_ < 0 || buttonIndex_ > buttonCount_) buttonIndex_ = 0;
  DoBeforeLoadButtons(buttonIndex_);
  UpdateButtons();
}

void TRegionedCustomControl::SetBounds(int left, int top, int width, int height) {
  if (IsDesigning()) {
    savedLeft_ = left;
    savedTop_ = top;
    if (buttonWidth_ > 0) width = buttonWidth_;
    if (buttonHeight_ > 0) height = buttonHeight_;
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
  if (operation == TOperation::opRemove && component != nullptr &&
      component == static_cast<TComponent*>(skinManager_)) {
    skinManager_ = nullptr;  // the manager is gone; nothing to tell it
  }
}

}  // namespace nuvex
