// Dragging controls onto controls through the headless backend: the
// scenarios of DragScenarios.h, the pointer shape, and a described
// regioned button that binds and raises the drag events.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/RegionedButton.h"
#include "skin/SkinClasses.h"
#include "tests/support/DragScenarios.h"
#include "tests/support/Services.h"
#include "toolkit/formats/FormText.h"
#include "toolkit/ui/FormReader.h"
#include "toolkit/ui/Label.h"

namespace nuvex {
namespace {

class HeadlessDragDriver : public test::DragDriver {
 public:
  explicit HeadlessDragDriver(THeadlessBackend& backend) : backend_(backend) {}
  void MoveTo(TPoint screen) override { backend_.MoveMouse(screen); }
  void Press() override { backend_.PressMouse(mbLeft); }
  void Release() override { backend_.ReleaseMouse(mbLeft); }
  void Escape(TWinControl& window) override {
    window.SetFocus();
    backend_.PressKey(vkEscape);
  }

 private:
  THeadlessBackend& backend_;
};

class DragDrop : public ::testing::Test {
 protected:
  void Run(void (*scenario)(test::DragDriver&)) {
    HeadlessDragDriver driver(backend);
    scenario(driver);
  }

  THeadlessBackend backend;
  test::ScopedHeadless scope{backend};
};

NUVEX_DRAG_SCENARIO_TESTS(DragDrop)

class TDescribedForm : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  std::string ClassName() const override { return "TDescribedForm"; }
};

// Two regioned buttons and a label read from a description: the drag
// properties and events bind by name, and the buttons raise them.
TEST_F(DragDrop, DescribedRegionedButtonsBindAndRaiseTheDragEvents) {
  std::vector<std::string> log;
  THandlerTable handlers;
  handlers.Add<TDragOverEvent>("TargetOver", [&](TObject* sender, TObject* source, int x, int y, TDragState state,
                                                 bool& accept) {
    log.push_back(dynamic_cast<TComponent*>(sender)->Name() + " over " + std::to_string(state) + " " +
                  std::to_string(x) + "," + std::to_string(y) + " by " + dynamic_cast<TComponent*>(source)->Name());
    accept = state != dsDragEnter || x > 10;  // the target's left edge refuses
  });
  handlers.Add<TDragDropEvent>("TargetDrop", [&](TObject* sender, TObject*, int x, int y) {
    log.push_back(dynamic_cast<TComponent*>(sender)->Name() + " drop " + std::to_string(x) + "," + std::to_string(y));
  });
  handlers.Add<TEndDragEvent>("SourceEnd", [&](TObject*, TObject* target, int, int) {
    log.push_back(std::string("end on ") + (target ? dynamic_cast<TComponent*>(target)->Name() : "nothing"));
  });
  TClassRegistry classes;
  classes.Add({"TDescribedForm", "TCustomControl", nullptr, {}});
  AddSkinClasses(classes);
  auto form = CreateForm<TDescribedForm>(nullptr,
                                         ParseFormText("TDescribedForm F {\n"
                                                       "  Left = 0 Top = 0 Width = 300 Height = 200\n"
                                                       "  TRegionedButton rbSource { Left = 10 Top = 10 Width = 60 Height = 20\n"
                                                       "    DragMode = dmAutomatic OnEndDrag = SourceEnd }\n"
                                                       "  TRegionedButton rbTarget { Left = 100 Top = 10 Width = 60 Height = 20\n"
                                                       "    OnDragOver = TargetOver OnDragDrop = TargetDrop }\n"
                                                       "}\n",
                                                       "drag.nfd"),
                                         classes, handlers, "drag.nfd");
  form->HandleNeeded();
  auto& source = dynamic_cast<TRegionedButton&>(*form->FindComponent("rbSource"));
  EXPECT_EQ(source.DragMode(), dmAutomatic);

  backend.MoveMouse({20, 20});
  backend.PressMouse(mbLeft);
  EXPECT_EQ(backend.CursorShape(), crNoDrop);  // over itself, which takes nothing
  backend.MoveMouse({105, 15});
  EXPECT_EQ(backend.CursorShape(), crNoDrop);
  backend.MoveMouse({130, 15});
  EXPECT_EQ(backend.CursorShape(), crDrag);
  backend.ReleaseMouse(mbLeft);
  EXPECT_EQ(backend.CursorShape(), crDefault);
  EXPECT_EQ(log, (std::vector<std::string>{"rbTarget over 0 5,5 by rbSource", "rbTarget over 2 30,5 by rbSource",
                                           "rbTarget over 1 30,5 by rbSource", "rbTarget drop 30,5",
                                           "end on rbTarget"}));
  EXPECT_EQ(source.State(), rbsNormal);
  EXPECT_EQ(backend.CaptureWindow(), nullptr);
}

}  // namespace
}  // namespace nuvex
