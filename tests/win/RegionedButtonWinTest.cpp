// A regioned button in a real window: mouse messages in, state images and
// the window region out, read back through the window system.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "tests/support/Services.h"
#include "skin/RegionedButton.h"
#include "skin/SkinTools.h"
#include "toolkit/ui/Application.h"
#include "toolkit/graphics/GdiBridge.h"
#include "toolkit/backends/win32/Win32Backend.h"

namespace nuvex {
namespace {

constexpr TColor kImageColor[3] = {0x0000C0, 0x00C000, 0xC00000};

// Three images of 226 x 39 stacked; image k has a key-coloured column at x = k.
TBitmap Strip() {
  TBitmap strip(226, 117);
  for (int k = 0; k < 3; ++k) {
    strip.Canvas().Brush.Color = kImageColor[k];
    strip.Canvas().FillRect({0, 39 * k, 226, 39 * (k + 1)});
    for (int y = 39 * k; y < 39 * (k + 1); ++y) strip.Canvas().SetPixel(k, y, KeyColour);
  }
  return strip;
}

TRegion ShapeOf(int k) {
  TRegion r;
  if (k > 0) r.Union(TRect{0, 0, k, 39});
  r.Union(TRect{k + 1, 0, 226, 39});
  return r;
}

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// Handles what waits in the queue (leave notifications, paints).
void Pump() {
  for (int i = 0; i < 5; ++i) {
    Application().ProcessMessages();
    Sleep(10);
  }
}

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
    const TBitmap strip = Strip();
    LoadComponent(*form, [&] {
      TRegionedButton& b = TComponent::Create<TRegionedButton>(*form);
      b.SetName("rbRunInstall");
      b.SetParent(form.get());
      b.SetBounds(80, 63, 226, 39);
      b.SetButtons(&strip);
      b.SetButtonIndex(1);
      b.SetButtonCount(3);
      b.SetButtonWidth(226);
      b.SetButtonHeight(39);
      b.SetSplitMode(spHorizontal);
      button = &b;
    });
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

  // The real pointer over a point of the button, so the window system agrees with the messages.
  void PointerAt(int x, int y) {
    POINT p{x, y};
    ClientToScreen(hwnd, &p);
    SetCursorPos(p.x, p.y);
  }

  static inline std::unique_ptr<TWinControl> form;
  TRegionedButton* button = nullptr;
  HWND hwnd = nullptr;
};

TEST_F(RegionedButtonWin, LoadedButtonHasItsShapeAndNormalImage) {
  EXPECT_EQ(WindowRegion(), ShapeOf(1));
  EXPECT_EQ(PrintedAt(50, 20), kImageColor[1]);
  RECT r{};
  GetWindowRect(hwnd, &r);
  MapWindowPoints(nullptr, test::WindowHandle(*form), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 80);
  EXPECT_EQ(r.top, 63);
  EXPECT_EQ(r.right - r.left, 226);
  EXPECT_EQ(r.bottom - r.top, 39);
  // The background erase is answered as done.
  gdi::WindowDc dc(hwnd);
  EXPECT_EQ(SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()), 0), 1);
}

TEST_F(RegionedButtonWin, HoverPressDragOffAndReleaseOutside) {
  int leftClicks = 0, clicks = 0;
  button->OnLeftButtonClick = [&](TObject*) { ++leftClicks; };
  button->OnClick = [&](TObject*) { ++clicks; };

  PointerAt(50, 20);
  SendMessageA(hwnd, WM_MOUSEMOVE, 0, At(50, 20));
  EXPECT_EQ(button->State(), rbsMouseOver);
  EXPECT_EQ(PrintedAt(50, 20), kImageColor[2]);
  EXPECT_EQ(WindowRegion(), ShapeOf(2));

  SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(50, 20));
  EXPECT_EQ(button->State(), rbsPressed);
  EXPECT_EQ(GetCapture(), hwnd);
  EXPECT_EQ(PrintedAt(50, 20), kImageColor[0]);
  EXPECT_EQ(WindowRegion(), ShapeOf(0));

  SendMessageA(hwnd, WM_MOUSEMOVE, MK_LBUTTON, At(300, 20));
  EXPECT_EQ(button->State(), rbsMouseOver);
  EXPECT_EQ(PrintedAt(50, 20), kImageColor[2]);

  SendMessageA(hwnd, WM_LBUTTONUP, 0, At(300, 20));
  EXPECT_EQ(button->State(), rbsNormal);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(PrintedAt(50, 20), kImageColor[1]);
  EXPECT_EQ(leftClicks, 0);
  EXPECT_EQ(clicks, 0);

  SendMessageA(hwnd, WM_MOUSEMOVE, 0, At(50, 20));
  SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(50, 20));
  SendMessageA(hwnd, WM_LBUTTONUP, 0, At(50, 20));
  EXPECT_EQ(leftClicks, 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(button->State(), rbsMouseOver);
}

TEST_F(RegionedButtonWin, DoubleClickMessagesFireOnClickOnceAndOnLeftButtonClickTwice) {
  int leftClicks = 0, clicks = 0;
  button->OnLeftButtonClick = [&](TObject*) { ++leftClicks; };
  button->OnClick = [&](TObject*) { ++clicks; };
  PointerAt(50, 20);
  SendMessageA(hwnd, WM_MOUSEMOVE, 0, At(50, 20));
  SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(50, 20));
  SendMessageA(hwnd, WM_LBUTTONUP, 0, At(50, 20));
  SendMessageA(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, At(50, 20));
  EXPECT_EQ(button->State(), rbsPressed);
  SendMessageA(hwnd, WM_LBUTTONUP, 0, At(50, 20));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(leftClicks, 2);
}

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
  TButtonProperty p;
  p.Bitmap = &picture;
  p.ButtonCount = 4;
  p.XCoord = 44;
  p.YCoord = 93;
  p.Width = 26;
  p.Height = 19;
  p.SplitMode = spVertical;
  p.Visible = true;
  button->ApplySkin(p);
  TRegion expected;
  expected.Union(TRect{0, 0, 26, 3});
  expected.Union(TRect{0, 3, 3, 4});
  expected.Union(TRect{4, 3, 26, 4});
  expected.Union(TRect{0, 4, 26, 19});
  EXPECT_EQ(WindowRegion(), expected);
  RECT r{};
  GetWindowRect(hwnd, &r);
  MapWindowPoints(nullptr, test::WindowHandle(*form), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 44);
  EXPECT_EQ(r.top, 93);
  EXPECT_EQ(r.right - r.left, 26);
}

}  // namespace
}  // namespace nuvex
