// The drag scenarios of DragScenarios.h through the headless backend.
#include <gtest/gtest.h>

#include "tests/support/DragScenarios.h"
#include "tests/support/Services.h"

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
  bool ShowsNoDrop() override { return backend_.CursorShape() == crNoDrop; }

 private:
  THeadlessBackend& backend_;
};

class DragDrop : public test::HeadlessTest {
 protected:
  void Run(void (*scenario)(test::DragDriver&)) {
    HeadlessDragDriver driver(backend);
    scenario(driver);
    EXPECT_EQ(backend.CursorShape(), crDefault);
    EXPECT_EQ(backend.CaptureWindow(), nullptr);
  }

};

NUVEX_DRAG_SCENARIO_TESTS(DragDrop)

}  // namespace
}  // namespace nuvex
