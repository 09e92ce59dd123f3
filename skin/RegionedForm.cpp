#include "skin/RegionedForm.h"

#include "base/AssignIfChanged.h"
#include "base/Error.h"
#include "skin/BitmapTools.h"

namespace nuvex {

namespace {

constexpr TStatePictureRules kRegionedFormRules{
    .IndexMayEqualCount = true,
    .LayoutKeepsPresentPlace = true,
    .PaintFillsEmptyPicture = true,
    .RegionTrace = kRegionedFormRegionError,
};

}  // namespace

TCustomRegionedForm::TCustomRegionedForm(TComponent* owner) : TStatePictureControl(owner, kRegionedFormRules) {
  ResetSkinFields();
}

void TCustomRegionedForm::ResetSkinFields() {
  ResetStatePicture();
  // The field only: a manager the description named keeps the form in its
  // list (registration_), so it still re-skins the form.
  skinManager_ = nullptr;
}

void TCustomRegionedForm::AfterConstruction() {
  ResetSkinFields();
  for (int i = 0; i < ComponentCount(); ++i) {
    if (auto* data = dynamic_cast<TRegionedFormSkinData*>(Components(i))) {
      ApplyFormSkinData(*data);
      break;  // only the first counts
    }
  }
}

void TCustomRegionedForm::SetTransparentColor(TColor value) {
  if (!AssignIfChanged(transparentColor_, value)) return;
  UpdateRegion();
  Invalidate();
}

void TCustomRegionedForm::SetSkinManager(TSkinManagerLink* value) {
  if (!AssignIfChanged(skinManager_, value)) return;
  // Registering with another manager withdraws from the one before, so no
  // manager keeps a form that no longer names it.
  registration_.Link(value);
  ManagerLinked(value != nullptr);
}

void TCustomRegionedForm::ApplySkin(const TButtonProperty& property) {
  TakeOverDefinition(property);
  RenderImage();
  PlaceAndShape();
}

void TCustomRegionedForm::Notification(TComponent* component, TOperation operation) {
  TStatePictureControl::Notification(component, operation);
  if (operation != TOperation::opRemove || component == nullptr) return;
  registration_.Forget(component);
  if (component == skinManager_) skinManager_ = nullptr;
}

TRegionedFormSkinData::TRegionedFormSkinData(TComponent* owner)
    : TComponent(owner), form_(dynamic_cast<TCustomRegionedForm*>(owner)) {
  if (!form_) {
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
  TStateImage image = data.Image;
  image.ButtonIndex = 0;  // a form starts at its first image, whatever its data asks
  // A changed colour is a plain picture of that colour at once, at the size
  // the form has now: it is what the form shows when the data brings no strip
  // to lay it out with.
  form->SetColor(data.Color);
  form->TakeStatePicture(image, data.Buttons(), data.Transparent);
}

}  // namespace nuvex
