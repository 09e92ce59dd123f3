// Windows bitmap files: reading every supported layout, writing, refusing the rest.
#include <gtest/gtest.h>

#include <random>

#include "tests/support/GraphicsTestUtil.h"
#include "tests/support/TestSupport.h"
#include "toolkit/formats/BitmapFile.h"

namespace nuvex {
namespace {

struct BmpLayout {
  int32_t width = 1;
  int32_t height = 1;
  uint16_t bits = 24;
  uint32_t compression = 0;
  uint32_t headerSize = 40;
  uint16_t planes = 1;
  uint32_t colorsUsed = 0;
  std::vector<uint32_t> masks;  // after a 40-byte header, or inside a longer one
  std::vector<uint32_t> table;  // 0x00RRGGBB entries
  std::vector<uint8_t> pixels;  // rows as stored, padding included
  int64_t offset = -1;          // the pixel data offset; -1: right after the table
};

void Put(std::vector<uint8_t>& out, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

std::vector<uint8_t> Build(const BmpLayout& s) {
  std::vector<uint8_t> h;  // from the info header on
  Put(h, s.headerSize, 4);
  Put(h, uint32_t(s.width), 4);
  Put(h, uint32_t(s.height), 4);
  Put(h, s.planes, 2);
  Put(h, s.bits, 2);
  Put(h, s.compression, 4);
  Put(h, uint32_t(s.pixels.size()), 4);
  Put(h, 2835, 4);
  Put(h, 2835, 4);
  Put(h, s.colorsUsed, 4);
  Put(h, 0, 4);
  for (uint32_t m : s.masks) Put(h, m, 4);
  while (h.size() < s.headerSize) h.push_back(0);
  for (uint32_t c : s.table) Put(h, c, 4);
  const uint32_t offset = s.offset >= 0 ? uint32_t(s.offset) : uint32_t(14 + h.size());
  std::vector<uint8_t> out = {'B', 'M'};
  Put(out, uint32_t(14 + h.size() + s.pixels.size()), 4);
  Put(out, 0, 4);
  Put(out, offset, 4);
  out.insert(out.end(), h.begin(), h.end());
  out.insert(out.end(), s.pixels.begin(), s.pixels.end());
  return out;
}

std::string ErrorOf(const std::vector<uint8_t>& file) {
  return test::MessageOf<BitmapFormatError>([&] { DecodeBitmapFile(file); });
}

TEST(GraphicsBitmapFile, ReadsPalettedPicturesBottomUp) {
  BmpLayout one;
  one.width = 3;
  one.height = 2;
  one.bits = 1;
  one.table = {0x000000, 0xFFFFFF};
  one.pixels = {0b10100000, 0, 0, 0,   // bottom row: white, black, white
                0b01000000, 0, 0, 0};  // top row: black, white, black
  TBitmap b = DecodeBitmapFile(Build(one));
  EXPECT_EQ(b.PixelFormat(), pf1bit);
  EXPECT_EQ(test::PixelsOf(b), (std::vector<TColor>{clBlack, clWhite, clBlack, clWhite, clBlack, clWhite}));
  EXPECT_EQ(b.Palette(), (std::vector<TColor>{clBlack, clWhite}));

  BmpLayout four;
  four.width = 3;
  four.bits = 4;
  four.colorsUsed = 3;
  four.table = {0xFF0000, 0x00FF00, 0x0000FF};
  four.pixels = {0x12, 0x50, 0, 0};  // index 5 lies outside the table
  b = DecodeBitmapFile(Build(four));
  EXPECT_EQ(test::PixelsOf(b), (std::vector<TColor>{clLime, clBlue, clBlack}));
}

TEST(GraphicsBitmapFile, ReadsTopDownEightBitAndTwentyFourBitRows) {
  BmpLayout eight;
  eight.width = 2;
  eight.height = -2;
  eight.bits = 8;
  eight.colorsUsed = 2;
  eight.table = {0x123456, 0xABCDEF};
  eight.pixels = {0, 1, 0, 0, 1, 1, 0, 0};
  TBitmap b = DecodeBitmapFile(Build(eight));
  EXPECT_EQ(test::PixelsOf(b), (std::vector<TColor>{PixelToColor(0x123456), PixelToColor(0xABCDEF),
                                                   PixelToColor(0xABCDEF), PixelToColor(0xABCDEF)}));
  BmpLayout rgb;
  rgb.width = 1;
  rgb.height = 2;
  rgb.pixels = {0x00, 0x00, 0xFF, 0, 0xFF, 0x00, 0x00};  // bottom red (padded), top blue (unpadded)
  b = DecodeBitmapFile(Build(rgb));
  EXPECT_EQ(test::PixelsOf(b), (std::vector<TColor>{clBlue, clRed}));
}

TEST(GraphicsBitmapFile, ReadsSixteenBitFieldsWithRepeatedBits) {
  BmpLayout plain;
  plain.width = 2;
  plain.bits = 16;
  plain.pixels = {0x00, 0x7C, 0x10, 0x00};  // 5-5-5: red 31; blue 16
  TBitmap b = DecodeBitmapFile(Build(plain));
  EXPECT_EQ(b.Canvas().Pixel(0, 0), clRed);
  EXPECT_EQ(b.Canvas().Pixel(1, 0), MakeColor(0, 0, 132));  // 10000 -> 10000100

  BmpLayout fields = plain;
  fields.compression = 3;
  fields.masks = {0xF800, 0x07E0, 0x001F};  // 5-6-5
  fields.pixels = {0xE0, 0x07, 0x00, 0xF8};
  b = DecodeBitmapFile(Build(fields));
  EXPECT_EQ(b.Canvas().Pixel(0, 0), clLime);
  EXPECT_EQ(b.Canvas().Pixel(1, 0), clRed);
}

TEST(GraphicsBitmapFile, ReadsThirtyTwoBitFieldsFromALongHeader) {
  BmpLayout s;
  s.width = 2;
  s.bits = 32;
  s.compression = 3;
  s.headerSize = 124;
  s.masks = {0x0000FF00, 0x00FF0000, 0xFF000000};
  s.pixels = {0x00, 0x11, 0x22, 0x33, 0xFF, 0xFF, 0xFF, 0xFF};
  TBitmap b = DecodeBitmapFile(Build(s));
  EXPECT_EQ(b.Canvas().Pixel(0, 0), MakeColor(0x11, 0x22, 0x33));
  EXPECT_EQ(b.Canvas().Pixel(1, 0), clWhite);
  // A plain 32-bit file ignores the top byte.
  BmpLayout plain;
  plain.bits = 32;
  plain.pixels = {0x01, 0x02, 0x03, 0x80};
  EXPECT_EQ(DecodeBitmapFile(Build(plain)).Canvas().Pixel(0, 0), MakeColor(3, 2, 1));
}

TEST(GraphicsBitmapFile, WritesTwentyFourBitsByteForByte) {
  TBitmap b(2, 2);
  b.Canvas().SetPixel(0, 0, clRed);
  b.Canvas().SetPixel(1, 0, clLime);
  b.Canvas().SetPixel(0, 1, clBlue);
  b.Canvas().SetPixel(1, 1, MakeColor(1, 2, 3));
  const std::vector<uint8_t> expected = {
      'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,        // file header
      40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0,      // size, width, height, planes, bits
      0, 0, 0, 0, 16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,       // BI_RGB, image size, resolution
      0, 0, 0, 0, 0, 0, 0, 0,                                // colours used, important
      0xFF, 0, 0, 3, 2, 1, 0, 0,                             // bottom row: blue, (1,2,3), padding
      0, 0, 0xFF, 0, 0xFF, 0, 0, 0};                         // top row: red, green, padding
  EXPECT_EQ(EncodeBitmapFile(b), expected);
}

TEST(GraphicsBitmapFile, EveryFormatSurvivesARoundTrip) {
  TBitmap colours = test::CoordPicture(7, 5);
  for (TPixelFormat format : {pf24bit, pf32bit}) {
    colours.SetPixelFormat(format);
    const TBitmap back = DecodeBitmapFile(EncodeBitmapFile(colours));
    EXPECT_EQ(back.PixelFormat(), format);
    EXPECT_EQ(test::PixelsOf(back), test::PixelsOf(colours));
  }
  // 16 bits keep 5 bits a channel: the key colour and pure colours survive.
  TBitmap sixteen = test::Picture({"kr#", ".gb"});
  sixteen.SetPixelFormat(pf16bit);
  EXPECT_EQ(test::PixelsOf(DecodeBitmapFile(EncodeBitmapFile(sixteen))), test::PixelsOf(sixteen));
  sixteen.Canvas().SetPixel(0, 0, MakeColor(0x87, 0x43, 0x21));
  EXPECT_EQ(DecodeBitmapFile(EncodeBitmapFile(sixteen)).Canvas().Pixel(0, 0), MakeColor(0x84, 0x42, 0x21));

  TBitmap few = test::Picture({"kr#.", "..gb", "rrrr"});
  for (TPixelFormat format : {pf4bit, pf8bit}) {
    few.SetPixelFormat(format);
    const TBitmap back = DecodeBitmapFile(EncodeBitmapFile(few));
    EXPECT_EQ(back.PixelFormat(), format);
    EXPECT_EQ(test::PixelsOf(back), test::PixelsOf(few));
    // The table read back is written first again: the file is the same.
    EXPECT_EQ(EncodeBitmapFile(back), EncodeBitmapFile(few));
  }
  TBitmap two = test::Picture({"#.#.#.#.#", "........."});
  two.SetPixelFormat(pf1bit);
  EXPECT_EQ(test::PixelsOf(DecodeBitmapFile(EncodeBitmapFile(two))), test::PixelsOf(two));
  few.SetPixelFormat(pf1bit);
  EXPECT_THROW(EncodeBitmapFile(few), Error);
  EXPECT_THROW(EncodeBitmapFile(TBitmap()), Error);
}

TEST(GraphicsBitmapFile, FilesGoThroughTheFileLayer) {
  test::TempFolder folder;
  const TBitmap b = test::CoordPicture(3, 3);
  WriteBitmapFile(folder / "a.bmp", b);
  EXPECT_EQ(test::PixelsOf(ReadBitmapFile(folder / "a.bmp")), test::PixelsOf(b));
  EXPECT_THROW(ReadBitmapFile(folder / "missing.bmp"), FileOpenError);
}

TEST(GraphicsBitmapFile, RefusesWhatItCannotReadWithTheReason) {
  BmpLayout good;
  good.width = 2;
  good.height = 2;
  good.pixels.assign(16, 0);
  ASSERT_EQ(ErrorOf(Build(good)), "no error");

  EXPECT_EQ(ErrorOf({'P', 'K', 3, 4}), "Bitmap image is not valid: the file does not start with \"BM\"");
  std::vector<uint8_t> cut = Build(good);
  cut.resize(30);
  EXPECT_NE(ErrorOf(cut).find("header"), std::string::npos);
  cut = Build(good);
  cut.pop_back();
  cut.pop_back();
  cut.pop_back();
  EXPECT_NE(ErrorOf(cut).find("cut short"), std::string::npos);

  auto with = [&](auto change) {
    BmpLayout s = good;
    change(s);
    return ErrorOf(Build(s));
  };
  // The system reads headers of 12, 40, 108 and 124 bytes only.
  for (uint32_t size : {44u, 52u, 56u, 64u}) {
    EXPECT_NE(with([&](BmpLayout& s) { s.headerSize = size; }).find("header size " + std::to_string(size)),
              std::string::npos);
  }
  EXPECT_NE(with([](BmpLayout& s) { s.planes = 3; }).find("planes"), std::string::npos);
  EXPECT_NE(with([](BmpLayout& s) { s.bits = 2; }).find("2 bits per pixel"), std::string::npos);
  EXPECT_NE(with([](BmpLayout& s) { s.compression = 1; }).find("RLE8"), std::string::npos);
  EXPECT_NE(with([](BmpLayout& s) { s.compression = 4; }).find("JPEG"), std::string::npos);
  EXPECT_NE(with([](BmpLayout& s) { s.compression = 3; }).find("bit fields with 24"), std::string::npos);
  EXPECT_NE(with([](BmpLayout& s) {
              s.bits = 16;
              s.compression = 3;
              s.masks = {0xF0F0, 0x0F00, 0x000F};
            }).find("scattered"),
            std::string::npos);
  EXPECT_NE(with([](BmpLayout& s) { s.width = 0; }).find("not a picture"), std::string::npos);
  EXPECT_NE(with([](BmpLayout& s) { s.height = 0; }).find("not a picture"), std::string::npos);
  EXPECT_NE(with([](BmpLayout& s) { s.width = -4; }).find("not a picture"), std::string::npos);
  EXPECT_NE(with([](BmpLayout& s) { s.height = INT32_MIN; }).find("not a picture"), std::string::npos);
  // Huge sizes are refused before anything is allocated.
  EXPECT_NE(with([](BmpLayout& s) { s.width = s.height = 30000; }).find("too large"), std::string::npos);
  EXPECT_NE(with([](BmpLayout& s) { s.width = 1000000; }).find("too large"), std::string::npos);
  // A size the file's bytes cannot hold.
  EXPECT_NE(with([](BmpLayout& s) { s.width = s.height = 3000; }).find("cut short"), std::string::npos);
  EXPECT_NE(with([](BmpLayout& s) { s.offset = 10; }).find("overlaps the file header"), std::string::npos);
  EXPECT_NE(with([](BmpLayout& s) {
              s.bits = 8;
              s.colorsUsed = 200;
              s.table.assign(3, 0);
            }).find("colour table"),
            std::string::npos);
}

TEST(GraphicsBitmapFile, PackedDibsAreBitmapsWithoutTheFileHeader) {
  BmpLayout s;
  s.width = 1;
  s.height = 1;
  s.bits = 8;
  s.colorsUsed = 1;
  s.table = {0x00FF00};
  s.pixels = {0, 0, 0, 0};
  const std::vector<uint8_t> file = Build(s);
  const std::vector<uint8_t> dib(file.begin() + 14, file.end());
  EXPECT_EQ(DecodePackedDib(dib).Canvas().Pixel(0, 0), clLime);
  EXPECT_THROW(DecodePackedDib(std::vector<uint8_t>(dib.begin(), dib.begin() + 20)), BitmapFormatError);
}

// Palette entries 0..15 as colours 0x0000i0, so a pixel names its index.
std::vector<uint32_t> IndexTable(int count) {
  std::vector<uint32_t> t;
  for (int i = 0; i < count; ++i) t.push_back(uint32_t(i) << 4);
  return t;
}

// The picture's indices, rows top-down, read back from IndexTable colours
// (-1 for a colour no entry has).
std::vector<int> IndicesOf(const TBitmap& b) {
  std::vector<int> out;
  for (TColor c : test::PixelsOf(b)) out.push_back(ColorRed(c) == 0 && ColorGreen(c) == 0 ? ColorBlue(c) >> 4 : -1);
  return out;
}

TBitmap DecodeRle(int bits, int width, int height, std::vector<uint8_t> data) {
  BmpLayout s;
  s.width = width;
  s.height = height;
  s.bits = uint16_t(bits);
  s.compression = bits == 8 ? 1 : 2;
  s.colorsUsed = 16;
  s.table = IndexTable(16);
  s.pixels = std::move(data);
  return DecodeBitmapFile(Build(s));
}

TEST(GraphicsBitmapFile, ReadsRunLengthCompressedPictures) {
  // RLE8, 6 x 3, bottom row first: a run of 4 then an absolute run of 3
  // (padded to a word); end of line; a delta of 2 right and 1 up; a run of 2;
  // end of bitmap.  Skipped pixels take index 0's colour.
  TBitmap b = DecodeRle(8, 6, 3, {4, 7, 0, 3, 1, 2, 3, 0, 0, 0, 0, 2, 2, 1, 2, 9, 0, 1});
  EXPECT_EQ(b.PixelFormat(), pf8bit);
  EXPECT_EQ(IndicesOf(b), (std::vector<int>{0, 0, 9, 9, 0, 0,  // top: after the delta
                                            0, 0, 0, 0, 0, 0,  // middle: skipped by the end of line
                                            7, 7, 7, 7, 1, 2}));
  // RLE4, 7 x 2: a run alternates its two indices; an absolute run of 5
  // takes 3 bytes and one of padding; the end of bitmap leaves the top row.
  b = DecodeRle(4, 7, 2, {0, 5, 0x12, 0x34, 0x50, 0, 2, 0xAB, 0, 1});
  EXPECT_EQ(b.PixelFormat(), pf4bit);
  EXPECT_EQ(IndicesOf(b), (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 10, 11}));
}

TEST(GraphicsBitmapFile, BrokenCompressedDataStaysInsideThePicture) {
  // A run past the row's end stops there (no wrap); rows past the top are dropped.
  EXPECT_EQ(IndicesOf(DecodeRle(8, 3, 2, {9, 5, 3, 6, 0, 0, 3, 7, 0, 0, 3, 8, 0, 0, 200, 1, 0, 1})),
            (std::vector<int>{7, 7, 7, 5, 5, 5}));
  // The data ends without an end of bitmap: the rows closed by an end of
  // line stay, the pixels of the unfinished row go.
  EXPECT_EQ(IndicesOf(DecodeRle(8, 2, 2, {2, 4, 0, 0, 2, 6})), (std::vector<int>{0, 0, 4, 4}));
  EXPECT_EQ(IndicesOf(DecodeRle(8, 2, 2, {2, 4, 0, 0, 0, 5, 1})), (std::vector<int>{0, 0, 4, 4}));
  EXPECT_EQ(IndicesOf(DecodeRle(4, 2, 1, {})), (std::vector<int>{0, 0}));
  // A delta out of the picture ends it; indices past the table are black.
  EXPECT_EQ(IndicesOf(DecodeRle(8, 2, 2, {1, 3, 0, 2, 0, 5, 2, 3, 0, 1})), (std::vector<int>{0, 0, 3, 0}));
  EXPECT_EQ(test::PixelsOf(DecodeRle(8, 2, 1, {2, 200, 0, 1}))[0], clBlack);
  // A huge picture of a few bytes costs no more than its pixels.
  EXPECT_EQ(DecodeRle(8, 4000, 4000, std::vector<uint8_t>(64, 0xFF)).Width(), 4000);

  // What the system refuses: RLE at another depth, compressed top-down rows.
  BmpLayout s;
  s.width = 2;
  s.bits = 4;
  s.compression = 1;
  s.pixels = {2, 1, 0, 1};
  EXPECT_NE(ErrorOf(Build(s)).find("RLE8 compression with 4 bits"), std::string::npos);
  s.bits = 8;
  s.height = -1;
  EXPECT_NE(ErrorOf(Build(s)).find("top-down"), std::string::npos);
}

TEST(GraphicsBitmapFile, ReadsCoreHeadersWithThreeByteColourTables) {
  // 12-byte header (16-bit width and height), 9 x 2 at 1 bit: a full table
  // of two entries of blue, green, red; the pixels start where the offset says.
  const std::vector<uint8_t> one = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 14 + 12 + 6 + 2, 0, 0, 0,
                                    12, 0, 0, 0, 9, 0, 2, 0, 1, 0, 1, 0,
                                    0x30, 0x20, 0x10, 0x00, 0x00, 0xFF,
                                    0xEE, 0xEE,                                // skipped by the offset
                                    0b10000000, 0b10000000, 0, 0, 0x7F, 0, 0, 0};  // bottom row, then top
  TBitmap b = DecodeBitmapFile(one);
  EXPECT_EQ(b.PixelFormat(), pf1bit);
  EXPECT_EQ(b.Width(), 9);
  EXPECT_EQ(b.Palette(), (std::vector<TColor>{MakeColor(0x10, 0x20, 0x30), clRed}));
  EXPECT_EQ(test::PixelAt(b, 0, 0), MakeColor(0x10, 0x20, 0x30));
  EXPECT_EQ(test::PixelAt(b, 7, 0), clRed);
  EXPECT_EQ(test::PixelAt(b, 0, 1), clRed);
  EXPECT_EQ(test::PixelAt(b, 8, 1), clRed);
  EXPECT_EQ(test::PixelAt(b, 1, 1), MakeColor(0x10, 0x20, 0x30));
  // 24 bits, offset 0: the pixels follow the header.
  const std::vector<uint8_t> rgb = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                    12, 0, 0, 0, 1, 0, 1, 0, 1, 0, 24, 0, 0x01, 0x02, 0x03};
  b = DecodeBitmapFile(rgb);
  EXPECT_EQ(b.PixelFormat(), pf24bit);
  EXPECT_EQ(test::PixelAt(b, 0, 0), MakeColor(3, 2, 1));
  // Every entry of the table must be there: a core header has no count of colours.
  std::vector<uint8_t> eight = one;
  eight[24] = 8;
  EXPECT_NE(ErrorOf(eight).find("colour table is cut short"), std::string::npos);
}

// Mutated files: each one is read or refused with BitmapFormatError; nothing
// else may happen (the sanitizer builds run this too).
TEST(GraphicsBitmapFile, MutatedFilesAreReadOrRefusedCleanly) {
  std::vector<std::vector<uint8_t>> seeds;
  TBitmap picture = test::Picture({"kr#.", "..gb", "rrrr"});
  for (TPixelFormat f : {pf1bit, pf4bit, pf8bit, pf16bit, pf24bit, pf32bit}) {
    if (f == pf1bit) continue;
    picture.SetPixelFormat(f);
    seeds.push_back(EncodeBitmapFile(picture));
  }
  BmpLayout fields;
  fields.width = 3;
  fields.height = -2;
  fields.bits = 32;
  fields.compression = 3;
  fields.headerSize = 108;
  fields.masks = {0xFF0000, 0xFF00, 0xFF};
  fields.pixels.assign(24, 0x5A);
  seeds.push_back(Build(fields));

  std::mt19937 random(77);
  int read = 0, refused = 0;
  for (int i = 0; i < 600; ++i) {
    std::vector<uint8_t> file = seeds[i % seeds.size()];
    const int kind = random() % 4;
    if (kind == 3) {
      file.resize(random() % file.size());
    } else {
      const int flips = 1 + random() % 6;
      for (int f = 0; f < flips; ++f) {
        // Mostly in the headers, where the sizes and offsets live.
        const size_t at = (random() % 3) ? random() % std::min<size_t>(file.size(), 70) : random() % file.size();
        file[at] = kind == 0 ? uint8_t(random()) : kind == 1 ? uint8_t(file[at] ^ (1u << (random() % 8))) : 0xFF;
      }
    }
    try {
      const TBitmap b = DecodeBitmapFile(file);
      ASSERT_GT(b.Width(), 0);
      ASSERT_GT(b.Height(), 0);
      ASSERT_LE(int64_t{b.Width()} * b.Height(), int64_t(file.size()) * 8);
      ++read;
    } catch (const BitmapFormatError&) {
      ++refused;
    }
  }
  EXPECT_GT(read, 50);
  EXPECT_GT(refused, 50);
}

}  // namespace
}  // namespace nuvex
