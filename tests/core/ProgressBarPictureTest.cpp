// The bar's picture, pixel for pixel: the frame lines of every shape, the
// done block, the text position and the frame colour's shades.  Text goes
// through the headless renderer on every platform; system colours are
// resolved by the platform, so expectations name them and resolve them too.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/support/GraphicsTestUtil.h"
#include "controls/ProgressPainter.h"
#include "controls/ProgressPicture.h"
#include "toolkit/graphics/TextRenderer.h"

namespace nuvex {
namespace {

// S shadow, H highlight, T "to do", D done, Y text.
constexpr TColor kToDo = clNavy;
constexpr TColor kDone = clRed;
constexpr TColor kText = clYellow;

TColor Legend(char c) {
  switch (c) {
    case 'S': return ColorToRGB(clBtnShadow);
    case 'H': return ColorToRGB(clBtnHighlight);
    case 'T': return kToDo;
    case 'D': return kDone;
    case 'Y': return kText;
  }
  ADD_FAILURE() << "unknown legend character " << c;
  return -1;
}

TColor Px(const TBitmap& b, int x, int y) { return PixelToColor(b.ScanLine(y)[x] & 0xFFFFFF); }

char LegendOf(TColor color) {
  for (char c : std::string("SHTDY"))
    if (Legend(c) == color) return c;
  return '?';
}

std::string Rows(const TBitmap& b) {
  std::ostringstream out;
  for (int y = 0; y < b.Height(); ++y) {
    for (int x = 0; x < b.Width(); ++x) out << LegendOf(Px(b, x, y));
    out << '\n';
  }
  return out.str();
}

std::string Rows(const std::vector<std::string>& rows) {
  std::string out;
  for (const std::string& row : rows) out += row + '\n';
  return out;
}

// One row of the table per shape and style: the picture of a bar half done.
struct ShapeCase {
  TProgressShape shape;
  TProgressStyle style;
  int width, height;
  std::vector<std::string> rows;
};

class ProgressBarPicture : public testing::Test {
 protected:
  ProgressBarPicture() : renderer_(headless_) {
    look.ColorDone = kDone;
    look.ColorToDo = kToDo;
    look.ShowPercentage = false;
    look.Font.Color = kText;
  }

  TBitmap Paint(int width, int height, int position) {
    TProgressRange range;
    range.SetPosition(position);
    TBitmap bitmap;
    PaintProgressPicture(bitmap, width, height, look, range);
    return bitmap;
  }

  void PaintsAsExpected(const ShapeCase& c);

  THeadlessTextRenderer headless_;
  ScopedService<TTextRenderer> renderer_;
  TProgressLook look;
};

void ProgressBarPicture::PaintsAsExpected(const ShapeCase& c) {
  SCOPED_TRACE(testing::Message() << "shape " << int(c.shape) << ", style " << int(c.style));
  look.Shape = c.shape;
  look.Style = c.style;
  EXPECT_EQ(Rows(Paint(c.width, c.height, 50)), Rows(c.rows));
}

TEST_F(ProgressBarPicture, FramedShapes) {
  const ShapeCase cases[] = {
      {psBox, psLowered, 8, 5, {"SSSSSSSH", "SDDDTTTH", "SDDDTTTH", "SDDDTTTH", "SHHHHHHH"}},
      {psBox, psRaised, 8, 5, {"HHHHHHHS", "HDDDTTTS", "HDDDTTTS", "HDDDTTTS", "HSSSSSSS"}},
      {psFrame, psLowered, 8, 5, {"SSSSSSST", "SHHHHHSH", "SHDDTTSH", "SSSSSSSH", "DHHHHHHH"}},
  };
  for (const ShapeCase& c : cases) PaintsAsExpected(c);
}

TEST_F(ProgressBarPicture, SingleLineShapes) {
  const ShapeCase cases[] = {
      {psTopLine, psLowered, 6, 4, {"SSSSSS", "HHHHHH", "DDDTTT", "DDDTTT"}},
      {psBottomLine, psLowered, 6, 4, {"DDDTTT", "DDDTTT", "SSSSSS", "HHHHHH"}},
      {psLeftLine, psLowered, 6, 4, {"SHDTTT", "SHDTTT", "SHDTTT", "SHDTTT"}},
      {psRightLine, psRaised, 6, 4, {"DDDTHS", "DDDTHS", "DDDTHS", "DDDTHS"}},
      {psSpacer, psRaised, 6, 4, {"DDDTTT", "DDDTTT", "DDDTTT", "DDDTTT"}},
  };
  for (const ShapeCase& c : cases) PaintsAsExpected(c);
}

TEST_F(ProgressBarPicture, DoneBlockFollowsThePositionAndTheBorderInset) {
  look.Shape = psSpacer;
  // 10 * 0.25 = 2.5 rounds to the even 2; 10 * 0.35 = 3.5 to 4.
  EXPECT_EQ(Rows(Paint(10, 2, 25)), Rows({"DDTTTTTTTT", "DDTTTTTTTT"}));
  EXPECT_EQ(Rows(Paint(10, 2, 35)), Rows({"DDDDTTTTTT", "DDDDTTTTTT"}));
  EXPECT_EQ(Rows(Paint(10, 2, 0)), Rows({"TTTTTTTTTT", "TTTTTTTTTT"}));
  EXPECT_EQ(Rows(Paint(10, 2, 100)), Rows({"DDDDDDDDDD", "DDDDDDDDDD"}));

  look.BorderWidth = 1;
  // 6 pixels done, less one on either side.
  EXPECT_EQ(Rows(Paint(10, 4, 60)), Rows({"TTTTTTTTTT",
                                           "TDDDDTTTTT",
                                           "TDDDDTTTTT",
                                           "TTTTTTTTTT"}));
  // An inset of half the done width or more leaves nothing to fill.
  look.BorderWidth = 3;
  EXPECT_EQ(Rows(Paint(10, 8, 60)), Rows({"TTTTTTTTTT", "TTTTTTTTTT", "TTTTTTTTTT", "TTTTTTTTTT",
                                           "TTTTTTTTTT", "TTTTTTTTTT", "TTTTTTTTTT", "TTTTTTTTTT"}));
}

// The picture with the percentage text drawn by hand at (x, y) over the
// fills, under the frame.
TBitmap Expected(int width, int height, int done, int x, int y, const std::string& text, const TFont& font,
                 TProgressShape shape) {
  TBitmap b(width, height);
  b.Canvas().Brush.Color = kToDo;
  b.Canvas().FillRect(b.ClientRect());
  b.Canvas().Brush.Color = kDone;
  b.Canvas().FillRect(Rect(0, 0, done, height));
  b.Canvas().Brush.Style = bsClear;
  b.Canvas().Font = font;
  b.Canvas().TextOut(x, y, text);
  if (shape == psBox) {
    b.Canvas().Pen.Color = clBtnShadow;
    b.Canvas().Polyline({{0, height - 1}, {0, 0}, {width - 1, 0}});
    b.Canvas().Pen.Color = clBtnHighlight;
    b.Canvas().Polyline({{width - 1, 0}, {width - 1, height - 1}, {0, height - 1}});
  }
  return b;
}

TEST_F(ProgressBarPicture, PercentageTextIsCentredWithoutBackground) {
  look.ShowPercentage = true;
  look.Shape = psBox;
  // The headless 8-point font: cells 6 x 11.  " 50 %" is 30 x 11, so on a
  // 225 x 18 bar it starts at ((225 - 30) / 2, (18 - 11) / 2) = (97, 3).
  const TBitmap bar = Paint(225, 18, 50);
  const TBitmap expected = Expected(225, 18, 112, 97, 3, " 50 %", look.Font, psBox);
  for (int y = 0; y < 18; ++y)
    for (int x = 0; x < 225; ++x) ASSERT_EQ(Px(bar, x, y), Px(expected, x, y)) << x << "," << y;
  // The glyphs are there: the frame of the "5" cell starts at (103, 4).
  EXPECT_EQ(Px(bar, 103, 4), kText);
  EXPECT_EQ(Px(bar, 102, 4), kDone);
}

TEST_F(ProgressBarPicture, InfoTextAndATextWiderThanTheBar) {
  look.ShowPercentage = true;
  look.Shape = psSpacer;
  look.InfoText = "ab";
  // "ab 100 %" is 8 cells, 48 pixels, on 11: (11 - 48) / 2 = -18 (toward zero).
  const TBitmap bar = Paint(11, 12, 100);
  const TBitmap expected = Expected(11, 12, 11, -18, 0, "ab 100 %", look.Font, psSpacer);
  EXPECT_EQ(Rows(bar), Rows(expected));
  const TBitmap floored = Expected(11, 12, 11, -19, 0, "ab 100 %", look.Font, psSpacer);
  EXPECT_NE(Rows(bar), Rows(floored));
}

TEST_F(ProgressBarPicture, TheFrameIsDrawnOverTheText) {
  look.ShowPercentage = true;
  look.Shape = psBox;
  look.Font.Size = 20;  // cells 14 x 27: the text overflows a 9-pixel-high bar
  const TBitmap bar = Paint(100, 9, 0);
  for (int x = 0; x < 99; ++x) EXPECT_EQ(LegendOf(Px(bar, x, 0)), 'S') << x;
  for (int x = 1; x < 100; ++x) EXPECT_EQ(LegendOf(Px(bar, x, 8)), 'H') << x;
  bool text = false;
  for (int x = 1; x < 99; ++x) text = text || Px(bar, x, 4) == kText;
  EXPECT_TRUE(text);
}

TEST_F(ProgressBarPicture, EqualKeysMeanEqualPictures) {
  look.ShowPercentage = true;
  TProgressRange range;
  range.SetMax(997);
  TBitmap previous;
  PaintProgressPicture(previous, 60, 14, look, range);
  TProgressPictureKey previousKey = ProgressPictureKey(60, 14, look, range);
  int same = 0;
  for (int p = 1; p <= 997; ++p) {
    range.SetPosition(p);
    TBitmap now;
    PaintProgressPicture(now, 60, 14, look, range);
    const TProgressPictureKey key = ProgressPictureKey(60, 14, look, range);
    // The converse need not hold: a done column under the frame changes nothing.
    if (key == previousKey) {
      ASSERT_EQ(Rows(now), Rows(previous)) << p;
      ++same;
    }
    previous = now;
    previousKey = key;
  }
  EXPECT_GT(same, 800);  // most steps change nothing on 60 pixels

  // The quick test on every report agrees with comparing keys, for every
  // setting that takes part in the picture.
  const TProgressPictureKey base = ProgressPictureKey(60, 14, look, range);
  EXPECT_TRUE(IsPictureOf(base, 60, 14, look, range));
  EXPECT_FALSE(IsPictureOf(base, 61, 14, look, range));
  EXPECT_FALSE(IsPictureOf(base, 60, 13, look, range));
  const auto changed = [&](auto change) {
    TProgressLook other = look;
    change(other);
    EXPECT_EQ(IsPictureOf(base, 60, 14, other, range), ProgressPictureKey(60, 14, other, range) == base);
    return ProgressPictureKey(60, 14, other, range) != base;
  };
  EXPECT_TRUE(changed([](TProgressLook& l) { l.Font.Color = clLime; }));
  EXPECT_TRUE(changed([](TProgressLook& l) { l.Font.Name = "Arial"; }));
  EXPECT_TRUE(changed([](TProgressLook& l) { l.InfoText = "x"; }));
  EXPECT_TRUE(changed([](TProgressLook& l) { l.ShowPercentage = false; }));
  EXPECT_TRUE(changed([](TProgressLook& l) { l.Style = psRaised; }));
  EXPECT_TRUE(changed([](TProgressLook& l) { l.Shape = psFrame; }));
  EXPECT_TRUE(changed([](TProgressLook& l) { l.BorderWidth = 1; }));
  EXPECT_TRUE(changed([](TProgressLook& l) { l.ColorDone = clLime; }));
  EXPECT_TRUE(changed([](TProgressLook& l) { l.ColorToDo = clLime; }));
  // Without the percentage the text and its font do not matter.
  TProgressLook plain = look;
  plain.ShowPercentage = false;
  const TProgressPictureKey plainKey = ProgressPictureKey(60, 14, plain, range);
  plain.InfoText = "x";
  plain.Font.Size = 30;
  EXPECT_EQ(ProgressPictureKey(60, 14, plain, range), plainKey);
  EXPECT_TRUE(IsPictureOf(plainKey, 60, 14, plain, range));
  range.SetPosition(range.Position() - 1);  // the same done width on 60 pixels
  EXPECT_TRUE(IsPictureOf(plainKey, 60, 14, plain, range));
}

TEST(ProgressBarFrameColor, ShadesAreClampedPerChannel) {
  EXPECT_EQ(ShadeColor(clNavy, 48), MakeColor(48, 48, 176));
  EXPECT_EQ(ShadeColor(clNavy, -48), MakeColor(0, 0, 80));
  EXPECT_EQ(ShadeColor(clWhite, 48), clWhite);
  EXPECT_EQ(ShadeColor(MakeColor(250, 10, 100), 48), MakeColor(255, 58, 148));
  const TColor face = ColorToRGB(clBtnFace);
  const TFrameColors frame = FrameColorsOf(clBtnFace);
  EXPECT_EQ(frame.Color, clBtnFace);  // the colour as written
  EXPECT_EQ(frame.Light, MakeColor(std::min(ColorRed(face) + 48, 255), std::min(ColorGreen(face) + 48, 255),
                                   std::min(ColorBlue(face) + 48, 255)));
  EXPECT_EQ(frame.Dark, MakeColor(std::max(ColorRed(face) - 48, 0), std::max(ColorGreen(face) - 48, 0),
                                  std::max(ColorBlue(face) - 48, 0)));
}

}  // namespace
}  // namespace nuvex

namespace nuvex {
namespace {

// The painter that keeps its text layers gives the pixels of the plain
// painter, whatever changes between two paints.
TEST(ProgressBarPainter, SameAsThePlainPainterOverEveryPosition) {
  THeadlessTextRenderer headless;
  ScopedService<TTextRenderer> useHeadless(headless);
  TProgressLook look;
  look.ColorDone = clRed;
  look.ColorToDo = clNavy;
  look.Font.Color = clYellow;
  TProgressPainter painter;
  TBitmap cached, plain;
  int paints = 0;
  const auto sweep = [&](int width, int height, int maximum) {
    TProgressRange range;
    range.SetMax(maximum);
    for (int p = 0; p <= maximum; ++p) {
      range.SetPosition(p);
      painter.Paint(cached, width, height, look, range);
      PaintProgressPicture(plain, width, height, look, range);
      ++paints;
      ASSERT_EQ(test::PixelsOf(cached), test::PixelsOf(plain)) << width << "x" << height << " at " << p;
    }
  };
  sweep(225, 18, 450);
  EXPECT_LT(painter.LayersDrawn(), 140);  // about one per percent, not one per paint
  look.BorderWidth = 3;
  look.Shape = psFrame;
  sweep(225, 18, 300);
  look.InfoText = "Copying files";  // wider than the bar
  look.Font.Size = 14;
  look.Style = psRaised;
  sweep(40, 30, 120);
  look.ColorDone = clBtnShadow;  // a new background redraws its layer
  look.ColorToDo = clLime;
  sweep(40, 30, 40);
  look.ShowPercentage = false;
  sweep(30, 6, 30);
  look.ShowPercentage = true;
  look.BorderWidth = 0;
  sweep(100, 20, 100);

  // Another renderer draws other glyphs: the layers are drawn again.
  struct WideRenderer : THeadlessTextRenderer {
    TSize Measure(const TFont& font, std::string_view text) override {
      TSize size = THeadlessTextRenderer::Measure(font, text);
      size.cx += 6;
      return size;
    }
  } wide;
  ScopedService<TTextRenderer> useWide(wide);
  sweep(100, 20, 100);
  EXPECT_GT(paints, 1000);
}

}  // namespace
}  // namespace nuvex
