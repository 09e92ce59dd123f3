#pragma once
// Mouse sequences on a regioned button, written once and run on every window
// backend through a driver: core_tests drives the headless backend, win_tests
// real Win32 windows, so the headless backend cannot drift from Win32.
#include <gtest/gtest.h>

#include <memory>

#include "skin/ButtonProperty.h"
#include "skin/RegionedButton.h"
#include "skin/RegionedForm.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Region.h"

namespace nuvex::test {

inline constexpr TColor kImageColor[4] = {0x0000C0, 0x00C000, 0xC00000, 0x808080};

// A strip of `count` images of w x h stacked top to bottom; image k is
// kImageColor[k] with a key-coloured column at x = k, so the shape tells the
// images apart too.
TBitmap Strip(int count, int w = 226, int h = 39);

// The shape of image k at w x h.
TRegion ShapeOf(int k, int w = 226, int h = 39);

// Which strip image a picture shows at (x, y) by its colour; -1 for none.
int ImageAt(const TBitmap& picture, int x, int y);

// A skin's definition of four 26 x 19 images side by side in (a copy of)
// picture (104 x 19), placed at (44, 93), shown.
TButtonProperty FourImagesSideBySide(const TBitmap& picture);

// A w x h shape without the one pixel at (x, y).
TRegion ShapeWithHole(int x, int y, int w, int h);

// A button "rbRunInstall" read the way a stored form description sets it:
// count images of strip, at (left, top) on parent.
TRegionedButton& LoadRegionedButton(TWinControl& parent, int count, const TBitmap& strip, int left = 80, int top = 63);

// A borderless regioned form at (100, 50) made in its two steps with skin
// data that asks for index 2 of a strip of 3 images of w x h; each further
// skin data has one image more and is 10 wider.
std::unique_ptr<TRegionedForm> MakeRegionedForm(int w, int h, int dataComponents = 1);

// What a scenario needs of a backend.  Points are client points of the
// button, outside it too; the left button is the only one used.
class ButtonDriver {
 public:
  virtual ~ButtonDriver() = default;
  virtual TRegionedButton& Button() = 0;
  virtual void MoveTo(int x, int y) = 0;
  // The left button goes down where the pointer is; the second press of a
  // double click comes as one.
  virtual void Press(bool doubleClick = false) = 0;
  virtual void Release() = 0;
  // The strip image the button shows, as this backend can see it.
  virtual int ShownImage() = 0;
  // The shape of the button's window.
  virtual TRegion Shape() = 0;
  // Whether the button's window holds the mouse capture.
  virtual bool HasCapture() = 0;
};

// Each scenario takes a button loaded with Strip(3) at 226 x 39, the pointer
// away from it, at least 280 x 217 of its parent's client area free to the
// right of and below its top-left corner.
void HoverPressDragOffAndReleaseOutside(ButtonDriver& driver);
void TheClickHandlerStillSeesThePressedImage(ButtonDriver& driver);
void DoubleClickFiresOnClickOnceAndOnLeftButtonClickTwice(ButtonDriver& driver);
void CheckedShowsPressedWhateverTheMouseDoes(ButtonDriver& driver);

// One test per scenario in a fixture with Run(scenario), so that every
// scenario runs on every backend.
#define NUVEX_BUTTON_SCENARIO_TESTS(Fixture)                                                               \
  TEST_F(Fixture, HoverPressDragOffAndReleaseOutside) { Run(test::HoverPressDragOffAndReleaseOutside); } \
  TEST_F(Fixture, TheClickHandlerStillSeesThePressedImage) {                                               \
    Run(test::TheClickHandlerStillSeesThePressedImage);                                                    \
  }                                                                                                        \
  TEST_F(Fixture, DoubleClickFiresOnClickOnceAndOnLeftButtonClickTwice) {                                  \
    Run(test::DoubleClickFiresOnClickOnceAndOnLeftButtonClickTwice);                                       \
  }                                                                                                        \
  TEST_F(Fixture, CheckedShowsPressedWhateverTheMouseDoes) { Run(test::CheckedShowsPressedWhateverTheMouseDoes); }

}  // namespace nuvex::test
