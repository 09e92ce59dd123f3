#pragma once
// The window system's own controls: an edit box and a push button.  They
// paint themselves; their notifications come back through Command.
#include <string>

#include "toolkit/ui/Form.h"
#include "toolkit/ui/WinControl.h"

namespace nuvex {

// The window system's notification codes for these controls.
inline constexpr int kButtonClicked = 0;  // BN_CLICKED
inline constexpr int kEditChanged = 0x300;  // EN_CHANGE

class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* owner);
  std::string ClassName() const override { return "TButton"; }

  // Set on the button's form when the button is clicked (mrNone: nothing).
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) { modalResult_ = value; }

 protected:
  void CreateParams(TWindowParams& params) override;
  void Command(int notifyCode) override;
  void Click() override;

 private:
  TModalResult modalResult_ = mrNone;
};

class TEdit : public TWinControl {
 public:
  explicit TEdit(TComponent* owner);
  std::string ClassName() const override { return "TEdit"; }

  // The contents (the window's own text once the window exists).
  std::string Text() const { return Caption(); }
  void SetText(const std::string& value) { SetCaption(value); }
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TWindowParams& params) override;
  void Command(int notifyCode) override;
};

}  // namespace nuvex
