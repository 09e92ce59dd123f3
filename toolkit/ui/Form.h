#pragma once
// TForm: a top-level window.  Its border style picks the window's kind; with
// poScreenCenter it is centred on the screen whenever it is shown.
// ShowModal disables the program's other forms, shows this one and runs a
// modal loop until ModalResult is set (a button with a ModalResult sets it;
// the title bar's close box and Close set mrCancel), then hides the form,
// enables the others again and returns the result.
#include <string>

#include "toolkit/ui/WinControl.h"

namespace nuvex {

enum TFormBorderStyle : uint8_t { bsNone, bsSingle, bsSizeable, bsDialog };
enum TPosition : uint8_t { poDesigned, poScreenCenter };

using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;

class TForm : public TCustomControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;
  std::string ClassName() const override { return "TForm"; }

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  // Takes effect when the window is made next (set it before the form is shown).
  void SetBorderStyle(TFormBorderStyle value) { borderStyle_ = value; }
  TPosition Position() const { return position_; }
  void SetPosition(TPosition value) { position_ = value; }

  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) { modalResult_ = value; }
  bool Modal() const { return modal_; }
  TModalResult ShowModal();
  // A modal form ends its loop with mrCancel; another one hides, and the
  // application's main form ends the message loop as well.
  void Close();

  // Runs OnCreate; the reader's caller calls it once the description is read.
  void DoCreate();
  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;

 protected:
  TWindowKind WindowKind() const override;
  void CloseRequested() override { Close(); }
  void VisibleChanged() override;

 private:
  void CenterOnScreen();

  TFormBorderStyle borderStyle_ = bsSizeable;
  TPosition position_ = poDesigned;
  TModalResult modalResult_ = mrNone;
  bool modal_ = false;
};

// The form a control stands on, or nullptr.
TForm* ParentForm(TControl& control);

}  // namespace nuvex
