#pragma once
// TCustomRegionedForm: a top-level form that shows one state image of a
// strip bitmap and takes its shape, as the regioned control does for a child
// window.  The image is rendered into a picture buffer at ButtonWidth x
// ButtonHeight, painting copies the buffer, and the window's region is built
// from it.  A form stays where it is: a layout changes only its size.
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
#include "skin/StateImage.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/ui/Form.h"
#include "toolkit/ui/FormReader.h"

namespace nuvex {

inline constexpr const char* kRegionedFormRegionError =
    "[TCustomRegionedForm.Resize] Error: GetNewRegion returned 0. Button cannot be transparent";

class TRegionedFormSkinData;

class TCustomRegionedForm : public TForm {
 public:
  explicit TCustomRegionedForm(TComponent* owner);
  ~TCustomRegionedForm() override = default;  // withdraws from the manager it registered with
  std::string ClassName() const override { return "TCustomRegionedForm"; }

  // The second step of creation (see above); once, after the description.
  void AfterConstruction();

  // The strip; nullptr while it is missing (after the skin manager was unlinked).
  const TBitmap* Buttons() const { return buttons_.get(); }
  // nullptr is ignored; any picture is copied in and laid out.
  void SetButtons(const TBitmap* value);
  int32_t ButtonIndex() const { return image_.ButtonIndex; }
  // Accepted for 0 <= value <= ButtonCount; the count itself shows the plain Color.
  void SetButtonIndex(int32_t value);
  int32_t ButtonCount() const { return image_.ButtonCount; }
  void SetButtonCount(int32_t value);
  int32_t ButtonWidth() const { return image_.ButtonWidth; }
  void SetButtonWidth(int32_t value);
  int32_t ButtonHeight() const { return image_.ButtonHeight; }
  void SetButtonHeight(int32_t value);
  int32_t LeftMargin() const { return image_.LeftMargin; }
  void SetLeftMargin(int32_t value);
  int32_t TopMargin() const { return image_.TopMargin; }
  void SetTopMargin(int32_t value);
  int32_t RightMargin() const { return image_.RightMargin; }
  void SetRightMargin(int32_t value);
  int32_t BottomMargin() const { return image_.BottomMargin; }
  void SetBottomMargin(int32_t value);
  TSplitMode SplitMode() const { return image_.SplitMode; }
  void SetSplitMode(TSplitMode value);
  TInteriorArea InteriorArea() const { return image_.InteriorArea; }
  void SetInteriorArea(TInteriorArea value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  // Kept and rebuilds the shape, which is always cut by the key colour.
  TColor TransparentColor() const { return transparentColor_; }
  void SetTransparentColor(TColor value);
  // The fill of the picture when no image can be shown.
  TColor Color() const override { return fillColor_; }
  void SetColor(TColor value) override;

  // The manager the form named; registering does not skin the form.  With
  // none the strip goes and no image is chosen.
  TSkinManagerLink* SkinManager() const { return skinManager_; }
  void SetSkinManager(TSkinManagerLink* value);
  // "<parent name>.<name>", or the name alone (the usual case for a form).
  std::string ControlName() const;

  const TBitmap& RenderedImage() const { return renderedImage_; }
  int32_t SavedLeft() const { return savedLeft_; }
  int32_t SavedTop() const { return savedTop_; }

  // Takes over the form's definition of a skin: picture and layout, never
  // the position, visibility or transparency.
  void ApplySkin(const TButtonProperty& property);

 protected:
  void RenderImage();
  void UpdateRegion();
  void UpdateButtons();

  void Loaded() override;
  void Paint() override;
  void Resize() override;
  void EraseBackground(TBitmap& surface) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void ResetSkinFields();

  std::unique_ptr<TBitmap> buttons_;
  TStateImage image_;
  TBitmap renderedImage_;
  int32_t savedLeft_ = 0;
  int32_t savedTop_ = 0;
  bool transparent_ = true;
  TColor fillColor_ = clWhite;
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
  // when the owner is not a regioned form (outside a designer).
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

// Copies the skin data's values into its form through the form's setters:
// the margins, the modes, transparency, colour, size, index, count and, last,
// the strip, which lays the form out.  Nothing without a form.
void ApplyFormSkinData(TRegionedFormSkinData& data);

}  // namespace nuvex
