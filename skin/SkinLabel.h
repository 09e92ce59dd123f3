#pragma once
// TSkinLabel: a transparent text label whose position, size limits, font and
// visibility a skin sets.  It joins a skin manager by LinkSkinManager and
// takes over the label definitions of the skins the manager selects.
//
// Visibility follows the rule of every skinned control (TSkinVisibility):
// the program's wish (SafeVisible) apart from the skin's permission
// (SkinVisible).  The limits
// a skin sets (MaxWidth, MaxHeight; 0 for none) bound every later size,
// auto-sizing to a longer text included.
#include <cstdint>
#include <string>

#include "skin/ButtonProperty.h"
#include "skin/SkinClient.h"
#include "skin/SkinManagerLink.h"
#include "skin/SkinVisibility.h"
#include "toolkit/ui/Label.h"

namespace nuvex {

class TSkinLabel : public TLabel, public TSkinClient {
 public:
  explicit TSkinLabel(TComponent* owner);
  ~TSkinLabel() override = default;  // withdraws from its manager
  std::string ClassName() const override { return "TSkinLabel"; }

  // "<owner name>.<name>" ("PlayerControl.slTime"); empty without an owner,
  // and such a label is never skinned.
  std::string ControlName() const override;

  // Kept only; a label that is destroyed is forgotten.
  TLabel* LinkLabel() const { return linkLabel_; }
  void SetLinkLabel(TLabel* value);
  TSkinManagerLink* LinkSkinManager() const { return registration_.Manager(); }
  // Registers with the manager (once); another manager is withdrawn from.
  void SetLinkSkinManager(TSkinManagerLink* value);

  // Visible() gives the real visibility.  Writing records the wish in
  // SafeVisible and makes it real only while the skin allows it.
  void SetVisible(bool value) override { visibility_.SetWish(*this, value); }
  bool SafeVisible() const { return visibility_.Wish(); }
  bool SkinVisible() const { return visibility_.Allowed(); }
  void SetSkinVisible(bool value) { visibility_.SetAllowed(value); }
  int32_t MaxWidth() const { return maxWidth_; }
  int32_t MaxHeight() const { return maxHeight_; }

  // A width or height beyond a limit is cut to it.
  void SetBounds(int left, int top, int width, int height) override;

  void ApplySkin(const TButtonProperty& definition) override;
  void HideForSkinChange() override { Hide(); }
  void ShowAfterSkinChange() override { SetVisible(SafeVisible()); }
  void SkinDefinitionMissing() override { SetSkinVisible(false); }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TLabel* linkLabel_ = nullptr;
  TSkinVisibility visibility_;
  int32_t maxWidth_ = 0;
  int32_t maxHeight_ = 0;
  TSkinRegistration registration_{*this};
};

}  // namespace nuvex
