// Reading a 1920 x 1080 picture of 8 bits per pixel from a bitmap file that
// holds it run-length compressed (RLE8), against the same picture stored
// uncompressed, in the same run.  Two pictures: one of flat areas (long
// runs, as drawn skins are) and one of noise in a few colours (mostly
// absolute runs, the worst case for the compressed form).
//
//   build/<native dir>/bench/BitmapDecodeBench
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "bench/BenchSupport.h"
#include "toolkit/formats/BitmapFile.h"

using namespace nuvex;

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

void Put32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// Runs of 3 or more become encoded runs, the rest absolute runs (or single
// encoded pixels when shorter than 3); rows bottom-up, each closed by an end
// of line, the picture by an end of bitmap.
std::vector<uint8_t> Rle8(const std::vector<std::vector<uint8_t>>& rowsTopDown) {
  std::vector<uint8_t> out;
  for (auto row = rowsTopDown.rbegin(); row != rowsTopDown.rend(); ++row) {
    const std::vector<uint8_t>& r = *row;
    size_t x = 0;
    while (x < r.size()) {
      size_t run = 1;
      while (x + run < r.size() && run < 255 && r[x + run] == r[x]) ++run;
      if (run >= 3) {
        out.insert(out.end(), {static_cast<uint8_t>(run), r[x]});
        x += run;
        continue;
      }
      size_t end = x;
      while (end < r.size() && end - x < 255 &&
             !(end + 2 < r.size() && r[end] == r[end + 1] && r[end] == r[end + 2])) {
        ++end;
      }
      const size_t n = end - x;
      if (n < 3) {
        for (size_t i = x; i < end; ++i) out.insert(out.end(), {1, r[i]});
      } else {
        out.insert(out.end(), {0, static_cast<uint8_t>(n)});
        out.insert(out.end(), r.begin() + x, r.begin() + end);
        if (n % 2) out.push_back(0);
      }
      x = end;
    }
    out.insert(out.end(), {0, 0});
  }
  out.insert(out.end(), {0, 1});
  return out;
}

struct Files {
  std::vector<uint8_t> plain;
  std::vector<uint8_t> rle;
};

// The picture written uncompressed by our writer, and the same header and
// colour table with the pixels compressed.
Files MakeFiles(const std::vector<std::vector<uint8_t>>& rows) {
  TBitmap picture(kWidth, kHeight, pf8bit);
  std::vector<TColor> palette;
  for (int i = 0; i < 256; ++i) palette.push_back(MakeColor(i, 255 - i, (i * 7) & 255));
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) picture.ScanLine(y)[x] = RgbToPixel(palette[rows[y][x]]);
  picture.SetPalette(palette);
  Files files;
  files.plain = EncodeBitmapFile(picture);
  const uint32_t offset = files.plain[10] | files.plain[11] << 8 | files.plain[12] << 16 | files.plain[13] << 24;
  const std::vector<uint8_t> data = Rle8(rows);
  files.rle.assign(files.plain.begin(), files.plain.begin() + offset);
  files.rle.insert(files.rle.end(), data.begin(), data.end());
  Put32(files.rle, 2, static_cast<uint32_t>(files.rle.size()));
  Put32(files.rle, 14 + 16, 1);  // BI_RLE8
  Put32(files.rle, 14 + 20, static_cast<uint32_t>(data.size()));
  return files;
}

double BestMs(const std::vector<uint8_t>& file, int repeats) {
  double best = 1e300;
  for (int i = 0; i < repeats; ++i) {
    best = std::min(best, bench::Seconds([&] {
      const TBitmap b = DecodeBitmapFile(file);
      if (b.Width() != kWidth) std::abort();
    }) * 1000);
  }
  return best;
}

void Measure(const char* name, const std::vector<std::vector<uint8_t>>& rows) {
  const Files files = MakeFiles(rows);
  // The two decodings must give the same picture, or the figures mean nothing.
  const TBitmap a = DecodeBitmapFile(files.plain), b = DecodeBitmapFile(files.rle);
  if (!std::equal(a.Bits(), a.Bits() + size_t{kWidth} * kHeight, b.Bits())) {
    std::printf("%s: the compressed file does not decode to the same picture\n", name);
    std::exit(1);
  }
  const int repeats = 15;
  const double plain = BestMs(files.plain, repeats);
  const double rle = BestMs(files.rle, repeats);
  std::printf("%-28s uncompressed %8zu bytes %7.2f ms | RLE8 %8zu bytes %7.2f ms | RLE8 / uncompressed %.2f\n",
              name, files.plain.size(), plain, files.rle.size(), rle, rle / plain);
}

}  // namespace

int main() {
  std::printf("decoding a %d x %d picture of 8 bits per pixel (best of 15)\n", kWidth, kHeight);
  std::vector<std::vector<uint8_t>> flat(kHeight, std::vector<uint8_t>(kWidth));
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) flat[y][x] = static_cast<uint8_t>(((x / 40) * 7 + (y / 30) * 13) & 255);
  Measure("flat areas", flat);
  std::mt19937 random(5);
  std::vector<std::vector<uint8_t>> noise(kHeight, std::vector<uint8_t>(kWidth));
  for (auto& row : noise)
    for (uint8_t& v : row) v = static_cast<uint8_t>(random() % 6 == 0 ? random() % 4 : 200 + random() % 40);
  Measure("noise in a few colours", noise);
  return 0;
}
