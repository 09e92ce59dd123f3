// The regioned control and button over the headless backend: loading, the
// state machine, mouse sequences, skins and the window's shape (the setters
// it shares with the regioned form: StatePictureTest.cpp).
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/support/ButtonScenarios.h"
#include "tests/support/GraphicsTestUtil.h"
#include "tests/support/Services.h"
#include "skin/RegionedButton.h"
#include "skin/SkinTools.h"
#include "toolkit/ui/Application.h"
#include "toolkit/backends/headless/HeadlessBackend.h"

namespace nuvex {
namespace {

using test::kImageColor;
using test::PixelAt;
using test::ShapeOf;
using test::Strip;

// Which image the picture buffer shows (by its colour at (10, 10)); -1 for none.
int ShownImage(const TRegionedCustomControl& control) { return test::ImageAt(control.RenderedImage(), 10, 10); }

// The scenarios of ButtonScenarios.h through simulated input.
class HeadlessButtonDriver : public test::ButtonDriver {
 public:
  HeadlessButtonDriver(THeadlessBackend& backend, TRegionedButton& button) : backend_(backend), button_(button) {}
  TRegionedButton& Button() override { return button_; }
  void MoveTo(int x, int y) override { backend_.MoveMouse({button_.Left() + x, button_.Top() + y}); }
  void Press(bool doubleClick) override { backend_.PressMouse(mbLeft, doubleClick); }
  void Release() override { backend_.ReleaseMouse(mbLeft); }
  int ShownImage() override { return nuvex::ShownImage(button_); }
  TRegion Shape() override {
    const auto region = test::WindowOf(button_).Region();
    EXPECT_TRUE(region.has_value());
    return region.value_or(TRegion());
  }
  bool HasCapture() override { return test::WindowOf(button_).HasCapture(); }

 private:
  THeadlessBackend& backend_;
  TRegionedButton& button_;
};

class RegionedButtonTest : public test::HeadlessTest {
 protected:
  void SetUp() override {
    form = std::make_unique<TWinControl>(nullptr);
    form->SetName("RunInstallForm");
    form->SetBounds(0, 0, 374, 297);
    form->HandleNeeded();
  }

  // A button of Strip(count) read as a stored form description sets it.
  TRegionedButton& LoadButton(int count, int left = 80, int top = 63) {
    return test::LoadRegionedButton(*form, count, Strip(count), left, top);
  }

  // A scenario of ButtonScenarios.h on a button of three images.
  void Run(void (*scenario)(test::ButtonDriver&)) {
    HeadlessButtonDriver driver(backend, LoadButton(3));
    scenario(driver);
  }

  THeadlessWindow& WindowOf(TRegionedButton& b) { return test::WindowOf(b); }
  // A screen point at (x, y) of the button.
  TPoint On(TRegionedButton& b, int x, int y) { return {b.Left() + x, b.Top() + y}; }

  std::unique_ptr<TWinControl> form;
};

TEST(RegionedButtonStates, StateToButtonIndexTable) {
  struct Row {
    TRegionedButtonState state;
    int four, three, two, one, zero;
  };
  const Row rows[] = {
      {rbsNormal, 1, 1, 1, 1, 1},   {rbsMouseOver, 2, 2, 0, 1, 1}, {rbsPressed, 0, 0, 0, 1, 1},
      {rbsDisabled, 3, 1, 1, 1, 1}, {rbsExtra1, 1, 1, 1, 1, 1},    {rbsExtra3, 1, 1, 1, 1, 1},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(StateToButtonIndex(r.state, 4), r.four) << int(r.state);
    EXPECT_EQ(StateToButtonIndex(r.state, 3), r.three) << int(r.state);
    EXPECT_EQ(StateToButtonIndex(r.state, 2), r.two) << int(r.state);
    EXPECT_EQ(StateToButtonIndex(r.state, 1), r.one) << int(r.state);
    EXPECT_EQ(StateToButtonIndex(r.state, 0), r.zero) << int(r.state);
  }
  EXPECT_EQ(StateToButtonIndex(rbsDisabled, 5), 1);
  EXPECT_EQ(StateToButtonIndex(rbsMouseOver, 5), 2);
}

TEST_F(RegionedButtonTest, ConstructionDefaults) {
  TRegionedButton& b = TComponent::Create<TRegionedButton>(*form);
  EXPECT_EQ(b.BoundsRect(), (TRect{0, 0, 20, 20}));
  EXPECT_EQ(b.ButtonWidth(), 0);  // the size at construction, before the 20 x 20
  EXPECT_EQ(b.ButtonHeight(), 0);
  EXPECT_EQ(b.ButtonIndex(), 0);
  EXPECT_EQ(b.ButtonCount(), 0);
  ASSERT_NE(b.Buttons(), nullptr);
  EXPECT_TRUE(b.Buttons()->Empty());
  EXPECT_EQ(b.State(), rbsNormal);
  EXPECT_TRUE(b.Enabled());
  EXPECT_FALSE(b.Checked());
  EXPECT_TRUE(b.Transparent());
  EXPECT_EQ(b.Color(), clWhite);
  EXPECT_TRUE(b.SafeVisible());
  EXPECT_TRUE(b.SkinVisible());
  EXPECT_FALSE(b.TabStop());
  EXPECT_EQ(b.ClassName(), "TRegionedButton");
}

TEST_F(RegionedButtonTest, LoadingRendersSizesAndShapesOnce) {
  TRegionedButton& b = LoadButton(3);
  EXPECT_EQ(b.ButtonIndex(), 1);  // the stored 1 was refused while the count was 0; the state gives 1
  EXPECT_EQ(ShownImage(b), 1);
  EXPECT_EQ(b.RenderedImage().Width(), 226);
  EXPECT_EQ(b.RenderedImage().Height(), 39);
  EXPECT_EQ(b.SavedLeft(), 80);
  EXPECT_EQ(b.SavedTop(), 63);
  THeadlessWindow& w = WindowOf(b);
  EXPECT_EQ(w.Bounds(), (TRect{80, 63, 306, 102}));
  ASSERT_TRUE(w.Region().has_value());
  EXPECT_EQ(*w.Region(), ShapeOf(1));
  EXPECT_EQ(w.RegionSetCount(), 1);
  EXPECT_EQ(b.ControlName(), "RunInstallForm.rbRunInstall");

  backend.ProcessMessages();
  EXPECT_EQ(PixelAt(w.Picture(), 50, 20), kImageColor[1]);
  EXPECT_EQ(PixelAt(w.Picture(), 1, 20), KeyColour);  // painted, but outside the shape
}

NUVEX_BUTTON_SCENARIO_TESTS(RegionedButtonTest)

TEST_F(RegionedButtonTest, ARefusedShapeLeavesTheButtonItsOldOneAndWorking) {
  TRegionedButton& b = LoadButton(3);
  int clicks = 0;
  b.OnLeftButtonClick = [&](TObject*) { ++clicks; };
  const std::optional<TRegion> before = WindowOf(b).Region();
  backend.RefuseRegions(true);
  backend.MoveMouse(On(b, 50, 20));  // the pointer-over picture wants its own shape
  EXPECT_EQ(ShownImage(b), 2);
  EXPECT_EQ(WindowOf(b).Region(), before);
  EXPECT_EQ(b.WindowRegion(), before);
  backend.PressMouse(mbLeft);
  backend.ReleaseMouse(mbLeft);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(backend.MessageBoxes().empty());
  backend.RefuseRegions(false);
  backend.MoveMouse({400, 400});
  EXPECT_EQ(*WindowOf(b).Region(), ShapeOf(1));
}

TEST_F(RegionedButtonTest, ARightPressSetsMouseInsideButNotPressed) {
  TRegionedButton& b = LoadButton(3);
  int leftClicks = 0;
  b.OnLeftButtonClick = [&](TObject*) { ++leftClicks; };
  // Straight onto the button without a move first: the press itself marks it inside.
  backend.PressMouse(mbRight);  // the pointer is elsewhere: nothing
  EXPECT_FALSE(b.MouseInside());
  backend.ReleaseMouse(mbRight);

  backend.MoveMouse(On(b, 50, 20));
  backend.PressMouse(mbRight);
  EXPECT_TRUE(b.MouseInside());
  EXPECT_FALSE(b.Pressed());
  EXPECT_EQ(b.State(), rbsMouseOver);
  backend.ReleaseMouse(mbRight);
  EXPECT_EQ(leftClicks, 0);
}

TEST_F(RegionedButtonTest, DisabledShowsNormalWithThreeImagesAndTheFourthWithFour) {
  TRegionedButton& b = LoadButton(3);
  backend.MoveMouse(On(b, 50, 20));
  b.SetEnabled(false);
  EXPECT_EQ(b.State(), rbsDisabled);
  EXPECT_EQ(ShownImage(b), 1);
  EXPECT_FALSE(test::WindowOf(b).Enabled());
  int leftClicks = 0;
  b.OnLeftButtonClick = [&](TObject*) { ++leftClicks; };
  backend.Click(On(b, 50, 20));
  EXPECT_EQ(leftClicks, 0);
  // Enabled again: the mouse state starts afresh.
  b.SetEnabled(true);
  EXPECT_FALSE(b.MouseInside());
  EXPECT_EQ(b.State(), rbsNormal);

  TRegionedButton& c = LoadButton(4, 80, 151);
  c.SetEnabled(false);
  EXPECT_EQ(c.ButtonIndex(), 3);
  EXPECT_EQ(ShownImage(c), 3);
  EXPECT_EQ(*WindowOf(c).Region(), ShapeOf(3));
}

TEST_F(RegionedButtonTest, TwoImagesShareMouseOverAndPressed) {
  TRegionedButton& b = LoadButton(2);
  EXPECT_EQ(ShownImage(b), 1);
  backend.MoveMouse(On(b, 50, 20));
  EXPECT_EQ(ShownImage(b), 0);
  backend.PressMouse(mbLeft);
  EXPECT_EQ(ShownImage(b), 0);
  backend.ReleaseMouse(mbLeft);
  backend.MoveMouse({360, 280});
  EXPECT_EQ(ShownImage(b), 1);
}

TEST_F(RegionedButtonTest, OneImageKeepsTheIndexLoadingGave) {
  TRegionedButton& b = LoadButton(1);
  // Loading takes the state's index 1, equal to the count: the plain colour picture.
  EXPECT_EQ(b.ButtonIndex(), 1);
  EXPECT_TRUE(test::AllPixels(b.RenderedImage(), clWhite));
  EXPECT_EQ(*WindowOf(b).Region(), TRegion(TRect{0, 0, 226, 39}));
  backend.MoveMouse(On(b, 50, 20));
  backend.PressMouse(mbLeft);
  EXPECT_EQ(b.State(), rbsPressed);
  EXPECT_EQ(b.ButtonIndex(), 1);
  backend.ReleaseMouse(mbLeft);
  EXPECT_EQ(b.ButtonIndex(), 1);
}

TEST_F(RegionedButtonTest, AnIndexEqualToTheCountAfterASkinShowsThePlainColour) {
  TRegionedCustomControl& c = TComponent::Create<TRegionedCustomControl>(*form);
  c.SetParent(form.get());
  int32_t asked = -5;
  c.OnBeforeLoadButtons = [&](TObject*, int32_t& index) {
    asked = index;
    index = 3;  // the handler may move it anywhere
  };
  TButtonProperty p;
  p.Bitmap = std::make_shared<const TBitmap>(Strip(3));
  p.ButtonCount = 3;
  p.Width = 100;
  p.Height = 20;
  p.SplitMode = spHorizontal;
  p.Visible = true;
  c.ApplySkin(p);
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(c.ButtonIndex(), 3);
  EXPECT_TRUE(test::AllPixels(c.RenderedImage(), clWhite));
  EXPECT_EQ(*test::WindowOf(c).Region(), TRegion(TRect{0, 0, 100, 20}));
}

TEST_F(RegionedButtonTest, AMoveAloneStillGivesTheNewPictureItsShape) {
  TRegionedButton& b = LoadButton(3);
  b.SetTop(5);
  // A new strip of the same size whose image 1 has no holes at all.
  TBitmap plain(226, 117);
  plain.Canvas().Brush.Color = clLime;
  plain.Canvas().FillRect(plain.ClientRect());
  b.SetButtons(&plain);
  EXPECT_EQ(b.Top(), 63);
  EXPECT_EQ(*WindowOf(b).Region(), TRegion(TRect{0, 0, 226, 39}));
}

TEST_F(RegionedButtonTest, PaintingErrorsReachTheCallerAndLeaveTheBufferRed) {
  TRegionedButton& b = LoadButton(3);
  // Top and bottom margins that meet: the image has no interior.
  b.SetTopMargin(20);
  EXPECT_THROW(b.SetBottomMargin(19), Error);
  EXPECT_TRUE(test::AllPixels(b.RenderedImage(), ErrorColour));

  // Through a hover the error goes to the application's report and the window lives on.
  backend.MoveMouse(On(b, 50, 20));
  ASSERT_EQ(backend.MessageBoxes().size(), 1u);
  EXPECT_EQ(backend.MessageBoxes()[0].Text, "[PaintBitmap] CheckError returned True.");
  b.SetBottomMargin(0);
  EXPECT_EQ(ShownImage(b), 2);
}

TEST_F(RegionedButtonTest, ApplySkinTakesOverTheDefinition) {
  TRegionedButton& b = LoadButton(3);
  int after = 0;
  b.OnAfterLoadButtons = [&](TObject* sender) {
    EXPECT_EQ(sender, &b);
    ++after;
  };
  bool before = false;
  b.OnBeforeLoadButtons = [&](TObject*, int32_t&) { before = true; };

  // Four images of 26 x 19 side by side.
  TBitmap picture(104, 19);
  for (int k = 0; k < 4; ++k) {
    picture.Canvas().Brush.Color = kImageColor[k];
    picture.Canvas().FillRect({26 * k, 0, 26 * (k + 1), 19});
  }
  picture.Canvas().SetPixel(26 + 3, 3, KeyColour);
  TButtonProperty p = test::FourImagesSideBySide(picture);
  p.ControlType = RegionedButton;
  p.Visible = false;
  p.Transparent = false;  // not taken over
  b.ApplySkin(p);

  EXPECT_EQ(b.BoundsRect(), (TRect{44, 93, 70, 112}));
  EXPECT_EQ(b.SavedLeft(), 44);
  EXPECT_EQ(b.ButtonCount(), 4);
  EXPECT_EQ(b.SplitMode(), spVertical);
  EXPECT_EQ(b.ButtonIndex(), 1);
  EXPECT_EQ(ShownImage(b), 1);
  EXPECT_TRUE(b.Transparent());
  EXPECT_FALSE(b.SkinVisible());
  EXPECT_TRUE(b.Visible());  // the manager applies the visibility afterwards
  EXPECT_FALSE(before);      // a button takes its state's index instead
  EXPECT_EQ(after, 1);
  TRegion expected(TRect{0, 0, 26, 19});
  EXPECT_EQ(*WindowOf(b).Region(), test::ShapeWithHole(3, 3, 26, 19));
  EXPECT_EQ(picture.Width(), 104);  // the control copied, the reader keeps its picture

  // The same definition again (no move, no resize) still re-renders and shapes.
  picture.Canvas().SetPixel(26 + 3, 3, kImageColor[1]);
  p.Bitmap = std::make_shared<const TBitmap>(picture);
  b.ApplySkin(p);
  EXPECT_EQ(*WindowOf(b).Region(), expected);
  EXPECT_EQ(after, 2);
}

TEST_F(RegionedButtonTest, BoundsAreSetAsAskedAndAResizeReshapes) {
  TRegionedButton& b = LoadButton(3);
  backend.MoveMouse({360, 280});  // keep the pointer away from where the button goes
  b.SetBounds(0, 0, 100, 20);     // set as asked; the saved place stays
  EXPECT_EQ(b.BoundsRect(), (TRect{0, 0, 100, 20}));
  EXPECT_EQ(b.SavedLeft(), 80);
  // Resize rebuilt the shape from the (unchanged) picture buffer.
  EXPECT_EQ(*WindowOf(b).Region(), ShapeOf(1));
  b.SetButtonHeight(39);  // unchanged: nothing
  EXPECT_EQ(b.BoundsRect(), (TRect{0, 0, 100, 20}));
  b.SetButtonHeight(30);
  EXPECT_EQ(b.BoundsRect(), (TRect{80, 63, 306, 93}));
}

TEST_F(RegionedButtonTest, PaintingCopiesThePictureWithoutClearing) {
  TRegionedButton& b = LoadButton(3);
  backend.ProcessMessages();
  THeadlessWindow& w = WindowOf(b);
  const int paints = w.PaintCount();
  backend.MoveMouse(On(b, 50, 20));
  backend.ProcessMessages();
  EXPECT_GT(w.PaintCount(), paints);
  EXPECT_EQ(PixelAt(w.Picture(), 50, 20), kImageColor[2]);
}

}  // namespace
}  // namespace nuvex
