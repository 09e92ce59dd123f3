// The state-picture behaviour the regioned control and the regioned form
// share: its setters, the skin manager's link and the refused shape, run on
// both, and each of their differences tested once.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "skin/RegionedButton.h"
#include "skin/RegionedForm.h"
#include "tests/support/ButtonScenarios.h"
#include "tests/support/GraphicsTestUtil.h"
#include "tests/support/PinnedTexts.h"
#include "tests/support/Services.h"
#include "trace/TraceCapture.h"

namespace nuvex {
namespace {

// A manager that only keeps its list; it counts in *withdrawals what withdraws.
class SkinManagerDouble : public TSkinManagerLink {
 public:
  explicit SkinManagerDouble(int* withdrawals = nullptr) : TSkinManagerLink(nullptr), withdrawals_(withdrawals) {}
  bool RegisterControl(TComponent* control) override {
    if (std::find(controls.begin(), controls.end(), control) == controls.end()) controls.push_back(control);
    return true;
  }
  void UnregisterControl(TComponent* control) override {
    std::erase(controls, control);
    if (withdrawals_) ++*withdrawals_;
  }
  std::vector<TComponent*> controls;

 private:
  int* withdrawals_;
};

// A button loaded at (80, 63) on a parent window, which holds it.
struct ControlSubject {
  using Class = TRegionedButton;
  static constexpr int kLeft = 80, kTop = 63;
  static constexpr bool kIndexMayEqualCount = false;
  static constexpr bool kLayoutKeepsPresentPlace = false;
  static constexpr bool kPaintFillsEmptyPicture = false;
  static constexpr const char* kTrace = test::kRegionedControlRegionTrace;
  static TRegionedButton& Make(std::unique_ptr<TWinControl>& holder) {
    holder = std::make_unique<TWinControl>(nullptr);
    holder->SetBounds(0, 0, 374, 297);
    holder->HandleNeeded();
    return test::LoadRegionedButton(*holder, 3, test::Strip(3));
  }
};

// A form at (100, 50) made with its skin data.
struct FormSubject {
  using Class = TRegionedForm;
  static constexpr int kLeft = 100, kTop = 50;
  static constexpr bool kIndexMayEqualCount = true;
  static constexpr bool kLayoutKeepsPresentPlace = true;
  static constexpr bool kPaintFillsEmptyPicture = true;
  static constexpr const char* kTrace = test::kRegionedFormRegionTrace;
  static TRegionedForm& Make(std::unique_ptr<TWinControl>& holder) {
    holder = test::MakeRegionedForm(226, 39);
    return static_cast<TRegionedForm&>(*holder);
  }
};

// Each subject shows image 1 of test::Strip(3) at 226 x 39.
template <typename Subject>
class StatePictureTest : public test::HeadlessTest {
 protected:
  StatePictureTest() : picture(Subject::Make(holder)) { picture.SetButtonIndex(1); }

  THeadlessWindow& Window() { return test::WindowOf(picture); }
  int Shown() const { return test::ImageAt(picture.RenderedImage(), 10, 10); }

  const TBitmap strip = test::Strip(3);
  std::unique_ptr<TWinControl> holder;
  typename Subject::Class& picture;
};

using Subjects = ::testing::Types<ControlSubject, FormSubject>;
TYPED_TEST_SUITE(StatePictureTest, Subjects);

TYPED_TEST(StatePictureTest, ButtonIndexTakesOnlyImagesOfTheStripAndOnAFormTheCount) {
  auto& p = this->picture;
  THeadlessWindow& w = this->Window();
  w.ClearRecords();
  p.SetButtonIndex(4);
  p.SetButtonIndex(-1);
  p.SetButtonIndex(1);  // the same
  EXPECT_EQ(p.ButtonIndex(), 1);
  EXPECT_EQ(w.RegionSetCount(), 0);
  EXPECT_TRUE(w.Invalidations().empty());
  p.SetButtonIndex(2);
  EXPECT_EQ(this->Shown(), 2);
  EXPECT_EQ(w.RegionSetCount(), 1);
  EXPECT_FALSE(w.Invalidations().empty());

  // An index equal to the count shows the plain colour: a full rectangle
  // unless the colour is the key colour.
  p.SetButtonIndex(3);
  if (TypeParam::kIndexMayEqualCount) {
    EXPECT_EQ(p.ButtonIndex(), 3);
    EXPECT_TRUE(test::AllPixels(p.RenderedImage(), clWhite));
    EXPECT_EQ(*w.Region(), TRegion(TRect{0, 0, 226, 39}));
  } else {
    EXPECT_EQ(p.ButtonIndex(), 2);
  }
}

TYPED_TEST(StatePictureTest, LayoutSettersRenderResizeAndPlace) {
  auto& p = this->picture;
  p.SetLeft(10);  // moved at run time
  EXPECT_EQ(p.SavedLeft(), TypeParam::kLeft);
  p.SetButtonCount(4);  // strip of 117 rows: images of 29 rows now
  // A control goes back to its saved place; a form stays where it is.
  const int left = TypeParam::kLayoutKeepsPresentPlace ? 10 : TypeParam::kLeft;
  const TRect placed{left, TypeParam::kTop, left + 226, TypeParam::kTop + 39};
  EXPECT_EQ(p.BoundsRect(), placed);
  EXPECT_EQ(this->Window().Bounds(), placed);
  EXPECT_EQ(p.SavedLeft(), left);

  p.SetButtonWidth(100);
  EXPECT_EQ(p.Width(), 100);
  EXPECT_EQ(p.RenderedImage().Width(), 100);
  EXPECT_EQ(this->Window().Region()->Bounds(), (TRect{0, 0, 100, 39}));

  // A margin change re-renders.
  p.SetButtonCount(3);
  p.SetLeftMargin(20);
  EXPECT_EQ(this->Shown(), 1);
  EXPECT_EQ(test::PixelAt(p.RenderedImage(), 1, 5), KeyColour);

  // Transparent off keeps the shape; Color re-renders only the plain picture.
  const int regions = this->Window().RegionSetCount();
  p.SetTransparent(false);
  p.SetButtonIndex(2);
  EXPECT_EQ(this->Window().RegionSetCount(), regions);
  p.SetColor(clYellow);
  EXPECT_EQ(this->Shown(), 2);
}

TYPED_TEST(StatePictureTest, AnEmptyPictureBufferPaintsAsColourOnlyOnAForm) {
  auto& p = this->picture;
  p.SetButtonWidth(0);  // no layout at a width of 0...
  p.SetColor(clYellow);  // ...but the buffer is rendered at it
  ASSERT_EQ(p.RenderedImage().Width(), 0);
  p.Show();  // a form paints only once shown
  this->backend.ProcessMessages();
  EXPECT_EQ(test::PixelAt(this->Window().Picture(), 50, 20) == clYellow, TypeParam::kPaintFillsEmptyPicture);
}

TYPED_TEST(StatePictureTest, ButtonsSetterCopiesEvenAnEqualPictureAndIgnoresNone) {
  auto& p = this->picture;
  TBitmap changed = this->strip;
  p.SetButtons(nullptr);
  EXPECT_EQ(p.Buttons()->Width(), 226);
  changed.Canvas().Brush.Color = clBlue;
  changed.Canvas().FillRect({0, 39, 226, 78});
  p.SetButtons(&changed);
  EXPECT_EQ(test::PixelAt(p.RenderedImage(), 10, 10), clBlue);
  changed.Canvas().FillRect({0, 0, 226, 117});  // the subject holds its own copy
  EXPECT_EQ(test::PixelAt(*p.Buttons(), 10, 0), test::kImageColor[0]);
}

TYPED_TEST(StatePictureTest, UnlinkingTheManagerDropsTheStripAndShowsThePlainColour) {
  auto& p = this->picture;
  SkinManagerDouble manager;
  p.SetSkinManager(&manager);
  p.SetSkinManager(&manager);
  EXPECT_EQ(manager.controls, (std::vector<TComponent*>{&p}));
  EXPECT_EQ(p.SkinManager(), &manager);
  const TRegion shape = *this->Window().Region();
  const int regions = this->Window().RegionSetCount();

  p.SetSkinManager(nullptr);
  EXPECT_TRUE(manager.controls.empty());
  EXPECT_EQ(p.Buttons(), nullptr);
  EXPECT_EQ(p.ButtonIndex(), -1);
  EXPECT_EQ(p.ButtonCount(), 0);
  EXPECT_TRUE(test::AllPixels(p.RenderedImage(), clWhite));
  EXPECT_EQ(*this->Window().Region(), shape);  // the last shape stays
  EXPECT_EQ(this->Window().RegionSetCount(), regions);

  // Relinked, the subject has a strip again; the index stays -1 (the plain
  // picture) until an image is chosen.
  p.SetSkinManager(&manager);
  ASSERT_NE(p.Buttons(), nullptr);
  p.SetButtons(&this->strip);
  p.SetButtonCount(3);
  EXPECT_EQ(p.ButtonIndex(), -1);
  EXPECT_TRUE(test::AllPixels(p.RenderedImage(), clWhite));
  p.SetButtonIndex(2);
  EXPECT_EQ(this->Shown(), 2);
  EXPECT_EQ(*this->Window().Region(), test::ShapeOf(2));
  this->holder.reset();  // destroyed, it withdraws
  EXPECT_TRUE(manager.controls.empty());
}

TYPED_TEST(StatePictureTest, SwitchingManagersWithdrawsAndAManagerGoneFirstIsForgotten) {
  auto& p = this->picture;
  SkinManagerDouble first;
  int withdrawals = 0;
  auto second = std::make_unique<SkinManagerDouble>(&withdrawals);
  p.SetSkinManager(&first);
  p.SetSkinManager(second.get());
  EXPECT_TRUE(first.controls.empty());
  EXPECT_EQ(second->controls, (std::vector<TComponent*>{&p}));
  second.reset();
  EXPECT_EQ(p.SkinManager(), nullptr);
  this->holder.reset();  // nothing to tell the manager that is gone
  EXPECT_EQ(withdrawals, 0);
}

TYPED_TEST(StatePictureTest, ARefusedShapeIsTracedWithTheClassNameAndTheOldOneStays) {
  const std::optional<TRegion> before = this->Window().Region();
  TraceCapture trace;
  this->backend.RefuseRegions(true);
  this->picture.SetButtonIndex(2);
  ASSERT_EQ(trace.Lines().size(), 1u);
  EXPECT_EQ(trace.Lines()[0].Text(), TypeParam::kTrace);
  EXPECT_EQ(this->Window().Region(), before);
}

}  // namespace
}  // namespace nuvex
