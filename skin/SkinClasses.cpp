#include "skin/SkinClasses.h"

#include "skin/RegionedButton.h"
#include "toolkit/formats/FormResources.h"

namespace nuvex {

void AddSkinClasses(TClassRegistry& classes) {
  using namespace property;
  using C = TRegionedCustomControl;
  TComponentClass regioned{"TRegionedCustomControl", "TCustomControl", nullptr, {}};
  regioned.Properties = {
      // The control copies the picture it is handed.
      {"Buttons", [](TComponent& t, const TFormValue& v, TFormReading&) {
         const TBitmap picture = LoadPictureResource(Expect(v, TFormValueKind::Picture, "a picture").Text);
         static_cast<C&>(t).SetButtons(&picture);
       }},
      {"ButtonIndex", Integer(&C::SetButtonIndex)},
      {"ButtonCount", Integer(&C::SetButtonCount)},
      {"ButtonWidth", Integer(&C::SetButtonWidth)},
      {"ButtonHeight", Integer(&C::SetButtonHeight)},
      {"LeftMargin", Integer(&C::SetLeftMargin)},
      {"TopMargin", Integer(&C::SetTopMargin)},
      {"RightMargin", Integer(&C::SetRightMargin)},
      {"BottomMargin", Integer(&C::SetBottomMargin)},
      {"SplitMode", Enumeration(&C::SetSplitMode, std::vector<std::pair<std::string, TSplitMode>>{
                                                      {"spNone", spNone}, {"spHorizontal", spHorizontal},
                                                      {"spVertical", spVertical}})},
      {"InteriorArea", Enumeration(&C::SetInteriorArea, std::vector<std::pair<std::string, TInteriorArea>>{
                                                            {"iaStretched", iaStretched}, {"iaCentered", iaCentered},
                                                            {"iaTiled", iaTiled}, {"iaHorizontalTiled", iaHorizontalTiled},
                                                            {"iaTopStretch", iaTopStretch},
                                                            {"iaTransparent", iaTransparent}})},
      {"Transparent", Boolean(&C::SetTransparent)},
      {"SkinManager", Reference(&C::SetSkinManager)},
      {"OnBeforeLoadButtons", Handler(&C::OnBeforeLoadButtons)},
      {"OnAfterLoadButtons", Handler(&C::OnAfterLoadButtons)},
  };
  classes.Add(std::move(regioned));

  TComponentClass button{"TRegionedButton", "TRegionedCustomControl",
                         [](TComponent& owner) -> std::unique_ptr<TComponent> {
                           return std::make_unique<TRegionedButton>(&owner);
                         },
                         {}};
  button.Properties = {
      {"Checked", Boolean(&TRegionedButton::SetChecked)},
      {"OnLeftButtonClick", Handler(&TRegionedButton::OnLeftButtonClick)},
  };
  classes.Add(std::move(button));
}

}  // namespace nuvex
