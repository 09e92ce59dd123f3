#pragma once
// What the skin manager does with a skinned component while the skin
// changes.  Regioned controls, skin labels and regioned forms answer it; the
// manager needs nothing else of them, so it never asks which kind it holds.
#include <string>

#include "skin/ButtonProperty.h"

namespace nuvex {

class TSkinClient {
 public:
  // The name the skin keeps the definition under ("PlayerControl.rbPlay");
  // empty when the component can never be skinned.
  virtual std::string ControlName() const = 0;
  // Takes over one definition of the selected skin.
  virtual void ApplySkin(const TButtonProperty& definition) = 0;

  // Forms are hidden before the controls and shown after them.
  virtual bool SkinnedAsForm() const { return false; }
  // Hidden while the skin changes.  A control's wish (SafeVisible) stays.
  virtual void HideForSkinChange() = 0;
  // Shown again: a control as its wish and the skin allow, a form always.
  virtual void ShowAfterSkinChange() = 0;
  // The selected skin file has no complete definition: a control stays
  // hidden until a skin defines it; a form is left as it is.
  virtual void SkinDefinitionMissing() = 0;

 protected:
  ~TSkinClient() = default;
};

}  // namespace nuvex
