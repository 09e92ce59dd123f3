#include "tests/support/DragScenarios.h"

#include <memory>
#include <string>
#include <vector>

#include "base/ScopeGuard.h"
#include "skin/RegionedButton.h"
#include "skin/SkinClasses.h"
#include "toolkit/formats/FormText.h"
#include "toolkit/ui/DragSession.h"
#include "toolkit/ui/FormReader.h"

namespace nuvex::test {

namespace {

using Log = std::vector<std::string>;

std::string NameOf(TObject* object) {
  auto* component = dynamic_cast<TComponent*>(object);
  return component ? component->Name() : "none";
}
std::string Point(int x, int y) { return " " + std::to_string(x) + "," + std::to_string(y); }

class TDragForm : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  std::string ClassName() const override { return "TDragForm"; }
};

constexpr const char* kDescription =
    "TDragForm form { Left = 200 Top = 150 Width = 320 Height = 200 KeyPreview = true OnKeyUp = KeyUp\n"
    "  TRegionedButton button { Left = 10 Top = 10 Width = 100 Height = 30 DragMode = dmAutomatic\n"
    "    OnStartDrag = Start OnEndDrag = End OnClick = Click OnDragOver = Over OnDragDrop = Drop }\n"
    "  TLabel label { Left = 10 Top = 100 Width = 80 Height = 20 AutoSize = false\n"
    "    OnStartDrag = Start OnEndDrag = End OnClick = Click OnDragOver = Over OnDragDrop = Drop }\n"
    "  TCustomControl field { Left = 150 Top = 100 Width = 100 Height = 60\n"
    "    OnClick = Click OnDragOver = Over OnDragDrop = Drop }\n"
    "}\n";

// The described form; its handlers log, and every control but `refusing`
// takes what is dragged over it (a control over itself is left out).
struct Scene {
  Scene() {
    THandlerTable h;
    h.Add<TNotifyEvent>("Start", [this](TObject* s) { log.push_back(NameOf(s) + " start"); });
    h.Add<TNotifyEvent>("Click", [this](TObject* s) { log.push_back(NameOf(s) + " click"); });
    h.Add<TEndDragEvent>("End", [this](TObject* s, TObject* t, int x, int y) {
      log.push_back(NameOf(s) + " end " + NameOf(t) + Point(x, y));
    });
    h.Add<TDragOverEvent>("Over", [this](TObject* s, TObject* from, int x, int y, TDragState state, bool& accept) {
      static const char* const kStates[] = {" enter", " leave", " move"};
      if (s != from) log.push_back(NameOf(s) + kStates[state] + Point(x, y) + (accept ? "" : " unoffered"));
      accept = s != from && NameOf(s) != refusing;
    });
    h.Add<TDragDropEvent>("Drop", [this](TObject* s, TObject* from, int x, int y) {
      log.push_back(NameOf(s) + " drop" + Point(x, y) + " of " + NameOf(from));
    });
    h.Add<TKeyEventHandler>("KeyUp", [this](TObject*, uint16_t& key, TShiftState) {
      log.push_back("key up " + std::to_string(key));
    });
    TClassRegistry classes;
    classes.Add({"TDragForm", "TCustomControl", nullptr, {}});
    AddSkinClasses(classes);
    form = CreateForm<TDragForm>(nullptr, ParseFormText(kDescription, "drag.nfd"), classes, h, "drag.nfd");
    form->HandleNeeded();
    button = dynamic_cast<TRegionedButton*>(form->FindComponent("button"));
    label = dynamic_cast<TControl*>(form->FindComponent("label"));
    field = dynamic_cast<TWinControl*>(form->FindComponent("field"));
  }
  // A screen point at (x, y) of a control's client area.
  TPoint At(TControl* control, int x, int y) {
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) return windowed->ClientToScreen({x, y});
    return form->ClientToScreen({control->Left() + x, control->Top() + y});
  }
  Log Take() { return std::exchange(log, {}); }

  std::unique_ptr<TDragForm> form;
  TRegionedButton* button = nullptr;
  TControl* label = nullptr;
  TWinControl* field = nullptr;
  std::string refusing;
  Log log;
};

// Presses at `from` and moves to `to`.
void Drag(DragDriver& d, TPoint from, TPoint to) {
  d.MoveTo(from);
  d.Press();
  d.MoveTo(to);
}

}  // namespace

void DropsRefusalsAndEscape(DragDriver& d) {
  Scene s;
  d.MoveTo(s.At(s.button, 20, 15));
  d.Press();
  EXPECT_TRUE(s.button->Dragging());
  EXPECT_EQ(s.button->State(), rbsNormal);  // dragged, not pressed
  EXPECT_TRUE(d.ShowsNoDrop());             // over itself
  d.MoveTo(s.At(s.label, 5, 6));
  EXPECT_FALSE(d.ShowsNoDrop());
  d.MoveTo(s.At(s.label, 7, 8));
  d.Release();
  EXPECT_EQ(s.Take(), (Log{"button start", "label enter 5,6", "label move 7,8", "label leave 7,8",
                           "label drop 7,8 of button", "button end label 7,8"}));

  s.refusing = "field";
  Drag(d, s.At(s.button, 20, 15), s.At(s.field, 30, 20));
  EXPECT_TRUE(d.ShowsNoDrop());
  d.Release();
  EXPECT_EQ(s.Take(), (Log{"button start", "field enter 30,20", "field leave 30,20", "button end none 0,0"}));

  // Escape cancels, its release included; the next Escape is the form's.
  Drag(d, s.At(s.button, 20, 15), s.At(s.label, 5, 6));
  d.Escape(*s.form);
  EXPECT_FALSE(s.button->Dragging());
  d.Release();
  d.Escape(*s.form);
  EXPECT_EQ(s.Take(), (Log{"button start", "label enter 5,6", "label leave 5,6", "button end none 0,0", "key up 27"}));

  // The capture went back: a click on the label is the label's.
  d.Press();
  d.Release();
  EXPECT_EQ(s.Take(), (Log{"label click"}));
}

void ThresholdAndAWindowlessSource(DragDriver& d) {
  ScopedValue immediate(DragDefaults().Immediate, false);
  ScopedValue threshold(DragDefaults().Threshold, 5);
  Scene s;
  d.MoveTo(s.At(s.button, 20, 15));
  d.Press();
  d.MoveTo(s.At(s.button, 25, 10));  // 5 pixels each way: not beyond
  EXPECT_EQ(s.button->State(), rbsPressed);
  d.Release();
  EXPECT_EQ(s.Take(), (Log{"button click"}));

  d.Press();
  d.MoveTo(s.At(s.button, 25, 4));
  EXPECT_EQ(s.button->State(), rbsNormal);
  d.MoveTo(s.At(s.field, 30, 20));
  d.Release();
  EXPECT_EQ(s.Take(), (Log{"button start", "field enter 30,20", "field leave 30,20", "field drop 30,20 of button",
                           "button end field 30,20"}));

  // The label drags through its form's capture, onto the button.
  s.label->SetDragMode(dmAutomatic);
  Drag(d, s.At(s.label, 5, 5), s.At(s.label, 11, 5));
  d.MoveTo(s.At(s.button, 40, 12));
  d.Release();
  d.MoveTo(s.At(s.button, 20, 15));
  d.Press();
  d.Release();
  EXPECT_EQ(s.Take(), (Log{"label start", "button enter 40,12", "button leave 40,12", "button drop 40,12 of label",
                           "label end button 40,12", "button click"}));
}

void HandlersThatFreeTheSourceOrTheTarget(DragDriver& d) {
  Scene s;
  // The target frees itself on the drop: the source hears of no target.
  s.label->OnDragDrop = [&](TObject*, TObject*, int, int) { s.form->RemoveComponent(s.label); };
  Drag(d, s.At(s.button, 20, 15), s.At(s.label, 5, 6));
  d.Release();
  EXPECT_EQ(s.Take(), (Log{"button start", "label enter 5,6", "label leave 5,6", "button end none 0,0"}));

  // The target frees the source as it comes in: the drag ends there.
  s.field->OnDragOver = [&](TObject*, TObject*, int, int, TDragState, bool&) {
    s.log.push_back("field frees the button");
    s.form->RemoveComponent(s.button);
  };
  Drag(d, s.At(s.button, 20, 15), s.At(s.field, 30, 20));
  d.MoveTo(s.At(s.field, 31, 20));
  d.Release();
  d.Press();  // nothing holds the mouse any more
  d.Release();
  EXPECT_EQ(s.Take(), (Log{"button start", "field frees the button", "field click"}));
}

}  // namespace nuvex::test
