#include "skin/SkinClasses.h"

#include "skin/RegionedButton.h"
#include "skin/RegionedForm.h"
#include "skin/SkinLabel.h"
#include "skin/SkinManager.h"
#include "toolkit/resources/FormResources.h"
#include "toolkit/ui/ClassTable.h"

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

// A skin value of the regioned control and form (C) and the field of the
// form's skin data it stands for, read by read: the control and the form take
// it through their setter, the skin data keeps it as written.
struct ThroughSetter {
  template <typename C, typename Arg, typename Field, typename Read>
  TPropertySetter operator()(void (C::*setter)(Arg), Field TStateImage::*, Read read) const {
    return [setter, read](TComponent& t, const TFormValue& v, TFormReading&) {
      (static_cast<C&>(t).*setter)(static_cast<Arg>(read(v)));
    };
  }
};

struct IntoSkinData {
  template <typename Setter, typename Field, typename Read>
  TPropertySetter operator()(Setter, Field TStateImage::*field, Read read) const {
    return [field, read](TComponent& t, const TFormValue& v, TFormReading&) {
      static_cast<TRegionedFormSkinData&>(t).Image.*field = static_cast<Field>(read(v));
    };
  }
};

// The state image's values as a description writes them, listed once for the
// regioned control, the regioned form and the form's skin data.
template <typename C, typename Bind>
std::map<std::string, TPropertySetter> StateImageValues(Bind bind) {
  const auto splitMode = [](const TFormValue& v) { return NamedValue(v, SplitModeNames()); };
  const auto interiorArea = [](const TFormValue& v) { return NamedValue(v, InteriorAreaNames()); };
  return {
      {"ButtonIndex", bind(&C::SetButtonIndex, &TStateImage::ButtonIndex, IntegerValue)},
      {"ButtonCount", bind(&C::SetButtonCount, &TStateImage::ButtonCount, IntegerValue)},
      {"ButtonWidth", bind(&C::SetButtonWidth, &TStateImage::ButtonWidth, IntegerValue)},
      {"ButtonHeight", bind(&C::SetButtonHeight, &TStateImage::ButtonHeight, IntegerValue)},
      {"LeftMargin", bind(&C::SetLeftMargin, &TStateImage::LeftMargin, IntegerValue)},
      {"TopMargin", bind(&C::SetTopMargin, &TStateImage::TopMargin, IntegerValue)},
      {"RightMargin", bind(&C::SetRightMargin, &TStateImage::RightMargin, IntegerValue)},
      {"BottomMargin", bind(&C::SetBottomMargin, &TStateImage::BottomMargin, IntegerValue)},
      {"SplitMode", bind(&C::SetSplitMode, &TStateImage::SplitMode, splitMode)},
      {"InteriorArea", bind(&C::SetInteriorArea, &TStateImage::InteriorArea, interiorArea)},
  };
}

// The published skin values of the regioned control and form.
template <typename C>
std::map<std::string, TPropertySetter> StateImageProperties() {
  std::map<std::string, TPropertySetter> properties = StateImageValues<C>(ThroughSetter{});
  properties.insert({
      {"Buttons", PictureCopy(&C::SetButtons)},
      {"Transparent", Boolean(&C::SetTransparent)},
      {"SkinManager", Reference(&C::SetSkinManager)},
  });
  return properties;
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

  classes.Add({"TRegionedButton", "TRegionedCustomControl", Maker<TRegionedButton>(),
               {{"Checked", Boolean(&TRegionedButton::SetChecked)},
                {"OnLeftButtonClick", Handler(&TRegionedButton::OnLeftButtonClick)}}});

  // Forms are made by the program, not by a description: no maker.
  using F = TCustomRegionedForm;
  TComponentClass form{"TCustomRegionedForm", "TForm", nullptr, StateImageProperties<F>()};
  form.Properties.insert({"TransparentColor", Colour(&F::SetTransparentColor)});
  classes.Add(std::move(form));
  classes.Add({"TRegionedForm", "TCustomRegionedForm", nullptr, {}});

  using D = TRegionedFormSkinData;
  // The skin data names the control's setters only to share its list.
  TComponentClass data{"TRegionedFormSkinData", "", Maker<D>(), StateImageValues<C>(IntoSkinData{})};
  data.Properties.insert({
      {"Buttons", PictureCopy(&D::SetButtons)},
      {"Transparent", [](TComponent& t, const TFormValue& v, TFormReading&) {
         static_cast<D&>(t).Transparent = BooleanValue(v);
       }},
      {"Color", [](TComponent& t, const TFormValue& v, TFormReading&) { static_cast<D&>(t).Color = ColorValue(v); }},
  });
  classes.Add(std::move(data));

  classes.Add({"TSkinManager", "", Maker<TSkinManager>(),
               {{"SkinIndex", Integer(&TSkinManager::SetSkinIndex)}, {"SkinName", Text(&TSkinManager::SetSkinName)}}});

  classes.Add({"TSkinLabel", "TLabel", Maker<TSkinLabel>(),
               {{"LinkLabel", Reference(&TSkinLabel::SetLinkLabel)},
                {"LinkSkinManager", Reference(&TSkinLabel::SetLinkSkinManager)}}});
}

}  // namespace nuvex
