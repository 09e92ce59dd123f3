// Properties every control shares, on the headless backend: hints and
// ParentShowHint, ParentFont, anchors, tab order with the Tab key, and a
// form's client size before its window exists.
#include <gtest/gtest.h>

#include <memory>

#include "tests/support/Services.h"
#include "toolkit/ui/Form.h"
#include "toolkit/ui/Label.h"
#include "toolkit/ui/StdControls.h"

namespace nuvex {
namespace {

class ControlProperties : public test::HeadlessTest {
 protected:
  ControlProperties() {
    form->SetBorderStyle(bsNone);
    form->SetBounds(100, 100, 300, 200);
  }

  template <typename T>
  T& Add(int left, int top, int width, int height) {
    T& control = TComponent::Create<T>(*form);
    control.SetParent(form.get());
    control.SetBounds(left, top, width, height);
    return control;
  }

  std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
};

TEST_F(ControlProperties, HintsShowWhereThePointerRestsWhileShowHintAllowsThem) {
  TLabel& label = Add<TLabel>(10, 10, 80, 16);
  label.SetAutoSize(false);
  label.SetBounds(10, 10, 80, 16);
  label.SetHint("Click to choose the folder");
  TButton& button = Add<TButton>(10, 50, 75, 25);
  button.SetHint("Installs the player");
  form->Show();
  backend.RestMouse({115, 115});
  EXPECT_EQ(backend.ShownHint(), "");  // the form's ShowHint is off, and both follow it

  form->SetShowHint(true);
  backend.RestMouse({115, 115});
  EXPECT_EQ(backend.ShownHint(), "Click to choose the folder");
  backend.RestMouse({115, 155});
  EXPECT_EQ(backend.ShownHint(), "Installs the player");
  backend.MoveMouse({116, 156});
  EXPECT_EQ(backend.ShownHint(), "");  // a move ends the hint

  // The hint follows the label's place and visibility.
  label.SetLeft(150);
  backend.RestMouse({115, 115});
  EXPECT_EQ(backend.ShownHint(), "");
  backend.RestMouse({255, 115});
  EXPECT_EQ(backend.ShownHint(), "Click to choose the folder");
  label.Hide();
  backend.RestMouse({255, 115});
  EXPECT_EQ(backend.ShownHint(), "");

  // A control's own ShowHint ends the inheritance; ParentShowHint brings it back.
  button.SetShowHint(false);
  EXPECT_FALSE(button.ParentShowHint());
  backend.RestMouse({115, 155});
  EXPECT_EQ(backend.ShownHint(), "");
  button.SetParentShowHint(true);
  backend.RestMouse({115, 155});
  EXPECT_EQ(backend.ShownHint(), "Installs the player");
  button.SetHint("");
  backend.RestMouse({115, 155});
  EXPECT_EQ(backend.ShownHint(), "");
}

TEST_F(ControlProperties, AHintSetBeforeTheWindowExistsReachesItAndLeavesWithTheControl) {
  form->SetShowHint(true);
  auto label = std::make_unique<TLabel>(nullptr);
  label->SetHint("early");
  label->SetAutoSize(false);
  label->SetParent(form.get());
  label->SetBounds(0, 0, 50, 20);
  form->Show();
  backend.RestMouse({110, 110});
  EXPECT_EQ(backend.ShownHint(), "early");
  label.reset();
  backend.RestMouse({110, 110});
  EXPECT_EQ(backend.ShownHint(), "");
}

TEST_F(ControlProperties, ParentFontFollowsTheParentUntilAFontOfItsOwnIsSet) {
  TFont big;
  big.Name = "Arial";
  big.Size = 14;
  form->SetFont(big);
  TLabel& follower = Add<TLabel>(0, 0, 50, 20);
  TButton& own = Add<TButton>(0, 30, 50, 20);
  EXPECT_EQ(follower.Font(), big);  // taken on joining
  TFont small;
  small.Size = 7;
  own.SetFont(small);
  EXPECT_FALSE(own.ParentFont());
  form->Show();
  TFont bold = big;
  bold.Style = fsBold;
  form->SetFont(bold);
  EXPECT_EQ(follower.Font(), bold);
  EXPECT_EQ(own.Font(), small);
  EXPECT_EQ(test::WindowOf(own).Font(), small);
  own.SetParentFont(true);
  EXPECT_EQ(own.Font(), bold);
  EXPECT_EQ(test::WindowOf(own).Font(), bold);  // the native control draws with it
}

TEST_F(ControlProperties, AnchorsKeepDistancesWhenTheParentIsSizedByTheProgramOrTheUser) {
  TButton& fixed = Add<TButton>(10, 10, 50, 20);
  TButton& right = Add<TButton>(240, 10, 50, 20);
  right.SetAnchors(akTop | akRight);
  TEdit& stretched = Add<TEdit>(10, 40, 280, 20);
  stretched.SetAnchors(akLeft | akTop | akRight);
  TButton& corner = Add<TButton>(240, 170, 50, 20);
  corner.SetAnchors(akRight | akBottom);
  TLabel& middle = Add<TLabel>(100, 100, 40, 20);
  middle.SetAutoSize(false);
  middle.SetBounds(100, 100, 40, 20);
  middle.SetAnchors(0);  // neither side: stays

  form->SetBounds(100, 100, 400, 250);
  EXPECT_EQ(fixed.BoundsRect(), (TRect{10, 10, 60, 30}));
  EXPECT_EQ(right.BoundsRect(), (TRect{340, 10, 390, 30}));
  EXPECT_EQ(stretched.BoundsRect(), (TRect{10, 40, 390, 60}));
  EXPECT_EQ(corner.BoundsRect(), (TRect{340, 220, 390, 240}));
  EXPECT_EQ(middle.BoundsRect(), (TRect{100, 100, 140, 120}));

  form->Show();
  test::WindowOf(*form).SetBounds({100, 100, 450, 300});  // the user drags the border: 350 x 200
  EXPECT_EQ(right.BoundsRect(), (TRect{290, 10, 340, 30}));
  EXPECT_EQ(stretched.BoundsRect(), (TRect{10, 40, 340, 60}));
  EXPECT_EQ(corner.BoundsRect(), (TRect{290, 170, 340, 190}));
  EXPECT_EQ(test::WindowOf(corner).Bounds(), (TRect{290, 170, 340, 190}));
}

TEST_F(ControlProperties, TabWalksTheFocusInTabOrderPastControlsThatCannotTakeIt) {
  TButton& a = Add<TButton>(0, 0, 50, 20);
  TEdit& b = Add<TEdit>(0, 30, 50, 20);
  TButton& c = Add<TButton>(0, 60, 50, 20);
  TButton& hidden = Add<TButton>(0, 90, 50, 20);
  hidden.SetVisible(false);
  c.SetTabOrder(0);  // c, a, b, hidden
  EXPECT_EQ(c.TabOrder(), 0);
  EXPECT_EQ(a.TabOrder(), 1);
  EXPECT_EQ(hidden.TabOrder(), 3);
  b.SetTabOrder(99);  // past the end: last
  EXPECT_EQ(b.TabOrder(), 3);  // c, a, hidden, b

  form->Show();
  a.SetFocus();
  backend.PressKey(vkTab);
  EXPECT_TRUE(b.Focused());  // the hidden one is passed over
  backend.PressKey(vkTab);
  EXPECT_TRUE(c.Focused());  // round to the first
  backend.PressKey(vkTab, ssShift);
  EXPECT_TRUE(b.Focused());
  a.SetEnabled(false);
  backend.PressKey(vkTab);
  backend.PressKey(vkTab);
  EXPECT_TRUE(b.Focused());  // c, then past the disabled a and the hidden one
  // A control's own handler may take the key first.
  b.OnKeyDown = [](TObject*, uint16_t& key, TShiftState) { key = 0; };
  backend.PressKey(vkTab);
  EXPECT_TRUE(b.Focused());
}

TEST_F(ControlProperties, AModalFormFocusesItsFirstControlInTabOrder) {
  TButton& later = Add<TButton>(0, 0, 50, 20);
  TEdit& first = Add<TEdit>(0, 30, 50, 20);
  first.SetTabOrder(0);
  bool focusedFirst = false;
  backend.QueueInput([&] {
    focusedFirst = first.Focused();
    form->SetModalResult(mrOk);
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_TRUE(focusedFirst);
  EXPECT_FALSE(later.Focused());
}

TEST_F(ControlProperties, AFormTakesItsClientSizeWithoutMakingItsWindow) {
  TForm dialog(nullptr);
  dialog.SetBorderStyle(bsSingle);
  dialog.SetClientSize(384, 285);
  EXPECT_FALSE(dialog.HandleAllocated());
  EXPECT_EQ(dialog.ClientWidth(), 384);
  EXPECT_EQ(dialog.ClientHeight(), 285);
  const TSize frame = backend.FrameSize(TWindowKind::Single);
  EXPECT_EQ(dialog.Width(), 384 + frame.cx);
  dialog.Show();
  EXPECT_EQ(test::WindowOf(dialog).Bounds().Width(), 384 + frame.cx);
  EXPECT_EQ(dialog.ClientHeight(), 285);
}

}  // namespace
}  // namespace nuvex
