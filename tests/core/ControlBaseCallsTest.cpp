// Skinned controls keep their own rules for visibility, colour and font; a
// caller that holds them as a plain TControl* (a skin manager holds three
// kinds of control) must meet the same rules.
#include <gtest/gtest.h>

#include <memory>

#include "controls/MyProgressBar.h"
#include "skin/RegionedButton.h"
#include "tests/support/Services.h"

namespace nuvex {
namespace {

class ControlBaseCalls : public test::HeadlessTest {
 protected:
  ControlBaseCalls() {
    form->SetBounds(50, 50, 300, 120);
    form->HandleNeeded();
  }

  std::unique_ptr<TWinControl> form = std::make_unique<TWinControl>(nullptr);
};

TEST_F(ControlBaseCalls, SkinnedVisibilityHoldsThroughTheBase) {
  TRegionedButton& button = TComponent::Create<TRegionedButton>(*form);
  button.SetParent(form.get());
  TControl& asControl = button;

  asControl.Hide();  // as a skin manager does before a skin change
  button.SetSkinVisible(false);
  asControl.SetVisible(true);  // the program's wish, while the skin forbids it
  EXPECT_TRUE(button.SafeVisible());
  EXPECT_FALSE(button.Visible());
  EXPECT_FALSE(test::WindowOf(button).Visible());

  asControl.SetVisible(false);
  EXPECT_FALSE(button.SafeVisible());
  button.SetSkinVisible(true);
  asControl.SetVisible(button.SafeVisible());  // as a skin manager shows it again
  EXPECT_FALSE(button.Visible());
  asControl.SetVisible(true);
  EXPECT_TRUE(button.Visible());
  EXPECT_TRUE(button.SafeVisible());
  EXPECT_TRUE(test::WindowOf(button).Visible());

  // Hide and Show are the plain change around a skin switch: the wish stays.
  asControl.Hide();
  EXPECT_FALSE(button.Visible());
  EXPECT_TRUE(button.SafeVisible());
}

TEST_F(ControlBaseCalls, RegionedColourIsThePictureFillThroughTheBase) {
  TRegionedButton& button = TComponent::Create<TRegionedButton>(*form);
  button.SetParent(form.get());
  button.SetButtonWidth(12);
  button.SetButtonHeight(8);
  TControl& asControl = button;
  asControl.SetColor(clAqua);
  EXPECT_EQ(button.Color(), clAqua);
  EXPECT_EQ(asControl.Color(), clAqua);
  // No strip: the rendered picture is the fill colour alone.
  ASSERT_FALSE(button.RenderedImage().Empty());
  EXPECT_EQ(button.RenderedImage().ScanLine(0)[0], ColorToPixel(clAqua));
}

TEST_F(ControlBaseCalls, ProgressBarFontThroughTheBaseIsTheOneItDraws) {
  TMyProgressBar& bar = TComponent::Create<TMyProgressBar>(*form);
  bar.SetParent(form.get());
  TControl& asControl = bar;
  TFont font = bar.Font();
  font.Size += 5;
  font.Name = "Tahoma";
  asControl.SetFont(font);
  EXPECT_EQ(bar.Font(), font);
  EXPECT_EQ(asControl.Font(), font);
}

TEST_F(ControlBaseCalls, AShapeWaitsForTheWindowInsteadOfMakingIt) {
  // A parentless windowed control given a shape must not turn into a shown popup.
  TWinControl loose(nullptr);
  loose.SetBounds(0, 0, 10, 10);
  loose.SetWindowRegion(TRegion(TRect{0, 0, 5, 5}), true);
  EXPECT_FALSE(loose.HandleAllocated());
  EXPECT_TRUE(backend.WindowAt({2, 2}) == nullptr);
  // The window made later has the shape from the start.
  EXPECT_EQ(*test::WindowOf(loose).Region(), TRegion(TRect{0, 0, 5, 5}));
}

TEST_F(ControlBaseCalls, OneSkinChangeShapesTheWindowOnce) {
  TRegionedButton& button = TComponent::Create<TRegionedButton>(*form);
  button.SetParent(form.get());
  TBitmap strip(20, 30);  // three images of 20 x 10 with a key-coloured corner
  strip.Canvas().Brush.Color = clNavy;
  strip.Canvas().FillRect(strip.ClientRect());
  for (int y = 0; y < 30; y += 10) strip.Canvas().SetPixel(0, y, MakeColor(255, 0, 255));
  TButtonProperty property;
  property.Bitmap = std::make_shared<const TBitmap>(strip);
  property.ButtonCount = 3;
  property.Width = 40;
  property.Height = 12;
  property.XCoord = 3;
  property.YCoord = 4;
  property.Visible = true;
  THeadlessWindow& window = test::WindowOf(button);
  for (int change = 0; change < 3; ++change) {  // new size and place; same place; a move alone
    if (change == 2) property.XCoord = 9;
    const int before = window.RegionSetCount();
    button.ApplySkin(property);
    EXPECT_EQ(window.RegionSetCount(), before + 1) << change;
  }
  EXPECT_EQ(button.BoundsRect(), (TRect{9, 4, 49, 16}));
  EXPECT_FALSE(window.Region()->Contains(0, 0));  // the new picture's shape

  // A new strip laid out at a new size, moved back to the saved place.
  TBitmap wide(60, 30);
  wide.Canvas().Brush.Color = clTeal;
  wide.Canvas().FillRect(wide.ClientRect());
  button.SetBounds(30, 30, 5, 5);
  const int before = window.RegionSetCount();
  button.SetButtonWidth(60);
  EXPECT_EQ(window.RegionSetCount(), before + 1);
  button.SetButtons(&wide);
  EXPECT_EQ(window.RegionSetCount(), before + 2);
  EXPECT_EQ(button.BoundsRect(), (TRect{9, 4, 69, 16}));
}

}  // namespace
}  // namespace nuvex
