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
};

// Each scenario makes its own form at (200, 150) of the screen, 320 x 200:
// a regioned button as the source, a label (windowless) and a windowed
// control to drop on.  Nothing else may cover that part of the screen.
void DropsOnALabelAndOnAWindowedControl(DragDriver& driver);
void RefusedDropAndEscapeDropNothing(DragDriver& driver);
void BelowTheThresholdAPressStaysAClick(DragDriver& driver);
void ALabelDraggedOntoTheButton(DragDriver& driver);
void HandlersThatFreeTheSourceOrTheTarget(DragDriver& driver);

#define NUVEX_DRAG_SCENARIO_TESTS(Fixture)                                                                \
  TEST_F(Fixture, DropsOnALabelAndOnAWindowedControl) { Run(test::DropsOnALabelAndOnAWindowedControl); }  \
  TEST_F(Fixture, RefusedDropAndEscapeDropNothing) { Run(test::RefusedDropAndEscapeDropNothing); }        \
  TEST_F(Fixture, BelowTheThresholdAPressStaysAClick) { Run(test::BelowTheThresholdAPressStaysAClick); }  \
  TEST_F(Fixture, ALabelDraggedOntoTheButton) { Run(test::ALabelDraggedOntoTheButton); }                  \
  TEST_F(Fixture, HandlersThatFreeTheSourceOrTheTarget) { Run(test::HandlersThatFreeTheSourceOrTheTarget); }

}  // namespace nuvex::test
