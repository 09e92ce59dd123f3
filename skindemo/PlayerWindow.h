#pragma once
// The player's window of the skin demo: the "PlayerControl" form read from
// its stored description, a regioned form whose buttons, sliders,
// indicators and labels follow the skin its manager selects.  The window
// starts in the base skin; keys step through the skins of the skins folder
// beside the program, and the window's title names the skin shown.
//
//   N or Right  the next skin      P or Left  the previous skin
//   B           the base skin      Escape     closes the window
//
// Stepping runs through the base skin and the listed skins as one ring:
// base, the first listed skin, ..., the last, base again.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/Files.h"
#include "skin/RegionedForm.h"
#include "skin/SkinManager.h"
#include "toolkit/ui/Events.h"

namespace nuvex {

// The window system's numbers of the keys the window answers.
inline constexpr uint16_t kPlayerKeyLeft = 37;
inline constexpr uint16_t kPlayerKeyRight = 39;
inline constexpr uint16_t kPlayerKeyBase = 'B';
inline constexpr uint16_t kPlayerKeyNext = 'N';
inline constexpr uint16_t kPlayerKeyPrevious = 'P';

// The skin index one step (+1 or -1) from current in the ring of the base
// skin (-1) and skinCount listed skins; nothing selected yet (-2) counts as
// the base skin.
int32_t SteppedSkinIndex(int32_t current, int skinCount, int step);

// The window's title for a skin name.
std::string PlayerWindowTitle(const std::string& skinName);

class TPlayerWindow {
 public:
  // The skins are those of the Skins folder in programFolder (ending with
  // "\"): the running program's folder unless a test says otherwise.
  explicit TPlayerWindow(std::string programFolder = ProgramFolder());
  TPlayerWindow(const TPlayerWindow&) = delete;
  TPlayerWindow& operator=(const TPlayerWindow&) = delete;

  TRegionedForm& Form() const { return *form_; }
  TSkinManager& SkinManager() const { return *manager_; }

  // Shows the skin of this index (-1 the base skin); an index the manager
  // refuses changes nothing.  The title follows, and the window is shown
  // even when the skin's change fails with an error (which passes on).
  void SelectSkin(int32_t index);
  void StepSkin(int step) { SelectSkin(SteppedSkinIndex(manager_->SkinIndex(), manager_->SkinCount(), step)); }

 private:
  void FormKeyUp(TObject* sender, uint16_t& key, TShiftState shift);

  std::unique_ptr<TRegionedForm> form_;
  TSkinManager* manager_ = nullptr;
};

}  // namespace nuvex
