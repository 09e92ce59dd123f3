#include "skin/RegionedControl.h"

namespace nuvex {

namespace {

constexpr TStatePictureRules kRegionedControlRules{
    .IndexMayEqualCount = false,
    .LayoutKeepsPresentPlace = false,
    .PaintFillsEmptyPicture = false,
    .RegionTrace = kRegionedControlRegionError,
};

}  // namespace

TRegionedCustomControl::TRegionedCustomControl(TComponent* owner)
    : TStatePictureControl(owner, kRegionedControlRules), visibility_(TControl::Visible()) {}

void TRegionedCustomControl::SetSkinManager(TSkinManagerLink* value) {
  if (value == registration_.Manager()) return;
  // The manager left behind is withdrawn from, so it never re-skins a
  // control that no longer names it, nor reaches it once it is gone.
  registration_.Link(value);
  ManagerLinked(value != nullptr);
}

void TRegionedCustomControl::ApplySkin(const TButtonProperty& property) {
  TakeOverDefinition(property);
  visibility_.SetAllowed(property.Visible);
  DoBeforeLoadButtons(StartIndex());
  RenderImage();
  PlaceAndShape();
  DoAfterLoadButtons();
}

void TRegionedCustomControl::DoBeforeLoadButtons(int32_t& index) {
  if (OnBeforeLoadButtons) OnBeforeLoadButtons(this, index);
}

void TRegionedCustomControl::DoAfterLoadButtons() {
  if (OnAfterLoadButtons) OnAfterLoadButtons(this);
}

void TRegionedCustomControl::Loaded() {
  TStatePictureControl::Loaded();
  DoBeforeLoadButtons(StartIndex());
  UpdateButtons();
}

void TRegionedCustomControl::Notification(TComponent* component, TOperation operation) {
  TStatePictureControl::Notification(component, operation);
  if (operation == TOperation::opRemove) registration_.Forget(component);
}

}  // namespace nuvex
