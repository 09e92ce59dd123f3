#pragma once
// TRegionedCustomControl: a windowed control that shows one state image of a
// strip bitmap (Buttons) and takes the shape of that image; the picture, its
// setters and its shape are TStatePictureControl's.
//
// Layout: a layout moves the control back to its saved place, SavedLeft and
// SavedTop: where loading left it, or the place of its skin definition.  A
// control moved in between goes back there.  ButtonIndex stays below
// ButtonCount.
//
// Visibility: the program's wish (SafeVisible) is kept apart from the skin's
// permission (SkinVisible); the control is visible only when both allow it.
#include <cstdint>
#include <string>

#include "base/Event.h"
#include "skin/ButtonProperty.h"
#include "skin/SkinClient.h"
#include "skin/SkinManagerLink.h"
#include "skin/SkinVisibility.h"
#include "skin/StatePictureControl.h"
#include "toolkit/ui/WinControl.h"

namespace nuvex {

// May change the image index (by reference) before a layout is applied.
using TBeforeLoadButtonsEvent = Event<TObject*, int32_t&>;

inline constexpr const char* kRegionedControlRegionError =
    "[TRegionedCustomControl.Resize] Error: GetNewRegion returned 0. Button cannot be transparent";

class TRegionedCustomControl : public TStatePictureControl<TCustomControl>, public TSkinClient {
 public:
  explicit TRegionedCustomControl(TComponent* owner);
  // Withdraws from its skin manager.
  ~TRegionedCustomControl() override = default;
  std::string ClassName() const override { return "TRegionedCustomControl"; }

  // Visible() gives the real visibility.  Writing records the wish in
  // SafeVisible and makes it real only while the skin allows it.
  void SetVisible(bool value) override { visibility_.SetWish(*this, value); }
  bool SafeVisible() const { return visibility_.Wish(); }
  bool SkinVisible() const { return visibility_.Allowed(); }
  // The skin manager clears it when the selected skin has no definition.
  void SetSkinVisible(bool value) { visibility_.SetAllowed(value); }

  TSkinManagerLink* SkinManager() const { return registration_.Manager(); }
  void SetSkinManager(TSkinManagerLink* value);
  std::string ControlName() const override { return TStatePictureControl::ControlName(); }

  // Takes over one skin definition from the skin manager.
  void ApplySkin(const TButtonProperty& property) override;
  // A skin change hides the control plainly and then shows it as its wish
  // and the skin allow; a skin without its definition keeps it hidden.
  void HideForSkinChange() override { Hide(); }
  void ShowAfterSkinChange() override { SetVisible(SafeVisible()); }
  void SkinDefinitionMissing() override { SetSkinVisible(false); }

  TBeforeLoadButtonsEvent OnBeforeLoadButtons;
  TNotifyEvent OnAfterLoadButtons;

 protected:
  virtual void DoBeforeLoadButtons(int32_t& index);
  virtual void DoAfterLoadButtons();

  // Lays the control out once loading is over.
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TSkinVisibility visibility_;
  TSkinRegistration registration_{*this};
};

}  // namespace nuvex
