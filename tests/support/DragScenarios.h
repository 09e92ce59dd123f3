#pragma once
// Drags of controls onto controls, written once and run on every window
// backend through a driver: core_tests drives the headless backend,
// win_tests real Win32 windows with window messages and the real capture.
#include <gtest/gtest.h>

#include "toolkit/graphics/Geometry.h"
#include "toolkit/ui/WinControl.h"

namespace nuvex::test {

// What a scenario needs of a backend.  Points are screen points; the left
// button is the only one used.
class DragDriver {
 public:
  virtual ~DragDriver() = default;
  virtual void MoveTo(TPoint screen) = 0;
  virtual void Press() = 0;
  virtual void Release() = 0;
  // Escape pressed and released in window.
  virtual void Escape(TWinControl& window) = 0;
  // The pointer shape shows the drag refused (crNoDrop) or not.
  virtual bool ShowsNoDrop() = 0;
};

// Each scenario reads its own form from a description, at (200, 150) of the
// screen, 320 x 200: a regioned button, a label and a windowed control.
// Nothing else may cover that part of the screen.
void DropsRefusalsAndEscape(DragDriver& driver);
void ThresholdAndAWindowlessSource(DragDriver& driver);
void HandlersThatFreeTheSourceOrTheTarget(DragDriver& driver);

#define NUVEX_DRAG_SCENARIO_TESTS(Fixture)                                                                \
  TEST_F(Fixture, DropsRefusalsAndEscape) { Run(test::DropsRefusalsAndEscape); }                          \
  TEST_F(Fixture, ThresholdAndAWindowlessSource) { Run(test::ThresholdAndAWindowlessSource); }            \
  TEST_F(Fixture, HandlersThatFreeTheSourceOrTheTarget) { Run(test::HandlersThatFreeTheSourceOrTheTarget); }

}  // namespace nuvex::test
