#include "tests/support/DragScenarios.h"

#include <memory>
#include <string>
#include <vector>

#include "base/ScopeGuard.h"
#include "skin/RegionedButton.h"
#include "tests/support/ButtonScenarios.h"
#include "toolkit/ui/Component.h"
#include "toolkit/ui/DragSession.h"
#include "toolkit/ui/Label.h"
#include "toolkit/ui/WinControl.h"

namespace nuvex::test {

namespace {

using Log = std::vector<std::string>;

std::string NameOf(TObject* object) {
  auto* component = dynamic_cast<TComponent*>(object);
  return component ? component->Name() : "none";
}

std::string Point(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }

// The form every scenario drags on, and what its controls hear.
struct Scene {
  Scene() {
    form->SetBounds(200, 150, 320, 200);
    LoadComponent(*form, [&] {
      button.SetName("button");
      button.SetParent(form.get());
      button.SetBounds(10, 10, 100, 30);
      button.SetButtons(&strip);
      button.SetButtonIndex(1);
      button.SetButtonCount(3);
      button.SetButtonWidth(100);
      button.SetButtonHeight(30);
    });
    label.SetName("label");
    label.SetAutoSize(false);
    label.SetParent(form.get());
    label.SetBounds(10, 100, 80, 20);
    field.SetName("field");
    field.SetParent(form.get());
    field.SetBounds(150, 100, 100, 60);
    form->HandleNeeded();
  }

  // A screen point at (x, y) of a control's client area.
  TPoint At(TControl& control, int x, int y) {
    if (auto* windowed = dynamic_cast<TWinControl*>(&control)) return windowed->ClientToScreen({x, y});
    return form->ClientToScreen({control.Left() + x, control.Top() + y});
  }

  // The control takes drops (or refuses them) and logs what it is asked.
  void Target(TControl& control, bool accept) {
    control.OnDragOver = [this, accept](TObject* sender, TObject* source, int x, int y, TDragState state, bool& a) {
      static const char* const kStates[] = {"enter", "leave", "move"};
      log.push_back(NameOf(sender) + " " + kStates[state] + " " + Point(x, y) + " from " + NameOf(source) +
                    (a ? "" : " (not offered)"));
      a = accept;
    };
    control.OnDragDrop = [this](TObject* sender, TObject* source, int x, int y) {
      log.push_back(NameOf(sender) + " drop " + Point(x, y) + " from " + NameOf(source));
    };
  }
  // The control logs its drag's start and end and its clicks.
  void Source(TControl& control) {
    control.OnStartDrag = [this](TObject* sender) { log.push_back(NameOf(sender) + " start"); };
    control.OnEndDrag = [this](TObject* sender, TObject* target, int x, int y) {
      log.push_back(NameOf(sender) + " end " + NameOf(target) + " " + Point(x, y));
    };
    control.OnClick = [this](TObject* sender) { log.push_back(NameOf(sender) + " click"); };
  }

  const TBitmap strip = Strip(3, 100, 30);
  std::unique_ptr<TWinControl> form = std::make_unique<TWinControl>(nullptr);
  TRegionedButton& button = TComponent::Create<TRegionedButton>(*form);
  TLabel& label = TComponent::Create<TLabel>(*form);
  TCustomControl& field = TComponent::Create<TCustomControl>(*form);
  Log log;
};

}  // namespace

void DropsOnALabelAndOnAWindowedControl(DragDriver& d) {
  Scene s;
  s.Target(s.label, true);
  s.Target(s.field, true);
  s.Source(s.button);
  s.Source(s.label);
  s.button.SetDragMode(dmAutomatic);
  s.button.OnLeftButtonClick = [&](TObject*) { s.log.push_back("button left click"); };

  d.MoveTo(s.At(s.button, 20, 15));
  d.Press();
  EXPECT_TRUE(s.button.Dragging());
  EXPECT_EQ(s.button.State(), rbsNormal);  // dragged, not pressed
  d.MoveTo(s.At(s.label, 5, 6));
  d.MoveTo(s.At(s.label, 7, 8));
  d.Release();
  EXPECT_FALSE(s.button.Dragging());
  EXPECT_EQ(s.log, (Log{"button start", "label enter 5,6 from button", "label move 7,8 from button",
                        "label leave 7,8 from button", "label drop 7,8 from button", "button end label 7,8"}));

  s.log.clear();
  d.MoveTo(s.At(s.button, 20, 15));
  d.Press();
  d.MoveTo(s.At(s.field, 30, 20));
  d.Release();
  EXPECT_EQ(s.log, (Log{"button start", "field enter 30,20 from button", "field leave 30,20 from button",
                        "field drop 30,20 from button", "button end field 30,20"}));

  // The capture went back: a click on the label is the label's.
  s.log.clear();
  d.MoveTo(s.At(s.label, 5, 5));
  d.Press();
  d.Release();
  EXPECT_EQ(s.log, (Log{"label click"}));
}

void RefusedDropAndEscapeDropNothing(DragDriver& d) {
  Scene s;
  s.Target(s.label, false);
  s.Target(s.field, true);
  s.Source(s.button);
  s.Source(s.field);
  s.button.SetDragMode(dmAutomatic);
  s.form->SetKeyPreview(true);
  s.form->OnKeyUp = [&](TObject*, uint16_t& key, TShiftState) { s.log.push_back("key up " + std::to_string(key)); };

  d.MoveTo(s.At(s.button, 20, 15));
  d.Press();
  d.MoveTo(s.At(s.label, 5, 6));
  d.Release();
  EXPECT_EQ(s.log, (Log{"button start", "label enter 5,6 from button", "label leave 5,6 from button",
                        "button end none 0,0"}));

  s.log.clear();
  d.MoveTo(s.At(s.button, 20, 15));
  d.Press();
  d.MoveTo(s.At(s.field, 30, 20));
  d.Escape(*s.form);
  EXPECT_FALSE(s.button.Dragging());
  d.MoveTo(s.At(s.field, 31, 20));
  d.Release();  // nothing left to drop, and no click: the field never had the press
  EXPECT_EQ(s.log, (Log{"button start", "field enter 30,20 from button", "field leave 30,20 from button",
                        "button end none 0,0"}));

  // The cancelling Escape was the drag's, release and all; the next one is the form's.
  s.log.clear();
  d.Escape(*s.form);
  EXPECT_EQ(s.log, (Log{"key up 27"}));
}

void BelowTheThresholdAPressStaysAClick(DragDriver& d) {
  ScopedValue immediate(DragDefaults().Immediate, false);
  ScopedValue threshold(DragDefaults().Threshold, 5);
  Scene s;
  s.Target(s.label, true);
  s.Source(s.button);
  s.button.SetDragMode(dmAutomatic);
  s.button.OnLeftButtonClick = [&](TObject*) { s.log.push_back("button left click"); };

  d.MoveTo(s.At(s.button, 20, 15));
  d.Press();
  d.MoveTo(s.At(s.button, 25, 10));  // 5 pixels each way: not beyond the threshold
  EXPECT_EQ(s.button.State(), rbsPressed);
  d.Release();
  EXPECT_FALSE(s.button.Dragging());
  EXPECT_EQ(s.log, (Log{"button click", "button left click"}));

  s.log.clear();
  d.MoveTo(s.At(s.button, 20, 15));
  d.Press();
  d.MoveTo(s.At(s.button, 20, 21));
  EXPECT_EQ(s.log, (Log{"button start"}));
  EXPECT_EQ(s.button.State(), rbsNormal);
  d.MoveTo(s.At(s.label, 5, 6));
  d.Release();
  EXPECT_EQ(s.log, (Log{"button start", "label enter 5,6 from button", "label leave 5,6 from button",
                        "label drop 5,6 from button", "button end label 5,6"}));
}

void ALabelDraggedOntoTheButton(DragDriver& d) {
  Scene s;
  s.Target(s.button, true);
  s.Source(s.label);
  s.Source(s.button);
  s.label.OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { s.label.BeginDrag(false, 3); };

  d.MoveTo(s.At(s.label, 5, 5));
  d.Press();
  d.MoveTo(s.At(s.label, 9, 5));
  EXPECT_TRUE(s.label.Dragging());
  d.MoveTo(s.At(s.button, 40, 12));
  d.Release();
  EXPECT_EQ(s.log, (Log{"label start", "button enter 40,12 from label", "button leave 40,12 from label",
                        "button drop 40,12 from label", "label end button 40,12"}));

  // The form let the label's press go: a click on the button is the button's.
  s.log.clear();
  d.MoveTo(s.At(s.button, 20, 15));
  d.Press();
  d.Release();
  EXPECT_EQ(s.log, (Log{"button click"}));
}

void HandlersThatFreeTheSourceOrTheTarget(DragDriver& d) {
  Scene s;
  s.Source(s.button);
  s.Source(s.field);
  s.button.SetDragMode(dmAutomatic);
  TWinControl& form = *s.form;
  TLabel* label = &s.label;
  TRegionedButton* button = &s.button;
  const TPoint onLabel = s.At(*label, 5, 6);

  // The target frees itself on the drop: the source hears of no target.
  s.Target(*label, true);
  label->OnDragDrop = [&](TObject*, TObject*, int, int) {
    s.log.push_back("label drop");
    form.RemoveComponent(label);
  };
  d.MoveTo(s.At(*button, 20, 15));
  d.Press();
  d.MoveTo(onLabel);
  d.Release();
  EXPECT_EQ(s.log, (Log{"button start", "label enter 5,6 from button", "label leave 5,6 from button",
                        "label drop", "button end none 0,0"}));

  // The target frees the source as it comes in: the drag ends there.
  s.log.clear();
  s.field.OnDragOver = [&](TObject*, TObject*, int, int, TDragState state, bool&) {
    s.log.push_back("field over " + std::to_string(state));
    form.RemoveComponent(button);
  };
  s.field.OnDragDrop = [&](TObject*, TObject*, int, int) { s.log.push_back("field drop"); };
  d.MoveTo(s.At(*button, 20, 15));
  d.Press();
  d.MoveTo(s.At(s.field, 30, 20));
  d.MoveTo(s.At(s.field, 31, 20));
  d.Release();
  EXPECT_EQ(s.log, (Log{"button start", "field over 0"}));

  // Nothing holds the mouse any more.
  s.log.clear();
  d.MoveTo(s.At(s.field, 30, 20));
  d.Press();
  d.Release();
  EXPECT_EQ(s.log, (Log{"field click"}));
}

}  // namespace nuvex::test
