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

// How a test picture is written: its colour space in the file, sampling of
// the first component, restart interval in rows of blocks.
struct JpegKind {
  J_COLOR_SPACE fileSpace = JCS_UNKNOWN;  // JCS_UNKNOWN: libjpeg's default
  int hSample = 0, vSample = 0;           // 0: libjpeg's default (2 x 2 for colour)
  int restartRows = 0;
};

// A JPEG of the given samples (RGB, grey or CMYK), made with libjpeg's encoder.
std::vector<uint8_t> EncodeJpeg(int width, int height, int components,
                                const std::vector<uint8_t>& samples, bool progressive,
                                const JpegKind& kind = {}) {
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
  c.in_color_space = components == 4 ? JCS_CMYK : components == 3 ? JCS_RGB : JCS_GRAYSCALE;
  jpeg_set_defaults(&c);
  if (kind.fileSpace != JCS_UNKNOWN) jpeg_set_colorspace(&c, kind.fileSpace);
  if (kind.hSample) {
    c.comp_info[0].h_samp_factor = kind.hSample;
    c.comp_info[0].v_samp_factor = kind.vSample;
  }
  c.restart_in_rows = kind.restartRows;
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

// 32 x 32: red, green / blue, white quadrants (in CMYK: Adobe's inverted inks).
std::vector<uint8_t> Quadrants(bool progressive, const JpegKind& kind = {}, bool cmyk = false) {
  std::vector<uint8_t> s;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const int q = (y / 16) * 2 + x / 16;
      const uint8_t rgb[4][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
      const uint8_t inverted[4][4] = {{255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}, {255, 255, 255, 255}};
      if (cmyk) {
        s.insert(s.end(), inverted[q], inverted[q] + 4);
      } else {
        s.insert(s.end(), rgb[q], rgb[q] + 3);
      }
    }
  return EncodeJpeg(32, 32, cmyk ? 4 : 3, s, progressive, kind);
}

void ExpectNear(TColor actual, TColor expected) {
  EXPECT_NEAR(ColorRed(actual), ColorRed(expected), 12) << std::hex << actual;
  EXPECT_NEAR(ColorGreen(actual), ColorGreen(expected), 12) << std::hex << actual;
  EXPECT_NEAR(ColorBlue(actual), ColorBlue(expected), 12) << std::hex << actual;
}

std::string ErrorOf(const std::vector<uint8_t>& data) {
  return test::MessageOf<JpegError>([&] { DecodeJpeg(data); });
}

TEST(GraphicsJpeg, DecodesEveryKindOfColourPicture) {
  struct Case {
    const char* name;
    bool progressive;
    JpegKind kind;
    bool cmyk;
  };
  const Case cases[] = {
      {"baseline 4:2:0", false, {}, false},
      {"progressive", true, {}, false},
      {"4:4:4", false, {JCS_UNKNOWN, 1, 1, 0}, false},
      {"4:2:2", false, {JCS_UNKNOWN, 2, 1, 0}, false},
      {"restart markers", false, {JCS_UNKNOWN, 0, 0, 1}, false},
      {"progressive with restart markers", true, {JCS_UNKNOWN, 2, 1, 1}, false},
      {"CMYK (Adobe)", false, {JCS_CMYK, 1, 1, 0}, true},
      {"YCCK (Adobe)", false, {JCS_YCCK, 2, 2, 1}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TBitmap b = DecodeJpeg(Quadrants(c.progressive, c.kind, c.cmyk));
    ASSERT_EQ(b.Width(), 32);
    ASSERT_EQ(b.Height(), 32);
    EXPECT_EQ(b.PixelFormat(), pf24bit);
    ExpectNear(b.Canvas().Pixel(5, 5), clRed);
    ExpectNear(b.Canvas().Pixel(26, 5), clLime);
    ExpectNear(b.Canvas().Pixel(5, 26), clBlue);
    ExpectNear(b.Canvas().Pixel(26, 26), clWhite);
  }
  // CMYK without Adobe's marker holds the inks as they are: 0 is no ink.
  std::vector<uint8_t> plain;
  for (int i = 0; i < 64; ++i) plain.insert(plain.end(), {0, 255, 255, 0});  // magenta and yellow: red
  JpegKind noMarker{JCS_CMYK, 1, 1, 0};
  std::vector<uint8_t> file = EncodeJpeg(8, 8, 4, plain, false, noMarker);
  for (size_t i = 0; i + 11 < file.size(); ++i) {
    if (file[i] == 0xFF && file[i + 1] == 0xEE) file[i + 4] = 'X';  // "Adobe" no longer
  }
  ExpectNear(DecodeJpeg(file).Canvas().Pixel(4, 4), clRed);
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
  EXPECT_EQ(ReadJpegFile(folder / "a.jpg").Width(), 32);
  EXPECT_THROW(ReadJpegFile(folder / "none.jpg"), FileOpenError);
}

}  // namespace
}  // namespace nuvex
