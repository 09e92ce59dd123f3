// JPEG decoding: good pictures in the common layouts, broken ones refused.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

extern "C" {
#include <jpeglib.h>
}

#include "tests/support/TestSupport.h"
#include "toolkit/formats/JpegFile.h"

namespace nuvex {
namespace {

// A JPEG of the given samples (RGB or grey), made with libjpeg's encoder.
std::vector<uint8_t> EncodeJpeg(int width, int height, int components,
                                const std::vector<uint8_t>& samples, bool progressive) {
  jpeg_compress_struct c{};
  jpeg_error_mgr errors{};
  c.err = jpeg_std_error(&errors);
  jpeg_create_compress(&c);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&c, &buffer, &size);
  c.image_width = width;
  c.image_height = height;
  c.input_components = components;
  c.in_color_space = components == 3 ? JCS_RGB : JCS_GRAYSCALE;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, 100, TRUE);
  if (progressive) jpeg_simple_progression(&c);
  jpeg_start_compress(&c, TRUE);
  while (c.next_scanline < c.image_height) {
    JSAMPROW row = const_cast<unsigned char*>(&samples[size_t(c.next_scanline) * width * components]);
    jpeg_write_scanlines(&c, &row, 1);
  }
  jpeg_finish_compress(&c);
  std::vector<uint8_t> out(buffer, buffer + size);
  jpeg_destroy_compress(&c);
  std::free(buffer);
  return out;
}

// 16 x 16: red, green / blue, white quadrants.
std::vector<uint8_t> Quadrants(bool progressive) {
  std::vector<uint8_t> s;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const int q = (y / 8) * 2 + x / 8;
      const uint8_t rgb[4][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
      s.insert(s.end(), rgb[q], rgb[q] + 3);
    }
  return EncodeJpeg(16, 16, 3, s, progressive);
}

void ExpectNear(TColor actual, TColor expected) {
  EXPECT_NEAR(ColorRed(actual), ColorRed(expected), 12) << std::hex << actual;
  EXPECT_NEAR(ColorGreen(actual), ColorGreen(expected), 12) << std::hex << actual;
  EXPECT_NEAR(ColorBlue(actual), ColorBlue(expected), 12) << std::hex << actual;
}

std::string ErrorOf(const std::vector<uint8_t>& data) {
  return test::MessageOf<JpegError>([&] { DecodeJpeg(data); });
}

TEST(GraphicsJpeg, DecodesBaselineAndProgressiveColourPictures) {
  for (bool progressive : {false, true}) {
    TBitmap b = DecodeJpeg(Quadrants(progressive));
    ASSERT_EQ(b.Width(), 16);
    ASSERT_EQ(b.Height(), 16);
    EXPECT_EQ(b.PixelFormat(), pf24bit);
    ExpectNear(b.Canvas().Pixel(3, 3), clRed);
    ExpectNear(b.Canvas().Pixel(12, 3), clLime);
    ExpectNear(b.Canvas().Pixel(3, 12), clBlue);
    ExpectNear(b.Canvas().Pixel(12, 12), clWhite);
  }
}

TEST(GraphicsJpeg, DecodesGreyPicturesAsColour) {
  TBitmap b = DecodeJpeg(EncodeJpeg(5, 3, 1, std::vector<uint8_t>(15, 100), false));
  EXPECT_EQ(b.Width(), 5);
  ExpectNear(b.Canvas().Pixel(4, 2), MakeColor(100, 100, 100));
}

TEST(GraphicsJpeg, RefusesBrokenDataWithLibjpegsReason) {
  EXPECT_EQ(ErrorOf({}), "JPEG error: the data is empty");
  EXPECT_NE(ErrorOf({'G', 'I', 'F', '8', '9', 'a', 0, 0}).find("Not a JPEG file"), std::string::npos);
  const std::vector<uint8_t> good = Quadrants(false);
  for (size_t keep : {size_t(2), size_t(20), good.size() / 2, good.size() - 3}) {
    const std::string e = ErrorOf(std::vector<uint8_t>(good.begin(), good.begin() + keep));
    EXPECT_EQ(e.rfind("JPEG error: ", 0), 0u) << keep << ": " << e;
  }
  std::vector<uint8_t> noise(good.begin(), good.begin() + 200);
  for (size_t i = 200; i < good.size(); ++i) noise.push_back(uint8_t(i * 37));
  EXPECT_NE(ErrorOf(noise), "no error");
}

TEST(GraphicsJpeg, RefusesHugeSizesBeforeAllocating) {
  std::vector<uint8_t> data = Quadrants(false);
  // The frame header (FFC0): length, precision, then height and width.
  size_t sof = 0;
  for (size_t i = 0; i + 1 < data.size(); ++i)
    if (data[i] == 0xFF && data[i + 1] == 0xC0) sof = i;
  ASSERT_GT(sof, 0u);
  data[sof + 5] = 0xFD;  // 65000 x 65000
  data[sof + 6] = 0xE8;
  data[sof + 7] = 0xFD;
  data[sof + 8] = 0xE8;
  EXPECT_NE(ErrorOf(data).find("too large"), std::string::npos);
}

TEST(GraphicsJpeg, ReadsFiles) {
  test::TempFolder folder;
  test::WriteAll(folder / "a.jpg", Quadrants(true));
  EXPECT_EQ(ReadJpegFile(folder / "a.jpg").Width(), 16);
  EXPECT_THROW(ReadJpegFile(folder / "none.jpg"), FileOpenError);
}

}  // namespace
}  // namespace nuvex
