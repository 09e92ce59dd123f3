#include "skin/RegionedButton.h"

#include "base/AssignIfChanged.h"

namespace nuvex {

int32_t StateToButtonIndex(TRegionedButtonState state, int32_t buttonCount) {
  // The strip order is pressed, normal, mouse-over, disabled.
  if (buttonCount <= 1) return 1;
  switch (state) {
    case rbsMouseOver: return buttonCount >= 3 ? 2 : 0;
    case rbsPressed: return 0;
    case rbsDisabled: return buttonCount == 4 ? 3 : 1;
    default: return 1;
  }
}

TRegionedButton::TRegionedButton(TComponent* owner) : TRegionedCustomControl(owner) {
  TRegionedCustomControl::SetEnabled(true);
  UpdateState();
  SetBounds(0, 0, 20, 20);
}

void TRegionedButton::CreateParams(TWindowParams& params) { TRegionedCustomControl::CreateParams(params); }

void TRegionedButton::SetEnabled(bool value) {
  if (value == Enabled()) return;
  if (value) {
    pressed_ = false;
    mouseInside_ = false;
  }
  TRegionedCustomControl::SetEnabled(value);
  UpdateState();
  Invalidate();
}

void TRegionedButton::SetChecked(bool value) {
  if (AssignIfChanged(checked_, value)) UpdateState();
}

void TRegionedButton::SetPressed(bool value) {
  if (AssignIfChanged(pressed_, value)) UpdateState();
}

void TRegionedButton::SetMouseInside(bool value) {
  if (AssignIfChanged(mouseInside_, value)) UpdateState();
}

void TRegionedButton::UpdateState() {
  TRegionedButtonState next;
  if (!Enabled()) {
    next = rbsDisabled;
  } else if (checked_) {
    next = rbsPressed;
  } else if (pressed_) {
    next = mouseInside_ ? rbsPressed : rbsMouseOver;
  } else {
    next = mouseInside_ ? rbsMouseOver : rbsNormal;
  }
  if (next == state_) return;
  state_ = next;
  SetButtonIndex(StateToButtonIndex(state_, ButtonCount()));
}

void TRegionedButton::DoBeforeLoadButtons(int32_t& index) { index = StateToButtonIndex(state_, ButtonCount()); }

void TRegionedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TRegionedCustomControl::MouseDown(button, shift, x, y);
  mouseInside_ = true;
  SetPressed((shift & ssLeft) != 0);
}

void TRegionedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TRegionedCustomControl::MouseUp(button, shift, x, y);
  SetPressed(false);
  if (mouseInside_ && button == mbLeft) OnLeftButtonClick(this);
}

void TRegionedButton::MouseMove(TShiftState shift, int x, int y) {
  TRegionedCustomControl::MouseMove(shift, x, y);
  SetPressed(pressed_ && (shift & ssLeft) != 0);
  SetMouseInside(x >= 0 && y >= 0 && x < Width() && y < Height());
}

void TRegionedButton::DoStartDrag() {
  // The drag owns the mouse from now on: no move or release reaches the
  // button until it ends, so nothing else would clear the press.
  pressed_ = false;
  mouseInside_ = false;
  UpdateState();
  TRegionedCustomControl::DoStartDrag();
}

void TRegionedButton::MouseEnter() {
  TRegionedCustomControl::MouseEnter();
  SetMouseInside(true);
}

void TRegionedButton::MouseLeave() {
  TRegionedCustomControl::MouseLeave();
  SetMouseInside(false);
}

}  // namespace nuvex
