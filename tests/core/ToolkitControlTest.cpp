// Controls over the headless backend: the click rules, capture, windowless
// children, painting, key preview and the application's error report.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/Services.h"
#include "toolkit/ui/Application.h"
#include "toolkit/backends/headless/HeadlessBackend.h"
#include "toolkit/ui/WinControl.h"

namespace nuvex {
namespace {

// A pixel of a picture as an RGB colour; -1 outside it.
TColor Px(const TBitmap& b, int x, int y) {
  if (x < 0 || y < 0 || x >= b.Width() || y >= b.Height()) return -1;
  return PixelToColor(b.ScanLine(y)[x]);
}

// A windowed control that paints itself in one colour and counts its events.
class Panel : public TCustomControl {
 public:
  explicit Panel(TComponent* owner, TColor fill = clNavy) : TCustomControl(owner), fill_(fill) {}
  int clicks = 0, doubleClicks = 0, downs = 0, ups = 0, resizes = 0;
  std::vector<uint16_t> keys;

 protected:
  void Paint() override {
    Canvas().Brush.Color = fill_;
    Canvas().FillRect(ClientRect());
  }
  void Click() override {
    ++clicks;
    TCustomControl::Click();
  }
  void DblClick() override { ++doubleClicks; }
  void MouseDown(TMouseButton b, TShiftState s, int x, int y) override {
    ++downs;
    TCustomControl::MouseDown(b, s, x, y);
  }
  void MouseUp(TMouseButton b, TShiftState s, int x, int y) override {
    ++ups;
    TCustomControl::MouseUp(b, s, x, y);
  }
  void Resize() override { ++resizes; }
  void KeyUp(uint16_t& key, TShiftState shift) override {
    keys.push_back(key);
    TCustomControl::KeyUp(key, shift);
  }

 private:
  TColor fill_;
};

// A windowless control: a frame of one colour, see-through inside.
class Frame : public TGraphicControl {
 public:
  explicit Frame(TComponent* owner, TColor color) : TGraphicControl(owner), color_(color) {}
  int clicks = 0, enters = 0, leaves = 0, paints = 0;
  std::vector<TPoint> moves;

 protected:
  void Paint() override {
    ++paints;
    Canvas().Pen.Color = color_;
    Canvas().Polyline({{0, 0}, {Width() - 1, 0}, {Width() - 1, Height() - 1}, {0, Height() - 1}, {0, 0}});
  }
  void Click() override { ++clicks; }
  void MouseMove(TShiftState, int x, int y) override { moves.push_back({x, y}); }
  void MouseEnter() override { ++enters; }
  void MouseLeave() override { ++leaves; }

 private:
  TColor color_;
};

class ToolkitControl : public test::HeadlessTest {
 protected:
  void SetUp() override {
    form = std::make_unique<Panel>(nullptr, clSilver);
    form->SetBounds(100, 100, 300, 200);
    form->HandleNeeded();
  }
  // A screen point inside the form's client area.
  static TPoint At(int x, int y) { return {100 + x, 100 + y}; }

  std::unique_ptr<Panel> form;
};

TEST_F(ToolkitControl, ClickNeedsPressAndReleaseOverTheControl) {
  Panel& panel = TComponent::Create<Panel>(*form);
  panel.SetParent(form.get());
  panel.SetBounds(10, 10, 50, 30);
  int fired = 0;
  panel.OnClick = [&](TObject* sender) {
    EXPECT_EQ(sender, &panel);
    ++fired;
  };

  backend.Click(At(20, 20));
  EXPECT_EQ(fired, 1);

  // Pressed inside, released outside: the capture brings the release, but no click.
  backend.MoveMouse(At(20, 20));
  backend.PressMouse(mbLeft);
  EXPECT_EQ(backend.CaptureWindow(), &test::WindowOf(panel));
  backend.MoveMouse(At(200, 150));
  backend.ReleaseMouse(mbLeft);
  EXPECT_EQ(backend.CaptureWindow(), nullptr);
  EXPECT_EQ(fired, 1);
  EXPECT_EQ(panel.ups, 2);

  // Pressed outside, released inside: no click either.
  backend.MoveMouse(At(200, 150));
  backend.PressMouse(mbLeft);
  backend.MoveMouse(At(20, 20));
  backend.ReleaseMouse(mbLeft);
  EXPECT_EQ(fired, 1);

  // A right click is no click.
  backend.Click(At(20, 20), mbRight);
  EXPECT_EQ(fired, 1);
}

TEST_F(ToolkitControl, DoubleClickFiresOneClickUnlessTheControlTakesNoDoubleClicks) {
  Panel& panel = TComponent::Create<Panel>(*form);
  panel.SetParent(form.get());
  panel.SetBounds(10, 10, 50, 30);
  backend.DoubleClick(At(20, 20));
  EXPECT_EQ(panel.clicks, 1);
  EXPECT_EQ(panel.doubleClicks, 1);
  EXPECT_EQ(panel.downs, 2);
  EXPECT_EQ(panel.ups, 2);

  Panel& plain = TComponent::Create<Panel>(*form);
  plain.SetParent(form.get());
  plain.SetBounds(100, 10, 50, 30);
  plain.SetControlStyle(plain.ControlStyle() & ~csDoubleClicks);
  backend.DoubleClick(At(110, 20));
  EXPECT_EQ(plain.clicks, 2);
  EXPECT_EQ(plain.doubleClicks, 0);
}

TEST_F(ToolkitControl, WindowlessChildrenGetTheirInputInTheirOwnCoordinates) {
  Frame& frame = TComponent::Create<Frame>(*form, clRed);
  frame.SetParent(form.get());
  frame.SetBounds(50, 40, 20, 10);

  backend.MoveMouse(At(55, 45));
  EXPECT_EQ(frame.enters, 1);
  ASSERT_EQ(frame.moves.size(), 1u);
  EXPECT_EQ(frame.moves[0], (TPoint{5, 5}));

  // The child that got the press keeps the mouse until the release.
  backend.PressMouse(mbLeft);
  backend.MoveMouse(At(150, 150));
  EXPECT_EQ(frame.moves.back(), (TPoint{100, 110}));
  EXPECT_EQ(frame.leaves, 0);
  backend.ReleaseMouse(mbLeft);
  EXPECT_EQ(frame.clicks, 0);
  backend.MoveMouse(At(151, 150));
  EXPECT_EQ(frame.leaves, 1);
  EXPECT_EQ(frame.moves.size(), 2u);  // that move went to the form

  backend.Click(At(51, 41));
  EXPECT_EQ(frame.clicks, 1);
  EXPECT_EQ(form->clicks, 0);

  // Hidden or disabled children let the input through to the form.
  frame.SetEnabled(false);
  backend.Click(At(51, 41));
  frame.SetEnabled(true);
  frame.Hide();
  backend.Click(At(51, 41));
  EXPECT_EQ(frame.clicks, 1);
  EXPECT_EQ(form->clicks, 2);
}

TEST_F(ToolkitControl, WindowlessChildrenPaintOverWhatLiesBeneath) {
  Frame& lower = TComponent::Create<Frame>(*form, clRed);
  lower.SetParent(form.get());
  lower.SetBounds(10, 10, 20, 20);
  Frame& upper = TComponent::Create<Frame>(*form, clBlue);
  upper.SetParent(form.get());
  upper.SetBounds(20, 20, 20, 20);
  backend.ProcessMessages();
  const TBitmap& screen = test::WindowOf(*form).Picture();
  EXPECT_EQ(Px(screen, 5, 5), ColorToRGB(clSilver));
  EXPECT_EQ(Px(screen, 10, 10), clRed);
  EXPECT_EQ(Px(screen, 15, 15), ColorToRGB(clSilver));  // see-through inside the frame
  EXPECT_EQ(Px(screen, 29, 20), clBlue);  // later ones lie above
  EXPECT_EQ(Px(screen, 20, 29), clBlue);
  EXPECT_EQ(Px(screen, 29, 25), clRed);   // the lower frame shows inside the upper
  EXPECT_EQ(Px(screen, 39, 39), clBlue);
}

TEST_F(ToolkitControl, RepaintOfAWindowlessControlShowsAtOnce) {
  Frame& frame = TComponent::Create<Frame>(*form, clRed);
  frame.SetParent(form.get());
  frame.SetBounds(10, 10, 20, 20);
  backend.ProcessMessages();
  THeadlessWindow& window = test::WindowOf(*form);
  const int paints = window.PaintCount();
  window.ClearRecords();

  frame.SetControlStyle(frame.ControlStyle() | csOpaque);
  const int framePaints = frame.paints;
  frame.Repaint();
  EXPECT_EQ(window.PaintCount(), 1);
  EXPECT_EQ(frame.paints, framePaints + 1);
  EXPECT_TRUE(window.Invalidations().empty());
  (void)paints;

  // Hidden, or without a window to paint on, nothing is painted.
  frame.Hide();
  frame.Repaint();
  EXPECT_EQ(window.PaintCount(), 1);
}

TEST_F(ToolkitControl, InvalidationsWaitForTheMessageLoop) {
  Frame& frame = TComponent::Create<Frame>(*form, clRed);
  frame.SetParent(form.get());
  backend.ProcessMessages();
  THeadlessWindow& window = test::WindowOf(*form);
  window.ClearRecords();
  frame.SetBounds(30, 30, 10, 10);
  ASSERT_FALSE(window.Invalidations().empty());
  EXPECT_EQ(window.Invalidations().back(), (TRect{30, 30, 40, 40}));
  EXPECT_EQ(window.PaintCount(), 0);
  EXPECT_EQ(Px(window.Picture(), 30, 30), ColorToRGB(clSilver));
  Application().ProcessMessages();
  EXPECT_EQ(window.PaintCount(), 1);
  EXPECT_EQ(Px(window.Picture(), 30, 30), clRed);
}

TEST_F(ToolkitControl, BoundsReachTheWindowAndResizeOnlyOnASizeChange) {
  Panel& panel = TComponent::Create<Panel>(*form);
  panel.SetParent(form.get());
  panel.SetBounds(10, 10, 50, 30);
  const int resizes = panel.resizes;
  panel.SetBounds(20, 15, 50, 30);
  EXPECT_EQ(panel.resizes, resizes);
  EXPECT_EQ(test::WindowOf(panel).Bounds(), (TRect{20, 15, 70, 45}));
  panel.SetWidth(60);
  EXPECT_EQ(panel.resizes, resizes + 1);
  panel.SetBounds(20, 15, -5, 30);  // a negative size is no size
  EXPECT_EQ(panel.Width(), 0);

  // While loading the size changes without Resize.
  LoadComponent(*form, [&] { panel.SetHeight(99); });
  EXPECT_EQ(panel.resizes, resizes + 2);
}

TEST_F(ToolkitControl, WindowsFollowVisibilityAndEnabledState) {
  Panel& panel = TComponent::Create<Panel>(*form);
  panel.SetBounds(10, 10, 50, 30);
  EXPECT_FALSE(panel.HandleAllocated());  // no parent yet
  panel.SetParent(form.get());
  ASSERT_TRUE(panel.HandleAllocated());
  THeadlessWindow* window = &test::WindowOf(panel);
  EXPECT_TRUE(window->Visible());
  panel.Hide();
  EXPECT_FALSE(window->Visible());
  EXPECT_FALSE(panel.Showing());
  panel.SetEnabled(false);
  EXPECT_FALSE(window->Enabled());
  backend.Click(At(20, 20));
  EXPECT_EQ(panel.clicks, 0);
  form->Hide();
  panel.Show();
  EXPECT_FALSE(panel.Showing());
}

TEST_F(ToolkitControl, ANewParentGetsTheWindowWithItsShapeAndText) {
  Panel& panel = TComponent::Create<Panel>(*form);
  panel.SetParent(form.get());
  panel.SetBounds(10, 10, 50, 30);
  panel.SetCaption("rbInstallApp");
  TRegion shape(TRect{0, 0, 10, 10});
  panel.SetWindowRegion(shape, false);

  Panel& other = TComponent::Create<Panel>(*form);
  other.SetParent(form.get());
  other.SetBounds(100, 100, 100, 50);
  panel.SetParent(&other);
  THeadlessWindow& window = test::WindowOf(panel);
  EXPECT_EQ(window.Parent(), &test::WindowOf(other));
  ASSERT_TRUE(window.Region().has_value());
  EXPECT_EQ(*window.Region(), shape);
  EXPECT_EQ(panel.Caption(), "rbInstallApp");

  // A control cannot stand on itself.
  EXPECT_THROW(other.SetParent(&panel), std::runtime_error);
}

TEST_F(ToolkitControl, TextIsMeasuredWithTheBlockFontEverywhere) {
  // 8 points are 11 pixels; a character cell of the block font is 6 x 11.
  TBitmap b(10, 10);
  EXPECT_EQ(b.Canvas().TextExtent("abc"), (TSize{18, 11}));
}

TEST_F(ToolkitControl, FocusFiresEnterAndExit) {
  Panel& first = TComponent::Create<Panel>(*form);
  first.SetParent(form.get());
  Panel& second = TComponent::Create<Panel>(*form);
  second.SetParent(form.get());
  std::vector<std::string> seen;
  first.OnEnter = [&](TObject*) { seen.push_back("enter first"); };
  first.OnExit = [&](TObject*) { seen.push_back("exit first"); };
  second.OnEnter = [&](TObject*) { seen.push_back("enter second"); };
  first.SetFocus();
  second.SetFocus();
  EXPECT_TRUE(second.Focused());
  EXPECT_EQ(seen, (std::vector<std::string>{"enter first", "exit first", "enter second"}));
}

TEST_F(ToolkitControl, KeyPreviewSeesKeysFirstAndMaySwallowThem) {
  Panel& panel = TComponent::Create<Panel>(*form);
  panel.SetParent(form.get());
  panel.SetBounds(10, 10, 50, 30);
  panel.SetFocus();
  backend.PressKey(vkEscape);
  EXPECT_EQ(panel.keys, (std::vector<uint16_t>{vkEscape}));
  EXPECT_TRUE(form->keys.empty());

  form->SetKeyPreview(true);
  backend.PressKey(65);
  EXPECT_EQ(form->keys, (std::vector<uint16_t>{65}));
  EXPECT_EQ(panel.keys.back(), 65);
  form->OnKeyUp = [](TObject*, uint16_t& key, TShiftState) { key = 0; };
  backend.PressKey(66);
  EXPECT_EQ(panel.keys.back(), 65);
}

TEST(ToolkitErrorReport, FullStopRule) {
  EXPECT_EQ(ErrorReportText("Cannot open file C:\\x"), "Cannot open file C:\\x.");
  EXPECT_EQ(ErrorReportText("Stream write error."), "Stream write error.");
  EXPECT_EQ(ErrorReportText("Stop!"), "Stop!");  // "!" is below "."
  EXPECT_EQ(ErrorReportText("ends with a blank "), "ends with a blank ");
  EXPECT_EQ(ErrorReportText("a-"), "a-");
  EXPECT_EQ(ErrorReportText("a/"), "a/.");
  EXPECT_EQ(ErrorReportText("pr\xB9" "d"), "pr\xB9" "d.");
  EXPECT_EQ(ErrorReportText("zaj\xEA"), "zaj\xEA.");  // a Windows-1250 letter is above "."
  EXPECT_EQ(ErrorReportText(""), "");
}

TEST_F(ToolkitControl, AnErrorInAHandlerEndsInTheApplicationsReport) {
  Application().SetTitle("Nuvex Player");
  Panel& panel = TComponent::Create<Panel>(*form);
  panel.SetParent(form.get());
  panel.SetBounds(10, 10, 50, 30);
  panel.OnClick = [](TObject*) { throw std::runtime_error("error"); };
  backend.Click(At(20, 20));
  ASSERT_EQ(backend.MessageBoxes().size(), 1u);
  EXPECT_EQ(backend.MessageBoxes()[0].Text, "error.");
  EXPECT_EQ(backend.MessageBoxes()[0].Caption, "Nuvex Player");
  EXPECT_EQ(backend.MessageBoxes()[0].Flags, mbOk | mbIconError);
  // The window goes on working.
  panel.OnClick = nullptr;
  backend.Click(At(20, 20));
  EXPECT_EQ(panel.clicks, 2);

  // An application handler replaces the message box.
  std::string seen;
  Application().OnException = [&](TObject*, const std::exception& e) { seen = e.what(); };
  panel.OnClick = [](TObject*) { throw std::runtime_error("second"); };
  backend.Click(At(20, 20));
  Application().OnException = nullptr;
  EXPECT_EQ(seen, "second");
  EXPECT_EQ(backend.MessageBoxes().size(), 1u);
}

TEST_F(ToolkitControl, TheMessageLoopPaintsAndEndsOnTheQuitRequest) {
  Frame& frame = TComponent::Create<Frame>(*form, clRed);
  frame.SetParent(form.get());
  frame.SetBounds(30, 30, 10, 10);
  // Headless, the loop ends once nothing is left to do, having painted.
  Application().Run();
  EXPECT_EQ(Px(test::WindowOf(*form).Picture(), 30, 30), clRed);
  // The quit request comes before any paint, as in the window system.
  frame.SetLeft(50);
  Application().Terminate();
  Application().Run();
  EXPECT_TRUE(Application().Terminated());
  EXPECT_FALSE(backend.QuitRequested());  // used up
  EXPECT_EQ(Px(test::WindowOf(*form).Picture(), 50, 30), ColorToRGB(clSilver));
}

TEST_F(ToolkitControl, DestroyingAParentLetsItsChildrenGo) {
  auto outer = std::make_unique<Panel>(nullptr);
  outer->SetParent(form.get());
  outer->SetBounds(0, 0, 100, 100);
  auto inner = std::make_unique<Panel>(nullptr);
  inner->SetParent(outer.get());
  Frame frame(nullptr, clRed);
  frame.SetParent(outer.get());
  outer.reset();
  EXPECT_EQ(form->FindNextControl(nullptr, true), nullptr);  // gone from the tab order too
  EXPECT_EQ(inner->Parent(), nullptr);
  EXPECT_EQ(frame.Parent(), nullptr);
  EXPECT_FALSE(inner->HandleAllocated());
  inner.reset();  // leaves nothing behind to reach
  EXPECT_EQ(form->ControlCount(), 0);
}

}  // namespace
}  // namespace nuvex
