#include "skin/StatePictureControl.h"

#include "base/AssignIfChanged.h"
#include "base/ScopeGuard.h"
#include "skin/BitmapTools.h"

namespace nuvex {

template <typename Base>
TStatePictureControl<Base>::TStatePictureControl(TComponent* owner, const TStatePictureRules& rules)
    : Base(owner),
      rules_(rules),
      buttons_(std::make_unique<TBitmap>()),
      savedLeft_(this->Left()),
      savedTop_(this->Top()) {
  image_.ButtonHeight = this->Height();
  image_.ButtonWidth = this->Width();
}

template <typename Base>
void TStatePictureControl<Base>::ResetStatePicture() {
  buttons_ = std::make_unique<TBitmap>();
  renderedImage_ = TBitmap();
  image_ = TStateImage();
  image_.ButtonHeight = this->ClientHeight();
  image_.ButtonWidth = this->ClientWidth();
  savedLeft_ = this->Left();
  savedTop_ = this->Top();
  transparent_ = true;
  fillColor_ = clWhite;
}

template <typename Base>
void TStatePictureControl<Base>::SetButtons(const TBitmap* value) {
  if (!value) return;
  if (!buttons_) buttons_ = std::make_unique<TBitmap>();
  if (value != buttons_.get()) CopyBitmap(*value, *buttons_);
  UpdateButtons();
}

template <typename Base>
void TStatePictureControl<Base>::SetButtonIndex(int32_t value) {
  const int32_t last = rules_.IndexMayEqualCount ? image_.ButtonCount : image_.ButtonCount - 1;
  if (value == image_.ButtonIndex || value < 0 || value > last) return;
  image_.ButtonIndex = value;
  RenderImage();
  UpdateRegion();
  this->Invalidate();
}


template <typename Base>
void TStatePictureControl<Base>::SetTransparent(bool value) {
  if (!AssignIfChanged(transparent_, value)) return;
  UpdateRegion();
  this->Invalidate();
}

template <typename Base>
void TStatePictureControl<Base>::SetColor(TColor value) {
  if (!AssignIfChanged(fillColor_, value)) return;
  RenderImage();
  this->Invalidate();
}

template <typename Base>
std::string TStatePictureControl<Base>::ControlName() const {
  return this->Parent() ? this->Parent()->Name() + "." + this->Name() : this->Name();
}

template <typename Base>
void TStatePictureControl<Base>::ManagerLinked(bool linked) {
  if (linked) {
    if (!buttons_) buttons_ = std::make_unique<TBitmap>();
  } else {
    image_.ButtonIndex = -1;
    image_.ButtonCount = 0;
    buttons_.reset();
  }
  RenderImage();
  UpdateRegion();
}

template <typename Base>
void TStatePictureControl<Base>::TakeOverDefinition(const TButtonProperty& definition) {
  if (!buttons_) buttons_ = std::make_unique<TBitmap>();
  // A definition always brings its picture; without one the strip stays.
  if (definition.Bitmap) CopyBitmap(*definition.Bitmap, *buttons_);
  image_.TakeOver(definition);
  SavePlace(definition.XCoord, definition.YCoord);
  StartWithinStrip();
}

template <typename Base>
void TStatePictureControl<Base>::TakeStatePicture(const TStateImage& image, const TBitmap& strip, bool transparent) {
  image_ = image;
  if (!buttons_) buttons_ = std::make_unique<TBitmap>();
  if (&strip != buttons_.get()) CopyBitmap(strip, *buttons_);
  transparent_ = transparent;
  UpdateButtons();
}

template <typename Base>
void TStatePictureControl<Base>::RenderImage() {
  RenderStateImage(image_, buttons_.get(), fillColor_, renderedImage_);
}

template <typename Base>
void TStatePictureControl<Base>::UpdateRegion() {
  if (this->IsLoading() || this->IsReading()) return;
  if (!transparent_ || image_.ButtonIndex == -1 || image_.ButtonCount == 0 || !buttons_) return;
  ShapeLikePicture(*this, renderedImage_, rules_.RegionTrace);
}

template <typename Base>
void TStatePictureControl<Base>::UpdateButtons() {
  if (!buttons_ || buttons_->Width() == 0 || buttons_->Height() == 0) return;
  if (image_.ButtonWidth == 0 || image_.ButtonHeight == 0 || this->IsLoading()) return;
  RenderImage();
  PlaceAndShape();
}

template <typename Base>
void TStatePictureControl<Base>::PlaceAndShape() {
  SavePlace(savedLeft_, savedTop_);
  {
    // The shape is built once, below, for the new picture (a move alone
    // needs it too, or the new picture would keep the old one's shape).
    ScopedValue layingOut(layingOut_, true);
    this->SetBounds(savedLeft_, savedTop_, image_.ButtonWidth, image_.ButtonHeight);
  }
  UpdateRegion();
  this->Invalidate();
}

template <typename Base>
void TStatePictureControl<Base>::SavePlace(int32_t left, int32_t top) {
  savedLeft_ = rules_.LayoutKeepsPresentPlace ? this->Left() : left;
  savedTop_ = rules_.LayoutKeepsPresentPlace ? this->Top() : top;
}

template <typename Base>
void TStatePictureControl<Base>::StartWithinStrip() {
  if (image_.ButtonIndex < 0 || image_.ButtonIndex > image_.ButtonCount) image_.ButtonIndex = 0;
}

template <typename Base>
void TStatePictureControl<Base>::Loaded() {
  Base::Loaded();
  savedLeft_ = this->Left();
  savedTop_ = this->Top();
  StartWithinStrip();
}

template <typename Base>
void TStatePictureControl<Base>::Paint() {
  TCanvas& canvas = this->Canvas();
  if (!rules_.PaintFillsEmptyPicture || (renderedImage_.Width() > 0 && renderedImage_.Height() > 0)) {
    canvas.Draw(0, 0, renderedImage_);
    return;
  }
  canvas.Brush.Color = fillColor_;
  canvas.Brush.Style = bsSolid;
  canvas.FillRect(TRect{0, 0, this->Width(), this->Height()});
}

template <typename Base>
void TStatePictureControl<Base>::Resize() {
  if (transparent_ && !layingOut_) UpdateRegion();
}

template <typename Base>
void TStatePictureControl<Base>::EraseBackground(TBitmap& /*surface*/) {
  // The picture covers the whole window: nothing to clear first.
}

template class TStatePictureControl<TCustomControl>;
template class TStatePictureControl<TForm>;

}  // namespace nuvex
