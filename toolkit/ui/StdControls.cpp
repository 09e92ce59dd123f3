#include "toolkit/ui/StdControls.h"

#include "toolkit/ui/NativeStyles.h"

namespace nuvex {

using namespace native_style;

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  // The native button tracks its own presses; its click arrives as a notification.
  SetControlStyle(0);
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
}

void TButton::CreateParams(TWindowParams& params) {
  TWinControl::CreateParams(params);
  params.NativeClass = "BUTTON";
  params.NativeStyle = kPushButton;
}

void TButton::Command(int notifyCode) {
  if (notifyCode == kButtonClicked) Click();
}

void TButton::Click() {
  // The form hears the result first, so that a handler may still change it.
  if (modalResult_ != mrNone) {
    if (TForm* form = ParentForm(*this)) form->SetModalResult(modalResult_);
  }
  TWinControl::Click();
}

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 21);
  SetTabStop(true);
  SetColor(clWindow);
}

void TEdit::CreateParams(TWindowParams& params) {
  TWinControl::CreateParams(params);
  params.NativeClass = "EDIT";
  params.NativeStyle = kEditAutoScroll | kBorder;
}

void TEdit::Command(int notifyCode) {
  if (notifyCode == kEditChanged) OnChange(this);
}

}  // namespace nuvex
