// The pictures of the installer's window (resources/pictures, drawn by
// draw_installer_pictures.py) as the program finds them: each resource is its
// file, the sizes the window is laid out for, the buttons' three states, and
// the background where the window writes its blue texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>
#include <string>
#include <utility>

#include "skin/SkinTypes.h"
#include "tests/support/TestSupport.h"
#include "toolkit/formats/BitmapFile.h"
#include "toolkit/formats/JpegFile.h"
#include "toolkit/resources/FormResources.h"

namespace nuvex {
namespace {

constexpr int kButtonWidth = 226, kButtonHeight = 39;
// The buttons and where RunInstallForm puts them: the pictures' rounded
// corners show the background of exactly that place.
const std::pair<const char*, TPoint> kButtons[] = {
    {"RunInstallButton", {80, 63}}, {"DirectXWin98Button", {80, 107}}, {"DirectXWin2000Button", {79, 151}}};
// StateToButtonIndex's order for a strip of three.
enum { kPressed, kNormal, kOver };

TColor At(const TBitmap& picture, int x, int y) { return PixelToColor(picture.ScanLine(y)[x]); }

double Brightness(TColor c) { return 0.299 * ColorRed(c) + 0.587 * ColorGreen(c) + 0.114 * ColorBlue(c); }

// The contrast of two colours as the readability guidelines reckon it (1 to 21).
double Contrast(TColor a, TColor b) {
  auto luminance = [](TColor c) {
    auto channel = [](int v) {
      const double s = v / 255.0;
      return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(ColorRed(c)) + 0.7152 * channel(ColorGreen(c)) + 0.0722 * channel(ColorBlue(c));
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The mean brightness of a state's body, inside its rounded outline.
double BodyBrightness(const TBitmap& strip, int state) {
  double sum = 0;
  int count = 0;
  for (int y = 4; y < kButtonHeight - 4; ++y)
    for (int x = 8; x < kButtonWidth - 8; ++x, ++count) sum += Brightness(At(strip, x, state * kButtonHeight + y));
  return sum / count;
}

// The light lettering of a state, right of the badge, in the state's own coordinates.
std::set<std::pair<int, int>> Lettering(const TBitmap& strip, int state) {
  std::set<std::pair<int, int>> lit;
  for (int y = 4; y < kButtonHeight - 4; ++y)
    for (int x = 40; x < kButtonWidth - 6; ++x)
      if (Brightness(At(strip, x, state * kButtonHeight + y)) > 170) lit.insert({x, y});
  return lit;
}

TEST(InstallerPictures, EachResourceIsItsFile) {
  const std::filesystem::path folder = test::SourcePath("resources/pictures");
  int seen = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string extension = entry.path().extension().string();
    if (extension != ".bmp" && extension != ".jpg") continue;
    SCOPED_TRACE(entry.path().filename().string());
    const std::vector<uint8_t> file = test::ReadAll(entry.path().string());
    const TBitmap expected = extension == ".bmp" ? DecodeBitmapFile(file) : DecodeJpeg(file);
    const TBitmap found = LoadPictureResource(entry.path().stem().string());
    ASSERT_EQ(found.Width(), expected.Width());
    ASSERT_EQ(found.Height(), expected.Height());
    EXPECT_TRUE(std::equal(found.Bits(), found.Bits() + found.Width() * found.Height(), expected.Bits()));
    ++seen;
  }
  EXPECT_EQ(seen, 4);
}

TEST(InstallerPictures, TheBackgroundFillsTheWindow) {
  const TBitmap background = LoadPictureResource("RunInstallBackground");
  EXPECT_EQ(background.Width(), 374);
  EXPECT_EQ(background.Height(), 297);
}

TEST(InstallerPictures, BlueTextReadsWhereTheWindowWritesIt) {
  const TBitmap background = LoadPictureResource("RunInstallBackground");
  ASSERT_EQ(background.Width(), 374);
  ASSERT_EQ(background.Height(), 297);
  // The title, the progress bar's place, the folder label and the folder path.
  for (const TRect& r : {TRect{86, 17, 283, 39}, TRect{80, 195, 305, 213}, TRect{77, 213, 285, 229},
                         TRect{85, 229, 340, 245}}) {
    double worst = 21;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) worst = std::min(worst, Contrast(At(background, x, y), clBlue));
    EXPECT_GE(worst, 4.5) << r.Left << "," << r.Top;
  }
}

TEST(InstallerPictures, ButtonsAreStripsOfThreeStatesWithoutKeyColour) {
  for (const auto& [name, place] : kButtons) {
    SCOPED_TRACE(name);
    const TBitmap strip = LoadPictureResource(name);
    ASSERT_EQ(strip.Width(), kButtonWidth);
    ASSERT_EQ(strip.Height(), 3 * kButtonHeight);
    int keyed = 0;
    for (int y = 0; y < strip.Height(); ++y)
      for (int x = 0; x < strip.Width(); ++x) keyed += At(strip, x, y) == KeyColour;
    EXPECT_EQ(keyed, 0);  // the button's shape stays its whole rectangle
  }
}

TEST(InstallerPictures, TheStatesDifferAsTheButtonDoes) {
  for (const auto& [name, place] : kButtons) {
    SCOPED_TRACE(name);
    const TBitmap strip = LoadPictureResource(name);
    ASSERT_EQ(strip.Height(), 3 * kButtonHeight);
    // Pointer-over lightens, pressing darkens, clearly.
    const double pressed = BodyBrightness(strip, kPressed), normal = BodyBrightness(strip, kNormal),
                 over = BodyBrightness(strip, kOver);
    EXPECT_GT(normal - pressed, 15);
    EXPECT_GT(over - normal, 15);

    // Pressed, the lettering moves one pixel down and right.
    const auto up = Lettering(strip, kNormal), down = Lettering(strip, kPressed);
    ASSERT_GT(up.size(), 100u);
    int shifted = 0, inPlace = 0;
    for (const auto& [x, y] : up) {
      shifted += down.count({x + 1, y + 1}) ? 1 : 0;
      inPlace += down.count({x, y}) ? 1 : 0;
    }
    EXPECT_GE(shifted, static_cast<int>(down.size()) * 9 / 10);
    EXPECT_LT(inPlace, static_cast<int>(down.size()) * 6 / 10);
  }
}

TEST(InstallerPictures, ButtonCornersShowTheBackgroundBehindThem) {
  const TBitmap background = LoadPictureResource("RunInstallBackground");
  for (const auto& [name, place] : kButtons) {
    SCOPED_TRACE(name);
    const TBitmap strip = LoadPictureResource(name);
    ASSERT_EQ(strip.Height(), 3 * kButtonHeight);
    for (int state : {kPressed, kNormal, kOver})
      for (const auto& [x, y] : {std::pair{0, 0}, {kButtonWidth - 1, 0}, {0, kButtonHeight - 1},
                                 {kButtonWidth - 1, kButtonHeight - 1}}) {
        SCOPED_TRACE(testing::Message() << "state " << state << " at " << x << "," << y);
        const TColor corner = At(strip, x, state * kButtonHeight + y);
        const TColor behind = At(background, place.X + x, place.Y + y);
        // The background went through JPEG; the button did not.
        EXPECT_NEAR(ColorRed(corner), ColorRed(behind), 10);
        EXPECT_NEAR(ColorGreen(corner), ColorGreen(behind), 10);
        EXPECT_NEAR(ColorBlue(corner), ColorBlue(behind), 10);
      }
  }
}

}  // namespace
}  // namespace nuvex
