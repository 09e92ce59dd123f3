#include "toolkit/ui/Form.h"

#include <algorithm>
#include <vector>

#include "base/Error.h"
#include "base/ScopeGuard.h"
#include "toolkit/ui/Application.h"

namespace nuvex {
namespace {

// Every form alive, so that a modal one can disable the others.  One thread.
std::vector<TForm*>& AllForms() {
  static std::vector<TForm*> forms;
  return forms;
}

}  // namespace

TForm::TForm(TComponent* owner) : TCustomControl(owner) {
  ChangeVisible(false);  // a form shows when asked to
  AllForms().push_back(this);
}

TForm::~TForm() {
  std::erase(AllForms(), this);
  if (Application().MainForm() == this) Application().SetMainForm(nullptr);
}

TWindowKind TForm::WindowKind() const {
  if (Parent()) return TWindowKind::Child;
  switch (borderStyle_) {
    case bsNone: return TWindowKind::Popup;
    case bsSingle: return TWindowKind::Single;
    case bsDialog: return TWindowKind::Dialog;
    case bsSizeable: break;
  }
  return TWindowKind::Sizeable;
}

void TForm::VisibleChanged() {
  if (Visible() && position_ == poScreenCenter && !Parent()) CenterOnScreen();
  TCustomControl::VisibleChanged();
  if (Visible()) OnShow(this);
}

void TForm::CenterOnScreen() {
  const TSize screen = CurrentWindowBackend().ScreenSize();
  SetBounds((screen.cx - Width()) / 2, (screen.cy - Height()) / 2, Width(), Height());
}

void TForm::DoCreate() { OnCreate(this); }

void TForm::Close() {
  if (modal_) {
    modalResult_ = mrCancel;
    return;
  }
  Hide();
  // The main window closing ends the program's message loop.
  if (Application().MainForm() == this) Application().Terminate();
}

TModalResult TForm::ShowModal() {
  if (Visible() || modal_) throw Error("Cannot make a visible window modal");
  std::vector<TForm*> disabled;
  for (TForm* form : AllForms()) {
    if (form != this && form->Enabled() && form->Visible() && !form->Parent()) {
      form->SetEnabled(false);
      disabled.push_back(form);
    }
  }
  modalResult_ = mrNone;
  {
    ScopedValue modal(modal_, true);
    Show();
    HandleNeeded();
    // The first control in tab order has the focus, or else the form.
    if (TWinControl* first = FindNextControl(nullptr, true)) {
      first->SetFocus();
    } else {
      SetFocus();
    }
    while (modalResult_ == mrNone) {
      if (!CurrentWindowBackend().HandleMessage()) {
        // The message loop is ending: the form gives way, and the quit
        // request goes on to the loop outside.
        modalResult_ = mrCancel;
        CurrentWindowBackend().PostQuit();
      }
    }
    Hide();
  }
  for (TForm* form : disabled) {
    if (std::find(AllForms().begin(), AllForms().end(), form) != AllForms().end()) form->SetEnabled(true);
  }
  return modalResult_;
}

TForm* ParentForm(TControl& control) {
  for (TControl* c = &control; c; c = c->Parent()) {
    if (auto* form = dynamic_cast<TForm*>(c)) return form;
  }
  return nullptr;
}

}  // namespace nuvex
