// The skin manager switching the player window's real windows: the skin
// demo's window (its description, with the sample skins of tests/data/skins)
// on the Win32 backend; each window's region and visibility are read back
// from the window system.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "base/Error.h"
#include "skin/RegionedButton.h"
#include "skin/SkinLabel.h"
#include "skin/SkinTools.h"
#include "skindemo/PlayerWindow.h"
#include "tests/support/Services.h"
#include "tests/support/TestSupport.h"
#include "toolkit/backends/win32/Win32Backend.h"
#include "toolkit/graphics/GdiBridge.h"
#include "toolkit/ui/Application.h"

namespace nuvex {
namespace {

void Pump() {
  for (int i = 0; i < 5; ++i) {
    Application().ProcessMessages();
    Sleep(10);
  }
}

// The window's region; none when the window has no region of its own.
std::optional<TRegion> RegionOf(HWND hwnd) {
  gdi::UniqueRegion handle(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(hwnd, handle.Get()) == ERROR) return std::nullopt;
  return gdi::RegionFromHandle(handle.Get());
}

TRect WindowRect(HWND hwnd, HWND relativeTo) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  if (relativeTo) MapWindowPoints(nullptr, relativeTo, reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right, r.bottom};
}

class SkinManagerWin : public ::testing::Test {
 protected:
  // One window for the suite: a top-level window takes the window system
  // seconds to go away under an X server without a window manager.
  static void SetUpTestSuite() {
    window = std::make_unique<TPlayerWindow>(test::SourcePath("tests/data/skins/"));
    Pump();
  }
  static void TearDownTestSuite() { window.reset(); }

  static TRegionedForm& Form() { return window->Form(); }
  static HWND FormWindow() { return Win32WindowHandle(Form().Window()); }
  template <typename T>
  static T& Control(const char* name) {
    return DescribedComponent<T>(Form(), name);
  }
  static HWND Handle(const char* name) { return test::WindowHandle(Control<TRegionedCustomControl>(name)); }
  static int IndexOf(const char* skin) { return window->SkinManager().Skins().IndexOf(skin); }
  static void Select(int index) {
    window->SelectSkin(index);
    Pump();
  }

  static inline std::unique_ptr<TPlayerWindow> window;
};

// Every window of the player shown as the core laid it out: the form at its
// picture's size and shape, each visible regioned control where its skin put
// it with its picture's shape, each hidden one really hidden.
void ExpectWindowsFollowTheCore(TRegionedForm& form) {
  const HWND top = Win32WindowHandle(form.Window());
  EXPECT_TRUE(IsWindowVisible(top));
  const TRect place = WindowRect(top, nullptr);
  EXPECT_EQ(place.Right - place.Left, form.ButtonWidth());
  EXPECT_EQ(place.Bottom - place.Top, form.ButtonHeight());
  EXPECT_EQ(RegionOf(top), GetNewRegion(&form.RenderedImage()));
  for (int i = 0; i < form.ComponentCount(); ++i) {
    auto* control = dynamic_cast<TRegionedCustomControl*>(form.Components(i));
    if (!control) continue;
    SCOPED_TRACE(control->Name());
    const HWND hwnd = test::WindowHandle(*control);
    EXPECT_EQ(IsWindowVisible(hwnd) != FALSE, control->Visible());
    if (!control->Visible()) continue;
    EXPECT_EQ(WindowRect(hwnd, top), control->BoundsRect());
    if (control->Transparent()) {
      EXPECT_EQ(RegionOf(hwnd), GetNewRegion(&control->RenderedImage()));
    }
  }
}

TEST_F(SkinManagerWin, EveryWindowTakesItsPlaceAndShapeInEverySkin) {
  TSkinManager& manager = window->SkinManager();
  ASSERT_GE(IndexOf("Moss"), 0) << "the sample skins are not listed";
  std::set<std::string> failed;
  for (int index = -1; index < manager.SkinCount(); ++index) {
    const std::string name = index < 0 ? std::string("base skin") : manager.Skins().Items(index)->Name;
    SCOPED_TRACE(name);
    try {
      Select(index);
    } catch (const Error& error) {
      // A skin whose picture cannot be painted ends its change: the window
      // is back, but only part of it follows that skin.
      Pump();
      EXPECT_TRUE(IsWindowVisible(FormWindow())) << error.what();
      EXPECT_STREQ(error.what(), "[PaintBitmap] CheckError returned True");
      failed.insert(name);
      continue;
    }
    ExpectWindowsFollowTheCore(Form());
  }
  // Only Misfit has margins that leave a state image no interior.
  EXPECT_EQ(failed, std::set<std::string>{"Misfit"});
  Select(-1);
  ExpectWindowsFollowTheCore(Form());
}

TEST_F(SkinManagerWin, MossReshapesTheWindowAndHidesWhatItLacks) {
  Select(-1);
  const TRect base = WindowRect(FormWindow(), nullptr);
  const std::optional<TRegion> baseShape = RegionOf(FormWindow());
  ASSERT_TRUE(baseShape);
  EXPECT_EQ(baseShape->Bounds(), (TRect{0, 0, 240, 179}));

  Select(IndexOf("Moss"));
  EXPECT_EQ(Form().Caption(), "Nuvex Player - Moss");
  const TRect moss = WindowRect(FormWindow(), nullptr);
  EXPECT_EQ(moss, (TRect{base.Left, base.Top, base.Left + 200, base.Top + 150}));  // it stays where it was
  const std::optional<TRegion> mossShape = RegionOf(FormWindow());
  ASSERT_TRUE(mossShape);
  EXPECT_NE(*mossShape, *baseShape);
  EXPECT_FALSE(mossShape->Contains(0, 0));  // the rounded corners are holes
  EXPECT_FALSE(mossShape->Contains(199, 149));
  EXPECT_TRUE(mossShape->Contains(100, 75));

  EXPECT_FALSE(IsWindowVisible(Handle("rbLoadSkin")));  // Visible=0
  EXPECT_FALSE(IsWindowVisible(Handle("rbLoadFilm")));  // not defined
  EXPECT_FALSE(IsWindowVisible(Handle("AC3Status")));
  EXPECT_TRUE(IsWindowVisible(Handle("rbPlay")));
  EXPECT_TRUE(IsWindowVisible(Handle("slSoundVolume")));
  EXPECT_EQ(WindowRect(Handle("rbPlay"), FormWindow()), (TRect{20, 110, 50, 132}));
  EXPECT_TRUE(Control<TSkinLabel>("slTime").Visible());
  EXPECT_FALSE(Control<TSkinLabel>("slFileName").Visible());

  Select(-1);
  EXPECT_EQ(WindowRect(FormWindow(), nullptr), base);
  EXPECT_EQ(RegionOf(FormWindow()), baseShape);
  for (const char* name : {"rbLoadSkin", "rbLoadFilm", "AC3Status"}) EXPECT_TRUE(IsWindowVisible(Handle(name))) << name;
  for (const char* name : {"rbZoomFull", "rbZoomOneToOne"}) EXPECT_FALSE(IsWindowVisible(Handle(name))) << name;
  EXPECT_TRUE(Control<TSkinLabel>("slFileName").Visible());
}

}  // namespace
}  // namespace nuvex
