// A regioned button in a real window: mouse messages in, state images and
// the window region out, read back through the window system.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "tests/support/ButtonScenarios.h"
#include "tests/support/Services.h"
#include "skin/RegionedButton.h"
#include "skin/SkinTools.h"
#include "toolkit/ui/Application.h"
#include "toolkit/graphics/GdiBridge.h"
#include "toolkit/backends/win32/Win32Backend.h"

namespace nuvex {
namespace {

using test::kImageColor;
using test::ShapeOf;

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// Handles what waits in the queue (leave notifications, paints).
void Pump() {
  for (int i = 0; i < 5; ++i) {
    Application().ProcessMessages();
    Sleep(10);
  }
}

class Win32ButtonDriver;

// A windowless control that fills itself with one colour.
class Swatch : public TGraphicControl {
 public:
  Swatch(TComponent* owner, TColor color) : TGraphicControl(owner), color(color) {
    SetControlStyle(ControlStyle() | csOpaque);
  }
  TColor color;

 protected:
  void Paint() override {
    Canvas().Brush.Color = color;
    Canvas().FillRect(ClientRect());
  }
};

class RegionedButtonWin : public ::testing::Test {
 protected:
  friend class Win32ButtonDriver;

  // One window for the suite: a top-level window takes the window system
  // seconds to go away under an X server without a window manager.
  static void SetUpTestSuite() {
    form = std::make_unique<TWinControl>(nullptr);
    form->SetName("RunInstallForm");
    form->SetBounds(60, 60, 374, 297);
    form->HandleNeeded();
  }
  static void TearDownTestSuite() {
    form.reset();
  }

  void SetUp() override {
    SetCursorPos(5, 5);  // the pointer starts off the window, whatever the last test did
    button = &test::LoadRegionedButton(*form, 3, test::Strip(3));
    hwnd = test::WindowHandle(*button);
    ASSERT_NE(hwnd, nullptr);
    SetForegroundWindow(test::WindowHandle(*form));
    Pump();
  }
  void TearDown() override {
    // Whatever a test placed on the window goes with it.
    while (form->ComponentCount() > 0) form->RemoveComponent(form->Components(form->ComponentCount() - 1));
    Pump();
  }

  // The button's client area as the window paints it for PrintWindow.
  TBitmap Printed() {
    gdi::DibSection dib(226, 39);
    EXPECT_TRUE(PrintWindow(hwnd, dib.Dc(), PW_CLIENTONLY));
    TBitmap picture;
    dib.Store(picture);
    return picture;
  }
  TColor PrintedAt(int x, int y) { return PixelToColor(Printed().ScanLine(y)[x]); }

  TRegion WindowRegion() {
    gdi::UniqueRegion handle(CreateRectRgn(0, 0, 0, 0));
    EXPECT_NE(GetWindowRgn(hwnd, handle.Get()), ERROR);
    return gdi::RegionFromHandle(handle.Get());
  }

  // The button's window rectangle in the form's client points, as the window system has it.
  TRect PlaceInForm() {
    RECT r{};
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, test::WindowHandle(*form), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
  }

  // The real pointer over a point of the button, so the window system agrees with the messages.
  void PointerAt(int x, int y) {
    POINT p{x, y};
    ClientToScreen(hwnd, &p);
    SetCursorPos(p.x, p.y);
  }

  void Run(void (*scenario)(test::ButtonDriver&));

  static inline std::unique_ptr<TWinControl> form;
  TRegionedButton* button = nullptr;
  HWND hwnd = nullptr;
};

// The scenarios of ButtonScenarios.h through window messages, as the window
// system sends them: moves go to the window under the pointer, or to the
// one holding the capture; a pointer leaving is told by the window system.
class Win32ButtonDriver : public test::ButtonDriver {
 public:
  explicit Win32ButtonDriver(RegionedButtonWin& fixture) : f_(fixture) {}
  TRegionedButton& Button() override { return *f_.button; }
  void MoveTo(int x, int y) override {
    at_ = {x, y};
    if (held_) {
      // Captured: the real pointer stays put, so no move of its own comes between.
      SendMessageA(f_.hwnd, WM_MOUSEMOVE, MK_LBUTTON, At(x, y));
    } else if (x >= 0 && y >= 0 && x < Button().Width() && y < Button().Height()) {
      f_.PointerAt(x, y);
      SendMessageA(f_.hwnd, WM_MOUSEMOVE, 0, At(x, y));
    } else {
      f_.PointerAt(x, y);
      for (int i = 0; i < 50 && Button().MouseInside(); ++i) Pump();
    }
  }
  void Press(bool doubleClick) override {
    held_ = true;
    SendMessageA(f_.hwnd, doubleClick ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, MK_LBUTTON, At(at_.X, at_.Y));
  }
  void Release() override {
    held_ = false;
    SendMessageA(f_.hwnd, WM_LBUTTONUP, 0, At(at_.X, at_.Y));
  }
  int ShownImage() override { return test::ImageAt(f_.Printed(), 50, 20); }
  TRegion Shape() override { return f_.WindowRegion(); }
  bool HasCapture() override { return GetCapture() == f_.hwnd; }

 private:
  RegionedButtonWin& f_;
  TPoint at_{};
  bool held_ = false;
};

// A scenario of ButtonScenarios.h on the suite's button.
void RegionedButtonWin::Run(void (*scenario)(test::ButtonDriver&)) {
  Win32ButtonDriver driver(*this);
  scenario(driver);
}

TEST_F(RegionedButtonWin, LoadedButtonHasItsShapeAndNormalImage) {
  EXPECT_EQ(WindowRegion(), ShapeOf(1));
  EXPECT_EQ(PrintedAt(50, 20), kImageColor[1]);
  EXPECT_EQ(PlaceInForm(), (TRect{80, 63, 80 + 226, 63 + 39}));
  // The background erase is answered as done.
  gdi::WindowDc dc(hwnd);
  EXPECT_EQ(SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()), 0), 1);
}

NUVEX_BUTTON_SCENARIO_TESTS(RegionedButtonWin)

TEST_F(RegionedButtonWin, RealInputThroughTheQueueAndThePointerLeaving) {
  PointerAt(50, 20);
  Pump();
  // The window system may or may not have sent a move for the warp; a real
  // press and release through the input queue must reach the button.
  int leftClicks = 0;
  button->OnLeftButtonClick = [&](TObject*) { ++leftClicks; };
  INPUT input[2]{};
  input[0].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].type = INPUT_MOUSE;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ASSERT_EQ(SendInput(2, input, sizeof(INPUT)), 2u);
  for (int i = 0; i < 50 && leftClicks == 0; ++i) Pump();
  EXPECT_EQ(leftClicks, 1);
  EXPECT_EQ(button->State(), rbsMouseOver);

  // Away from the button: the leave notification brings it back to normal.
  POINT away{5, 5};
  ClientToScreen(test::WindowHandle(*form), &away);
  SetCursorPos(away.x, away.y);
  for (int i = 0; i < 50 && button->State() != rbsNormal; ++i) Pump();
  EXPECT_EQ(button->State(), rbsNormal);
  EXPECT_EQ(PrintedAt(50, 20), kImageColor[1]);
}

TEST_F(RegionedButtonWin, ErrorsInHandlersNeverCrossTheWindowProcedure) {
  std::string reported;
  Application().OnException = [&](TObject*, const std::exception& e) { reported = e.what(); };
  button->OnClick = [](TObject*) { throw std::runtime_error("Cannot open file C:\\x"); };
  PointerAt(50, 20);
  SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(50, 20));
  SendMessageA(hwnd, WM_LBUTTONUP, 0, At(50, 20));
  Application().OnException = nullptr;
  EXPECT_EQ(reported, "Cannot open file C:\\x");
  EXPECT_EQ(GetCapture(), nullptr);
  // The button still answers.
  button->OnClick = nullptr;
  SendMessageA(hwnd, WM_MOUSEMOVE, 0, At(50, 20));
  EXPECT_EQ(button->State(), rbsMouseOver);
}

TEST_F(RegionedButtonWin, WindowlessRepaintReachesTheScreenWithoutTheMessageLoop) {
  Swatch& swatch = TComponent::Create<Swatch>(*form, clBlue);
  swatch.SetParent(form.get());
  swatch.SetBounds(10, 200, 40, 20);
  Pump();
  HWND formWindow = test::WindowHandle(*form);
  {
    gdi::WindowDc dc(formWindow);
    ASSERT_EQ(GetPixel(dc.Get(), 20, 210), static_cast<COLORREF>(clBlue));
  }
  swatch.color = clYellow;
  swatch.Repaint();  // no message is handled after this
  gdi::WindowDc dc(formWindow);
  EXPECT_EQ(GetPixel(dc.Get(), 20, 210), static_cast<COLORREF>(clYellow));
  // The button's window lies above the form's surface and was not painted over.
  EXPECT_EQ(GetPixel(dc.Get(), 80 + 50, 63 + 20), static_cast<COLORREF>(kImageColor[1]));
}

TEST_F(RegionedButtonWin, ApplySkinReshapesTheRealWindow) {
  TBitmap picture(104, 19);
  picture.Canvas().Brush.Color = clLime;
  picture.Canvas().FillRect(picture.ClientRect());
  picture.Canvas().SetPixel(26 + 3, 3, KeyColour);
  button->ApplySkin(test::FourImagesSideBySide(picture));
  EXPECT_EQ(WindowRegion(), test::ShapeWithHole(3, 3, 26, 19));
  const TRect place = PlaceInForm();
  EXPECT_EQ(place.Left, 44);
  EXPECT_EQ(place.Top, 93);
  EXPECT_EQ(place.Width(), 26);
}

}  // namespace
}  // namespace nuvex
