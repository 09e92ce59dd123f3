#pragma once
// The visibility rule of every skinned control, regioned controls and skin
// labels alike: the program's wish (SafeVisible) is kept apart from the
// skin's permission (SkinVisible), and the control is visible only when both
// allow it, so a skin that hides a control never loses what the program
// wanted once another skin shows it again.
#include "toolkit/ui/Control.h"

namespace nuvex {

class TSkinVisibility {
 public:
  explicit TSkinVisibility(bool visible) : wish_(visible), allowed_(visible) {}

  bool Wish() const { return wish_; }
  bool Allowed() const { return allowed_; }
  // Changes nothing on screen: the skin manager shows the control afterwards.
  void SetAllowed(bool value) { allowed_ = value; }

  // The program's SetVisible: records the wish and makes it real only while
  // the skin allows it.
  void SetWish(TControl& control, bool value) {
    wish_ = value;
    if (allowed_) ShowOrHide(control, value);
  }
  // A definition that speaks for both the skin and the program: the control
  // shows or hides at once, since the wish alone could not hide it.
  void Define(TControl& control, bool value) {
    wish_ = value;
    allowed_ = value;
    ShowOrHide(control, value);
  }

 private:
  static void ShowOrHide(TControl& control, bool value) {
    if (value) {
      control.Show();
    } else {
      control.Hide();
    }
  }

  bool wish_;
  bool allowed_;
};

}  // namespace nuvex
