// A handler may free the form whose event it serves: a click, a double click,
// a key seen by the form's key preview.  The dispatch must read nothing of
// the freed controls afterwards (the sanitizer build reports any such read).
#include <gtest/gtest.h>

#include <memory>

#include "tests/support/Services.h"
#include "toolkit/ui/WinControl.h"

namespace nuvex {
namespace {

class DispatchFree : public test::HeadlessTest {
 protected:
  DispatchFree() {
    form->SetBounds(100, 100, 200, 100);
    form->Show();
    button.SetParent(form.get());
    button.SetBounds(10, 10, 50, 20);
    field.SetParent(form.get());
    field.SetBounds(100, 10, 50, 20);
    backend.ProcessMessages();
  }
  TPoint OnButton() { return form->ClientToScreen({20, 20}); }

  std::unique_ptr<TWinControl> form = std::make_unique<TWinControl>(nullptr);
  TGraphicControl& button = TComponent::Create<TGraphicControl>(*form);
  TCustomControl& field = TComponent::Create<TCustomControl>(*form);
};

TEST_F(DispatchFree, ClickThatFreesItsFormEndsTheDispatch) {
  int mouseUps = 0;
  button.OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { ++mouseUps; };
  button.OnClick = [&](TObject*) { form.reset(); };
  const TPoint at = OnButton();
  backend.Click(at);
  EXPECT_EQ(form, nullptr);
  EXPECT_EQ(mouseUps, 0);  // the freed button hears nothing more
  backend.MoveMouse({0, 0});  // and the backend carries on
  backend.ProcessMessages();
  EXPECT_EQ(backend.WindowAt(at), nullptr);
}

TEST_F(DispatchFree, DoubleClickThatFreesItsForm) {
  button.OnDblClick = [&](TObject*) { form.reset(); };
  backend.DoubleClick(OnButton());
  EXPECT_EQ(form, nullptr);
}

TEST_F(DispatchFree, KeyPreviewThatFreesItsForm) {
  int fieldKeys = 0;
  form->SetKeyPreview(true);
  form->OnKeyDown = [&](TObject*, uint16_t&, TShiftState) { form.reset(); };  // the key stays unused
  field.OnKeyDown = [&](TObject*, uint16_t&, TShiftState) { ++fieldKeys; };
  field.SetFocus();
  backend.PressKey(vkEscape);
  EXPECT_EQ(form, nullptr);
  EXPECT_EQ(fieldKeys, 0);
}

TEST_F(DispatchFree, PointerLeavingAControlWhoseHandlerFreesTheForm) {
  button.OnMouseLeave = [&](TObject*) { form.reset(); };
  const TPoint away = form->ClientToScreen({190, 90});
  backend.MoveMouse(OnButton());
  backend.MoveMouse(away);
  EXPECT_EQ(form, nullptr);
}

}  // namespace
}  // namespace nuvex
