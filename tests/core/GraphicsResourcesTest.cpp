// Embedded bitmaps by name, the skin engine's loader, and the text seam.
#include <gtest/gtest.h>

#include "skin/BitmapTools.h"
#include "tests/support/GraphicsTestUtil.h"
#include "toolkit/formats/BitmapFile.h"
#include "toolkit/graphics/TextRenderer.h"
#include "toolkit/resources/BitmapResources.h"

namespace nuvex {
namespace {

// Registered data must outlive the registration.
std::vector<uint8_t>& EightBitFile() {
  static std::vector<uint8_t> bytes = [] {
    TBitmap b = test::Picture({"rk", "g#", "b."});
    b.SetPixelFormat(pf8bit);
    return EncodeBitmapFile(b);
  }();
  return bytes;
}

struct Registration {
  Registration(const char* name, std::span<const uint8_t> data) : name_(name) {
    RegisterBitmapResource(name, data);
  }
  ~Registration() { UnregisterBitmapResource(name_); }
  std::string name_;
};

TEST(GraphicsResources, FoundByNameWithoutRegardToCase) {
  Registration r("GfxTest.Strip", EightBitFile());
  const TBitmap b = LoadBitmapResource("GFXTEST.STRIP");
  EXPECT_EQ(test::PixelsOf(b), test::PixelsOf(test::Picture({"rk", "g#", "b."})));
  EXPECT_EQ(LoadBitmapResource("gfxtest.strip").Height(), 3);
  try {
    LoadBitmapResource("GfxTest.Missing");
    FAIL();
  } catch (const ResourceNotFoundError& e) {
    EXPECT_STREQ(e.what(), "Resource GfxTest.Missing not found");
  }
}

TEST(GraphicsResources, PackedDibsAndBrokenDataAlike) {
  const std::vector<uint8_t>& file = EightBitFile();
  static const std::vector<uint8_t> dib(file.begin() + 14, file.end());
  static const std::vector<uint8_t> broken(file.begin(), file.begin() + 40);
  Registration a("GfxTest.Dib", dib);
  Registration b("GfxTest.Broken", broken);
  EXPECT_EQ(LoadBitmapResource("GfxTest.Dib").Width(), 2);
  EXPECT_THROW(LoadBitmapResource("GfxTest.Broken"), BitmapFormatError);
}

TEST(SkinToolsBitmaps, LoadBitmapFromResourceRaisesPalettedTargetsToSixteenBits) {
  Registration r("GfxTest.Strip", EightBitFile());
  TBitmap dest(1, 1, pf4bit);
  LoadBitmapFromResource("gfxtest.strip", dest);
  EXPECT_EQ(dest.PixelFormat(), pf16bit);
  EXPECT_EQ(test::PixelsOf(dest), test::PixelsOf(test::Picture({"rk", "g#", "b."})));
  TBitmap deep(1, 1, pf32bit);
  LoadBitmapFromResource("GfxTest.Strip", deep);
  EXPECT_EQ(deep.PixelFormat(), pf32bit);

  // A missing resource leaves the target as it was.
  TBitmap kept = test::CoordPicture(4, 4);
  EXPECT_THROW(LoadBitmapFromResource("GfxTest.Nothing", kept), ResourceNotFoundError);
  EXPECT_EQ(test::PixelsOf(kept), test::PixelsOf(test::CoordPicture(4, 4)));
}

TEST(GraphicsText, HeadlessFontIsDeterministic) {
  THeadlessTextRenderer headless;
  ScopedService<TTextRenderer> scope(headless);
  TBitmap b(40, 20);
  TCanvas& c = b.Canvas();
  EXPECT_EQ(c.Font.PixelHeight(), 11);  // 8 points
  EXPECT_EQ(c.TextExtent(" 50 %"), (TSize{30, 11}));
  EXPECT_EQ(c.TextWidth(""), 0);
  c.Font.Color = clNavy;
  c.Brush.Style = bsClear;
  c.TextOut(2, 3, "5");
  // The glyph's frame: one pixel inside its 6 x 11 cell.
  EXPECT_EQ(c.Pixel(2, 4), clNavy);
  EXPECT_EQ(c.Pixel(6, 4), clNavy);
  EXPECT_EQ(c.Pixel(2, 12), clNavy);
  EXPECT_EQ(c.Pixel(2, 3), clWhite);
  EXPECT_EQ(c.Pixel(7, 4), clWhite);
  // Different characters paint differently; a space paints nothing.
  TBitmap other(40, 20);
  other.Canvas().Font.Color = clNavy;
  other.Canvas().Brush.Style = bsClear;
  other.Canvas().TextOut(2, 3, "6");
  EXPECT_NE(test::PixelsOf(b), test::PixelsOf(other));
  TBitmap space(10, 20);
  space.Canvas().Brush.Style = bsClear;
  space.Canvas().TextOut(0, 0, "  ");
  EXPECT_TRUE(test::AllPixels(space, clWhite));
  // A solid brush fills the text's cell first.
  space.Canvas().Brush = {clYellow, bsSolid};
  space.Canvas().TextOut(0, 0, " ");
  EXPECT_EQ(space.Canvas().Pixel(5, 10), clYellow);
  EXPECT_EQ(space.Canvas().Pixel(6, 10), clWhite);
  EXPECT_EQ(space.Canvas().Pixel(0, 11), clWhite);
}

TEST(GraphicsText, ScopedRendererIsRestored) {
  TTextRenderer& before = CurrentTextRenderer();
  {
    THeadlessTextRenderer headless;
    ScopedService<TTextRenderer> scope(headless);
    EXPECT_EQ(&CurrentTextRenderer(), &headless);
  }
  EXPECT_EQ(&CurrentTextRenderer(), &before);
}

}  // namespace
}  // namespace nuvex
