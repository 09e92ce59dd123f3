#pragma once
// TRegionedButton: a regioned control whose image follows the mouse and its
// enabled and checked state.  The strip holds the images in the order
// pressed, normal, mouse-over, disabled.
//
// State, by precedence: disabled; checked (pressed); pressed with the
// pointer inside (pressed) or outside (mouse-over); pointer inside
// (mouse-over); else normal.  A change of state picks the image
// StateToButtonIndex gives; an index outside the strip leaves the picture.
//
// OnClick (the library's click) fires before the release is handled here, so
// its handler still sees the pressed image; OnLeftButtonClick fires on every
// left release with the pointer inside, so a double click fires OnClick once
// and OnLeftButtonClick twice.
//
// A drag of the button (DragMode, BeginDrag) that starts ends its press: the
// button shows its normal image while dragged, the drag takes the release
// (no OnLeftButtonClick), and the pointer's next visit shows mouse-over again.
#include <cstdint>

#include "skin/RegionedControl.h"

namespace nuvex {

enum TRegionedButtonState : uint8_t {
  rbsNormal = 0,
  rbsMouseOver = 1,
  rbsPressed = 2,
  rbsDisabled = 3,
  rbsExtra1 = 4,
  rbsExtra2 = 5,
  rbsExtra3 = 6,
};

// The strip image of a state for a strip of buttonCount images.
int32_t StateToButtonIndex(TRegionedButtonState state, int32_t buttonCount);

class TRegionedButton : public TRegionedCustomControl {
 public:
  explicit TRegionedButton(TComponent* owner);
  std::string ClassName() const override { return "TRegionedButton"; }

  TRegionedButtonState State() const { return state_; }
  bool Pressed() const { return pressed_; }
  bool MouseInside() const { return mouseInside_; }
  // Enabled() is the control's; a change clears Pressed and MouseInside
  // when the button is enabled again.
  void SetEnabled(bool value) override;
  bool Checked() const { return checked_; }
  void SetChecked(bool value);

  TNotifyEvent OnLeftButtonClick;

 protected:
  void CreateParams(TWindowParams& params) override;
  // Takes the image of the current state; OnBeforeLoadButtons never fires.
  void DoBeforeLoadButtons(int32_t& index) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void DoStartDrag() override;

  void SetPressed(bool value);
  void SetMouseInside(bool value);
  void UpdateState();

 private:
  TRegionedButtonState state_ = rbsNormal;
  bool pressed_ = false;
  bool mouseInside_ = false;
  bool checked_ = false;
};

}  // namespace nuvex
