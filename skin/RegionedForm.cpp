#include "skin/RegionedForm.h"

#include "base/Error.h"
#include "skin/BitmapTools.h"

namespace nuvex {

TCustomRegionedForm::TCustomRegionedForm(TComponent* owner) : TForm(owner) { ResetSkinFields(); }

void TCustomRegionedForm::ResetSkinFields() {
  buttons_ = std::make_unique<TBitmap>();
  renderedImage_ = TBitmap();
  image_ = TStateImage();
  image_.ButtonHeight = ClientHeight();
  image_.ButtonWidth = ClientWidth();
  savedLeft_ = Left();
  savedTop_ = Top();
  transparent_ = true;
  fillColor_ = clWhite;
  // The field only: a manager the description named keeps the form in its
  // list (registration_), so it still re-skins the form.
  skinManager_ = nullptr;
}

void TCustomRegionedForm::AfterConstruction() {
  ResetSkinFields();
  for (int i = 0; i < ComponentCount(); ++i) {
    if (auto* data = dynamic_cast<TRegionedFormSkinData*>(Components(i))) {
      ApplyFormSkinData(*data);
      UpdateButtons();
      break;  // only the first counts
    }
  }
}

void TCustomRegionedForm::SetButtons(const TBitmap* value) {
  if (!value) return;
  if (!buttons_) buttons_ = std::make_unique<TBitmap>();
  if (value != buttons_.get()) CopyBitmap(*value, *buttons_);
  UpdateButtons();
}

void TCustomRegionedForm::SetButtonIndex(int32_t value) {
  if (value == image_.ButtonIndex || value < 0 || value > image_.ButtonCount) return;
  image_.ButtonIndex = value;
  RenderImage();
  UpdateRegion();
  Invalidate();
}

#define NUVEX_LAYOUT_SETTER(Setter, Type, field) \
  void TCustomRegionedForm::Setter(Type value) { \
    if (value == field) return;                 \
    field = value;                              \
    UpdateButtons();                            \
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

void TCustomRegionedForm::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  UpdateRegion();
  Invalidate();
}

void TCustomRegionedForm::SetTransparentColor(TColor value) {
  if (value == transparentColor_) return;
  transparentColor_ = value;
  UpdateRegion();
  Invalidate();
}

void TCustomRegionedForm::SetColor(TColor value) {
  if (value == fillColor_) return;
  fillColor_ = value;
  RenderImage();
  Invalidate();
}

void TCustomRegionedForm::SetSkinManager(TSkinManagerLink* value) {
  if (value == skinManager_) return;
  skinManager_ = value;
  if (value) {
    if (!buttons_) buttons_ = std::make_unique<TBitmap>();
  } else {
    image_.ButtonIndex = -1;
    image_.ButtonCount = 0;
    buttons_.reset();
  }
  // Registering with another manager withdraws from the one before, so no
  // manager keeps a form that no longer names it.
  registration_.Link(value);
  RenderImage();
  UpdateRegion();
}

std::string TCustomRegionedForm::ControlName() const {
  return Parent() ? Parent()->Name() + "." + Name() : Name();
}

void TCustomRegionedForm::ApplySkin(const TButtonProperty& property) {
  if (!buttons_) buttons_ = std::make_unique<TBitmap>();
  if (property.Bitmap) CopyBitmap(*property.Bitmap, *buttons_);
  image_.TakeOver(property);
  savedLeft_ = Left();
  savedTop_ = Top();
  if (image_.ButtonIndex < 0 || image_.ButtonIndex > image_.ButtonCount) image_.ButtonIndex = 0;
  RenderImage();
  if (Width() == image_.ButtonWidth && Height() == image_.ButtonHeight) {
    UpdateRegion();
  } else {
    SetBounds(Left(), Top(), image_.ButtonWidth, image_.ButtonHeight);  // Resize shapes it
  }
  Invalidate();
}

void TCustomRegionedForm::RenderImage() { RenderStateImage(image_, buttons_.get(), fillColor_, renderedImage_); }

void TCustomRegionedForm::UpdateRegion() {
  if (IsLoading() || IsReading() || IsDesigning()) return;
  if (!transparent_ || image_.ButtonIndex == -1 || image_.ButtonCount == 0 || !buttons_) return;
  ShapeLikePicture(*this, renderedImage_, kRegionedFormRegionError);
}

void TCustomRegionedForm::UpdateButtons() {
  if (!buttons_ || buttons_->Width() == 0 || buttons_->Height() == 0) return;
  if (image_.ButtonWidth == 0 || image_.ButtonHeight == 0 || IsLoading()) return;
  RenderImage();
  if (IsDesigning()) {
    Repaint();
    return;
  }
  savedLeft_ = Left();
  savedTop_ = Top();
  if (Width() == image_.ButtonWidth && Height() == image_.ButtonHeight) {
    UpdateRegion();
  } else {
    SetBounds(Left(), Top(), image_.ButtonWidth, image_.ButtonHeight);  // Resize shapes it
  }
  Invalidate();
}

void TCustomRegionedForm::Loaded() {
  TForm::Loaded();
  savedLeft_ = Left();
  savedTop_ = Top();
  if (image_.ButtonIndex < 0 || image_.ButtonIndex > image_.ButtonCount) image_.ButtonIndex = 0;
}

void TCustomRegionedForm::Paint() {
  TCanvas& canvas = Canvas();
  if (renderedImage_.Width() > 0 && renderedImage_.Height() > 0) {
    canvas.Draw(0, 0, renderedImage_);
    return;
  }
  canvas.Brush.Color = fillColor_;
  canvas.Brush.Style = bsSolid;
  canvas.FillRect(TRect{0, 0, Width(), Height()});
}

void TCustomRegionedForm::Resize() {
  if (transparent_) UpdateRegion();
}

void TCustomRegionedForm::EraseBackground(TBitmap& /*surface*/) {
  // The picture covers the whole form: nothing to clear first.
}

void TCustomRegionedForm::Notification(TComponent* component, TOperation operation) {
  TForm::Notification(component, operation);
  if (operation != TOperation::opRemove || component == nullptr) return;
  registration_.Forget(component);
  if (component == skinManager_) skinManager_ = nullptr;
}

TRegionedFormSkinData::TRegionedFormSkinData(TComponent* owner)
    : TComponent(owner), form_(dynamic_cast<TCustomRegionedForm*>(owner)) {
  if (!form_ && !IsDesigning()) {
    const std::string ownerClass = owner ? owner->ClassName() : "(no owner)";
    throw Error(std::string(kSkinDataOwnerError) + "\"" + ownerClass + "\" ClassName");
  }
}

void TRegionedFormSkinData::SetButtons(const TBitmap* value) {
  if (value) {
    if (value != &buttons_) CopyBitmap(*value, buttons_);
  } else {
    buttons_.SetWidth(0);
    buttons_.SetHeight(0);
  }
}

void ApplyFormSkinData(TRegionedFormSkinData& data) {
  TCustomRegionedForm* form = data.Form();
  if (!form) return;
  const TStateImage& image = data.Image;
  form->SetLeftMargin(image.LeftMargin);
  form->SetTopMargin(image.TopMargin);
  form->SetRightMargin(image.RightMargin);
  form->SetBottomMargin(image.BottomMargin);
  form->SetSplitMode(image.SplitMode);
  form->SetInteriorArea(image.InteriorArea);
  form->SetTransparent(data.Transparent);
  form->SetColor(data.Color);
  form->SetButtonHeight(image.ButtonHeight);
  form->SetButtonWidth(image.ButtonWidth);
  form->SetButtonIndex(image.ButtonIndex);
  form->SetButtonCount(image.ButtonCount);
  form->SetButtons(&data.Buttons());
}

}  // namespace nuvex
