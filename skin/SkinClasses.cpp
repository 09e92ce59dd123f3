#include "skin/SkinClasses.h"

#include "skin/RegionedButton.h"
#include "skin/RegionedForm.h"
#include "skin/SkinLabel.h"
#include "skin/SkinManager.h"
#include "toolkit/resources/FormResources.h"

namespace nuvex {
namespace {

using namespace property;

std::vector<std::pair<std::string, TSplitMode>> SplitModeNames() {
  return {{"spNone", spNone}, {"spHorizontal", spHorizontal}, {"spVertical", spVertical}};
}

std::vector<std::pair<std::string, TInteriorArea>> InteriorAreaNames() {
  return {{"iaStretched", iaStretched}, {"iaCentered", iaCentered},
          {"iaTiled", iaTiled},         {"iaHorizontalTiled", iaHorizontalTiled},
          {"iaTopStretch", iaTopStretch}, {"iaTransparent", iaTransparent}};
}

// A picture property whose setter copies the picture it is handed.
template <typename C>
TPropertySetter PictureCopy(void (C::*setter)(const TBitmap*)) {
  return [setter](TComponent& t, const TFormValue& v, TFormReading&) {
    const TBitmap picture = LoadPictureResource(Expect(v, TFormValueKind::Picture, "a picture").Text);
    (static_cast<C&>(t).*setter)(&picture);
  };
}

// The published skin values shared by the regioned control and form.
template <typename C>
std::map<std::string, TPropertySetter> StateImageProperties() {
  return {
      {"Buttons", PictureCopy(&C::SetButtons)},
      {"ButtonIndex", Integer(&C::SetButtonIndex)},
      {"ButtonCount", Integer(&C::SetButtonCount)},
      {"ButtonWidth", Integer(&C::SetButtonWidth)},
      {"ButtonHeight", Integer(&C::SetButtonHeight)},
      {"LeftMargin", Integer(&C::SetLeftMargin)},
      {"TopMargin", Integer(&C::SetTopMargin)},
      {"RightMargin", Integer(&C::SetRightMargin)},
      {"BottomMargin", Integer(&C::SetBottomMargin)},
      {"SplitMode", Enumeration(&C::SetSplitMode, SplitModeNames())},
      {"InteriorArea", Enumeration(&C::SetInteriorArea, InteriorAreaNames())},
      {"Transparent", Boolean(&C::SetTransparent)},
      {"SkinManager", Reference(&C::SetSkinManager)},
  };
}

template <typename T>
std::function<std::unique_ptr<TComponent>(TComponent&)> Maker() {
  return [](TComponent& owner) -> std::unique_ptr<TComponent> { return std::make_unique<T>(&owner); };
}

// A field of the skin data component: stored, nothing else.
template <typename Field, typename Read>
TPropertySetter DataField(Field TStateImage::*field, Read read) {
  return [field, read](TComponent& t, const TFormValue& v, TFormReading&) {
    static_cast<TRegionedFormSkinData&>(t).Image.*field = static_cast<Field>(read(v));
  };
}

template <typename E>
auto NamedValue(std::vector<std::pair<std::string, E>> names) {
  return [names = std::move(names)](const TFormValue& v) {
    const std::string& name = Expect(v, TFormValueKind::Name, "a name").Text;
    for (const auto& [text, value] : names)
      if (SameTextAscii(text, name)) return value;
    throw Error("unknown value " + name);
  };
}

}  // namespace

void AddSkinClasses(TClassRegistry& classes) {
  using C = TRegionedCustomControl;
  TComponentClass regioned{"TRegionedCustomControl", "TCustomControl", Maker<C>(), StateImageProperties<C>()};
  regioned.Properties.insert({
      {"OnBeforeLoadButtons", Handler(&C::OnBeforeLoadButtons)},
      {"OnAfterLoadButtons", Handler(&C::OnAfterLoadButtons)},
  });
  classes.Add(std::move(regioned));

  TComponentClass button{"TRegionedButton", "TRegionedCustomControl", Maker<TRegionedButton>(), {}};
  button.Properties = {
      {"Checked", Boolean(&TRegionedButton::SetChecked)},
      {"OnLeftButtonClick", Handler(&TRegionedButton::OnLeftButtonClick)},
  };
  classes.Add(std::move(button));

  // Forms are made by the program, not by a description: no maker.
  using F = TCustomRegionedForm;
  TComponentClass form{"TCustomRegionedForm", "TForm", nullptr, StateImageProperties<F>()};
  form.Properties.insert({"TransparentColor", Colour(&F::SetTransparentColor)});
  classes.Add(std::move(form));
  classes.Add({"TRegionedForm", "TCustomRegionedForm", nullptr, {}});

  using D = TRegionedFormSkinData;
  TComponentClass data{"TRegionedFormSkinData", "", Maker<D>(), {}};
  data.Properties = {
      {"Buttons", PictureCopy(&D::SetButtons)},
      {"ButtonIndex", DataField(&TStateImage::ButtonIndex, IntegerValue)},
      {"ButtonCount", DataField(&TStateImage::ButtonCount, IntegerValue)},
      {"ButtonWidth", DataField(&TStateImage::ButtonWidth, IntegerValue)},
      {"ButtonHeight", DataField(&TStateImage::ButtonHeight, IntegerValue)},
      {"LeftMargin", DataField(&TStateImage::LeftMargin, IntegerValue)},
      {"TopMargin", DataField(&TStateImage::TopMargin, IntegerValue)},
      {"RightMargin", DataField(&TStateImage::RightMargin, IntegerValue)},
      {"BottomMargin", DataField(&TStateImage::BottomMargin, IntegerValue)},
      {"SplitMode", DataField(&TStateImage::SplitMode, NamedValue(SplitModeNames()))},
      {"InteriorArea", DataField(&TStateImage::InteriorArea, NamedValue(InteriorAreaNames()))},
      {"Transparent", [](TComponent& t, const TFormValue& v, TFormReading&) {
         static_cast<D&>(t).Transparent = BooleanValue(v);
       }},
      {"Color", [](TComponent& t, const TFormValue& v, TFormReading&) { static_cast<D&>(t).Color = ColorValue(v); }},
  };
  classes.Add(std::move(data));

  TComponentClass manager{"TSkinManager", "", Maker<TSkinManager>(), {}};
  manager.Properties = {
      {"SkinIndex", Integer(&TSkinManager::SetSkinIndex)},
      {"SkinName", Text(&TSkinManager::SetSkinName)},
  };
  classes.Add(std::move(manager));

  TComponentClass label{"TSkinLabel", "TLabel", Maker<TSkinLabel>(), {}};
  label.Properties = {
      {"LinkLabel", Reference(&TSkinLabel::SetLinkLabel)},
      {"LinkSkinManager", Reference(&TSkinLabel::SetLinkSkinManager)},
  };
  classes.Add(std::move(label));
}

}  // namespace nuvex
