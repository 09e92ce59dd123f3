#pragma once
// TCustomRegionedForm: a top-level form that shows one state image of a
// strip bitmap and takes its shape, as the regioned control does for a child
// window; the picture, its setters and its shape are TStatePictureControl's.
// A form stays where it is: a layout changes only its size.  ButtonIndex may
// equal ButtonCount, which shows the plain Color, and an empty picture
// buffer paints as Color.
//
// Creation has two steps, because the skin values of a form are its own and
// never those its description wrote: the form is made and its description
// read (CreateRegionedForm, or a subclass's constructor), then
// AfterConstruction() gives the skin fields their initial values and applies
// the first TRegionedFormSkinData among the form's components.
//
// TRegionedForm is the form class the skin manager serves.
// TRegionedFormSkinData is a non-visual component that carries a form's
// design-time skin values; it refuses any owner that is not a regioned form.
#include <cstdint>
#include <memory>
#include <string>

#include "skin/ButtonProperty.h"
#include "skin/SkinClient.h"
#include "skin/SkinManagerLink.h"
#include "skin/StatePictureControl.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/ui/Form.h"
#include "toolkit/ui/FormReader.h"

namespace nuvex {

inline constexpr const char* kRegionedFormRegionError =
    "[TCustomRegionedForm.Resize] Error: GetNewRegion returned 0. Button cannot be transparent";

class TRegionedFormSkinData;

class TCustomRegionedForm : public TStatePictureControl<TForm> {
 public:
  explicit TCustomRegionedForm(TComponent* owner);
  ~TCustomRegionedForm() override = default;  // withdraws from the manager it registered with
  std::string ClassName() const override { return "TCustomRegionedForm"; }

  // The second step of creation (see above); once, after the description.
  void AfterConstruction();

  // Kept and rebuilds the shape, which is always cut by the key colour.
  TColor TransparentColor() const { return transparentColor_; }
  void SetTransparentColor(TColor value);

  // The manager the form named; registering does not skin the form.  With
  // none the strip goes and no image is chosen.
  TSkinManagerLink* SkinManager() const { return skinManager_; }
  void SetSkinManager(TSkinManagerLink* value);

  // Takes over the form's definition of a skin: picture and layout, never
  // the position, visibility or transparency.
  void ApplySkin(const TButtonProperty& property);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend void ApplyFormSkinData(TRegionedFormSkinData& data);
  void ResetSkinFields();

  TColor transparentColor_ = 0;
  TSkinManagerLink* skinManager_ = nullptr;
  // The manager registered with, which the form withdraws from; it outlives
  // the SkinManager field, which creation clears.
  TSkinRegistration registration_{*this};
};

class TRegionedForm : public TCustomRegionedForm, public TSkinClient {
 public:
  explicit TRegionedForm(TComponent* owner) : TCustomRegionedForm(owner) {}
  std::string ClassName() const override { return "TRegionedForm"; }

  std::string ControlName() const override { return TCustomRegionedForm::ControlName(); }
  void ApplySkin(const TButtonProperty& property) override { TCustomRegionedForm::ApplySkin(property); }
  // Around a skin change the form is hidden first and shown last, whether
  // or not it was visible before.
  bool SkinnedAsForm() const override { return true; }
  void HideForSkinChange() override { SetVisible(false); }
  void ShowAfterSkinChange() override { SetVisible(true); }
  void SkinDefinitionMissing() override {}
};

// Makes a regioned form of class F, reads its stored description (the
// program's resource called name) and completes its creation.
template <typename F>
std::unique_ptr<F> CreateRegionedForm(TComponent* owner, const std::string& name, const TClassRegistry& classes,
                                      const THandlerTable& handlers) {
  std::unique_ptr<F> form = CreateFormFromResource<F>(owner, name, classes, handlers);
  form->AfterConstruction();
  return form;
}

inline constexpr const char* kSkinDataOwnerError = "TRegionedFormSkinData do not accept ";

class TRegionedFormSkinData : public TComponent {
 public:
  // Error("TRegionedFormSkinData do not accept \"<owner's class>\" ClassName")
  // when the owner is not a regioned form.
  explicit TRegionedFormSkinData(TComponent* owner);
  std::string ClassName() const override { return "TRegionedFormSkinData"; }

  TCustomRegionedForm* Form() const { return form_; }

  const TBitmap& Buttons() const { return buttons_; }
  // Copies the picture; nullptr empties the strip.
  void SetButtons(const TBitmap* value);
  TStateImage Image;  // index, count, margins, size and modes, as the form has them
  bool Transparent = true;
  TColor Color = clWhite;

 private:
  TCustomRegionedForm* form_;
  TBitmap buttons_;
};

// Gives the skin data's values to its form all at once, then lays the form
// out once.  The data's ButtonIndex is never taken: a form starts at its
// first image.  Nothing without a form.
void ApplyFormSkinData(TRegionedFormSkinData& data);

}  // namespace nuvex
