// TMyProgressBar as a control on a headless window: defaults and bounds, the
// immediate repaint and what it skips, events, clicks, loading, and the
// completion estimate in a linked label with a clock the test sets.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/support/GraphicsTestUtil.h"
#include "tests/support/ProgressBarPicture.h"
#include "tests/support/Services.h"
#include "controls/MyProgressBar.h"
#include "language/Language.h"
#include "platform/Clock.h"
#include "platform/LocaleFormats.h"
#include "toolkit/backends/headless/HeadlessBackend.h"
#include "toolkit/graphics/TextRenderer.h"
#include "toolkit/ui/WinControl.h"

namespace nuvex {
namespace {

using test::SamePixels;

class ProgressBarControl : public test::HeadlessTest {
 protected:
  void SetUp() override {
    clock.SetLocalTime({2026, 12, 7, 10, 0, 0, 0});
    clock.SetTickCount(5000);
    form = std::make_unique<TWinControl>(nullptr);
    form->SetBounds(100, 100, 300, 80);
    form->HandleNeeded();
    bar = &TComponent::Create<TMyProgressBar>(*form);
    bar->SetParent(form.get());
    bar->SetBounds(10, 20, 225, 18);
    bar->SetColorDone(clRed);
    bar->SetColorToDo(clNavy);
    backend.ProcessMessages();
  }

  THeadlessWindow& Window() { return test::WindowOf(*form); }

  // The bar's rectangle as the window shows it now.
  TBitmap OnScreen() {
    TBitmap part(bar->Width(), bar->Height());
    part.Canvas().CopyRect(part.ClientRect(), Window().Picture(), bar->BoundsRect());
    return part;
  }

  // The bar's picture as its properties say it should be.
  TBitmap Expected() { return test::ExpectedPicture(*bar); }

  THeadlessTextRenderer text;
  ScopedService<TTextRenderer> useText{text};
  TManualClock clock;
  ScopedService<TClock> useClock{clock};
  std::unique_ptr<TWinControl> form;
  TMyProgressBar* bar = nullptr;
};

TEST(ProgressBarDefaults, InitialValuesAndMinimumBounds) {
  TMyProgressBar bar(nullptr);
  EXPECT_EQ(bar.ClassName(), "TMyProgressBar");
  EXPECT_EQ(bar.Width(), 100);
  EXPECT_EQ(bar.Height(), 20);
  EXPECT_EQ(bar.Min(), 0);
  EXPECT_EQ(bar.Max(), 100);
  EXPECT_EQ(bar.Position(), 0);
  EXPECT_EQ(bar.Step(), 1);
  EXPECT_EQ(bar.ColorDone(), clTeal);
  EXPECT_EQ(bar.ColorToDo(), clBtnFace);
  EXPECT_EQ(bar.ColorFrame(), clBlack);
  EXPECT_EQ(bar.FrameColors().Light, clBlack);
  EXPECT_EQ(bar.FrameColors().Dark, clBlack);
  EXPECT_TRUE(bar.ShowPercentage());
  EXPECT_EQ(bar.Shape(), psBox);
  EXPECT_EQ(bar.Style(), psLowered);
  EXPECT_TRUE(bar.Visible());
  EXPECT_EQ(bar.LinkInfoLabel(), nullptr);
  EXPECT_TRUE(bar.ControlStyle() & csOpaque);
  EXPECT_FALSE(bar.ControlStyle() & csDoubleClicks);

  bar.SetBounds(7, 9, 5, 2);
  EXPECT_EQ(bar.BoundsRect(), Bounds(7, 9, 10, 4));
  bar.SetBounds(-3, -4, 10, 4);
  EXPECT_EQ(bar.BoundsRect(), Bounds(-3, -4, 10, 4));
  bar.SetWidth(-50);
  EXPECT_EQ(bar.Width(), 10);

  bar.SetStep(0);
  EXPECT_EQ(bar.Step(), 1);
  bar.SetColorFrame(clNavy);
  EXPECT_EQ(bar.ColorFrame(), clNavy);
  EXPECT_EQ(bar.FrameColors().Light, MakeColor(48, 48, 176));
  EXPECT_EQ(bar.FrameColors().Dark, MakeColor(0, 0, 80));
}

TEST_F(ProgressBarControl, RepaintsAtOnceWithoutTheMessageLoop) {
  EXPECT_TRUE(SamePixels(OnScreen(), Expected()));
  const int paints = Window().PaintCount();
  bar->SetPosition(50);
  EXPECT_EQ(Window().PaintCount(), paints + 1);
  EXPECT_TRUE(SamePixels(OnScreen(), Expected()));
  EXPECT_EQ(OnScreen().Canvas().Pixel(111, 16), clRed);  // 112 pixels done
  EXPECT_EQ(OnScreen().Canvas().Pixel(112, 16), clNavy);
  EXPECT_FALSE(Window().HasPendingPaint());

  bar->SetShape(psFrame);
  bar->SetStyle(psRaised);
  bar->SetBorderWidth(2);
  EXPECT_EQ(Window().PaintCount(), paints + 4);
  EXPECT_TRUE(SamePixels(OnScreen(), Expected()));
}

TEST_F(ProgressBarControl, PositionBeyondMaxFillsTheBarOnceAndOnlyOnce) {
  int changes = 0;
  bar->OnChangePosition = [&](TObject* sender) {
    EXPECT_EQ(sender, bar);
    ++changes;
  };
  bar->SetPosition(250);
  EXPECT_EQ(bar->Position(), 100);
  EXPECT_EQ(changes, 1);
  const int paints = Window().PaintCount();
  bar->SetPosition(250);
  bar->SetPosition(100);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(Window().PaintCount(), paints);
  TBitmap expected = Expected();
  EXPECT_TRUE(SamePixels(OnScreen(), expected));
  EXPECT_EQ(OnScreen().Canvas().Pixel(223, 16), clRed);
}

TEST_F(ProgressBarControl, ChangePositionFiresAfterTheRepaintAndNotForRangeMoves) {
  int changes = 0;
  int paintsSeen = -1;
  bar->OnChangePosition = [&](TObject*) {
    ++changes;
    paintsSeen = Window().PaintCount();
  };
  const int paints = Window().PaintCount();
  bar->SetPosition(60);
  EXPECT_EQ(paintsSeen, paints + 1);
  bar->SetMax(40);  // pulls Position down
  EXPECT_EQ(bar->Position(), 40);
  bar->SetMin(45);  // Min becomes Max, pulls Position up
  EXPECT_EQ(bar->Min(), 40);
  bar->SetMax(10);  // Min + 1
  EXPECT_EQ(bar->Max(), 41);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(SamePixels(OnScreen(), Expected()));
}

TEST_F(ProgressBarControl, AChangeThatLeavesThePictureAsItIsPaintsNothing) {
  // 4096-byte reports over 10 MB: 2441 calls for 225 pixels and 100 percent.
  bar->SetMax(10000000);
  int paints = Window().PaintCount();
  int calls = 0;
  for (int p = 4096; p <= 10000000; p += 4096, ++calls) {
    const int before = Window().PaintCount();
    bar->SetPosition(p);
    // Whatever was skipped, the screen shows the bar as it is now.
    ASSERT_TRUE(SamePixels(OnScreen(), Expected())) << p;
    ASSERT_LE(Window().PaintCount(), before + 1);
  }
  paints = Window().PaintCount() - paints;
  EXPECT_GT(paints, 90);         // every percent at least
  EXPECT_LE(paints, 225 + 100);  // but far from every call

  // Settings that take no part in the picture paint nothing either.
  const int before = Window().PaintCount();
  bar->SetStep(7);
  bar->SetColorFrame(clAqua);
  bar->SetShowPercentage(false);
  EXPECT_EQ(Window().PaintCount(), before + 1);
  bar->SetInfoText("Copying");
  bar->SetFont(TFont{"Arial", 12, clLime, fsBold});
  EXPECT_EQ(Window().PaintCount(), before + 1);
  bar->SetShowPercentage(true);
  EXPECT_EQ(Window().PaintCount(), before + 2);
  EXPECT_TRUE(SamePixels(OnScreen(), Expected()));
  bar->SetFont(bar->Font());  // the bar's own font
  EXPECT_EQ(Window().PaintCount(), before + 2);
}

TEST_F(ProgressBarControl, AfterBeingHiddenTheSamePictureIsPaintedAgain) {
  bar->SetMax(100000);
  bar->SetPosition(50000);
  int paints = Window().PaintCount();
  bar->SetPosition(49999);  // the same 112 pixels and 50 %
  EXPECT_EQ(Window().PaintCount(), paints);

  bar->Hide();
  bar->SetPosition(50000);  // hidden: nothing painted
  EXPECT_EQ(Window().PaintCount(), paints);
  bar->Show();              // the window paints it later, when messages are handled
  paints = Window().PaintCount();
  bar->SetPosition(49999);  // but no message was handled: paint now
  EXPECT_EQ(Window().PaintCount(), paints + 1);
  EXPECT_TRUE(SamePixels(OnScreen(), Expected()));

  bar->SetBounds(12, 20, 225, 18);  // moved: paint again
  paints = Window().PaintCount();
  bar->SetPosition(50000);
  EXPECT_EQ(Window().PaintCount(), paints + 1);
  EXPECT_TRUE(SamePixels(OnScreen(), Expected()));
}

TEST_F(ProgressBarControl, ADoubleClickIsTwoClicks) {
  int clicks = 0, doubleClicks = 0;
  bar->OnClick = [&](TObject*) { ++clicks; };
  bar->OnDblClick = [&](TObject*) { ++doubleClicks; };
  backend.DoubleClick(form->ClientToScreen({bar->Left() + 5, bar->Top() + 5}));
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(doubleClicks, 0);
}

TEST_F(ProgressBarControl, NothingIsDrawnWhileLoading) {
  TMyProgressBar* loaded = nullptr;
  LoadComponent(*form, [&] {
    loaded = &TComponent::Create<TMyProgressBar>(*form);
    loaded->SetParent(form.get());
    loaded->SetBounds(10, 50, 100, 10);
    loaded->SetColorDone(clLime);
    loaded->SetPosition(50);
    loaded->Repaint();
    TBitmap shown(1, 1);
    shown.Canvas().CopyRect(shown.ClientRect(), Window().Picture(), Bounds(20, 55, 1, 1));
    EXPECT_NE(shown.Canvas().Pixel(0, 0), clLime);
  });
  loaded->Repaint();
  TBitmap shown(1, 1);
  shown.Canvas().CopyRect(shown.ClientRect(), Window().Picture(), Bounds(20, 55, 1, 1));
  EXPECT_EQ(shown.Canvas().Pixel(0, 0), clLime);
}

TEST_F(ProgressBarControl, WithoutALabelTheEstimateReadsNoClock) {
  const int reads = clock.Reads();
  for (int p : {1, 2, 3, 4, 8, 50, 99}) bar->SetPosition(p);
  bar->SetMin(10);
  bar->SetMax(90);
  EXPECT_EQ(clock.Reads(), reads);
  bar->SetPosition(10);  // back to Min: timing restarts
  EXPECT_EQ(clock.Reads(), reads + 2);
}

class ProgressBarEstimateLabel : public ProgressBarControl {
 protected:
  void SetUp() override {
    ProgressBarControl::SetUp();
    label = &TComponent::Create<TGraphicControl>(*form);
    label->SetParent(form.get());
    label->Hide();
  }
  std::string Caption() const { return label->Caption(); }

  TGraphicControl* label = nullptr;
  const std::string prefix = "Estimated date and time: ";
};

TEST_F(ProgressBarEstimateLabel, LinkingComputesNothing) {
  const int reads = clock.Reads();
  bar->SetLinkInfoLabel(label);
  EXPECT_EQ(bar->LinkInfoLabel(), label);
  EXPECT_EQ(clock.Reads(), reads);
  EXPECT_EQ(Caption(), "");
  EXPECT_FALSE(label->Visible());
}

TEST_F(ProgressBarEstimateLabel, FollowsElapsedTimeAndShare) {
  bar->SetLinkInfoLabel(label);
  bar->SetMax(3600);
  clock.Advance(2000);
  bar->SetPosition(1);  // 2 s for 1 of 3600: two hours in all
  EXPECT_TRUE(label->Visible());
  EXPECT_EQ(Caption(), prefix + "7 December 2026 , at 12:00.00");

  clock.Advance(1000);
  bar->SetPosition(5);  // neither below 4 nor divisible by 4: no refresh
  EXPECT_EQ(Caption(), prefix + "7 December 2026 , at 12:00.00");
  bar->SetPosition(8);  // 3 s for 8 of 3600: 1350 s
  EXPECT_EQ(Caption(), prefix + "7 December 2026 , at 10:22.30");

  // Back at Min timing restarts: the estimate is the new start plus a second per unit.
  clock.SetLocalTime({2026, 12, 8, 9, 15, 0, 0});
  bar->SetPosition(0);
  EXPECT_EQ(Caption(), prefix + "8 December 2026 , at 10:15.00");
  EXPECT_EQ(bar->StartTime(), SystemTimeToDateTime({2026, 12, 8, 9, 15, 0, 0}));
  EXPECT_EQ(bar->StartTick(), clock.TickCount());
}

TEST_F(ProgressBarEstimateLabel, FortyDaysShowNineAndAnUnformattableFinishLeavesThePrefix) {
  bar->SetLinkInfoLabel(label);
  bar->SetMax(40 * 24 * 3600);
  bar->SetPosition(1);
  bar->SetPosition(0);
  EXPECT_EQ(Caption(), prefix + "16 December 2026 , at 10:00.00");

  clock.SetLocalTime({9999, 12, 31, 23, 0, 0, 0});
  bar->SetPosition(1);
  bar->SetPosition(0);
  EXPECT_EQ(Caption(), prefix);
}

TEST_F(ProgressBarEstimateLabel, TextsComeFromTheLanguageTableAndTheLocale) {
  bar->SetLinkInfoLabel(label);
  TLocaleFormats polish = EnglishLocaleFormats();
  polish.LongMonthNames[11] = "grudzie\xF1";
  polish.TimeSeparator = ".";
  test::ScopedLocaleFormats useFormats(polish);
  auto& overrides = SharedLanguage().Overrides();
  overrides.push_back({"o", 160});
  overrides.push_back({"Koniec: ", 161});
  bar->SetPosition(4);  // 0 ms elapsed: the finish is the start
  overrides.resize(overrides.size() - 2);
  EXPECT_EQ(Caption(), "Koniec: 7 grudzie\xF1 2026 , o 10.00.00");
}

TEST_F(ProgressBarEstimateLabel, ALabelDestroyedFirstIsForgotten) {
  auto own = std::make_unique<TGraphicControl>(nullptr);
  bar->SetLinkInfoLabel(own.get());
  own.reset();
  EXPECT_EQ(bar->LinkInfoLabel(), nullptr);
  bar->SetPosition(1);
  bar->SetPosition(0);

  // Relinking moves the link: the first label no longer hears anything.
  bar->SetLinkInfoLabel(label);
  auto other = std::make_unique<TGraphicControl>(nullptr);
  bar->SetLinkInfoLabel(other.get());
  bar->SetPosition(2);
  EXPECT_EQ(Caption(), "");
  EXPECT_EQ(other->Caption().rfind(prefix, 0), 0u);
  bar->SetLinkInfoLabel(nullptr);
}

}  // namespace
}  // namespace nuvex
