// Window shapes from pictures: GetNewRegion plus one ExtCreateRegion call,
// against the naive way (GetPixel for every pixel, CombineRgn for every run).
// Prints milliseconds per picture; on Windows (or wine) both ways, elsewhere
// only the portable part.
//
//   build/<native dir>/bench/RegionBench
//   scripts/wine-run.sh build/<win32 or win64 dir>/bench/RegionBench.exe
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <random>

#include "skin/Regions.h"
#include "skin/SkinTypes.h"
#ifdef _WIN32
#include "toolkit/graphics/GdiBridge.h"
#endif

using namespace nuvex;
using Clock = std::chrono::steady_clock;

namespace {

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Like the installer's background: an oval window with scattered holes.
TBitmap Background() {
  TBitmap b(374, 297);
  std::mt19937 random(3);
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) {
      const double dx = (x - 187) / 187.0, dy = (y - 148) / 148.0;
      const bool outside = dx * dx + dy * dy > 1.0;
      b.Canvas().SetPixel(x, y, outside || random() % 50 == 0 ? KeyColour : MakeColor(x, y, 40));
    }
  return b;
}

// 1920 x 1080, holes in a checkerboard of 8 x 8 cells.
TBitmap Checkerboard() {
  TBitmap b(1920, 1080);
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      b.Canvas().SetPixel(x, y, ((x / 8 + y / 8) % 2) ? KeyColour : clTeal);
  return b;
}

void Measure(const char* name, const TBitmap& picture) {
  const int repeats = picture.Width() * picture.Height() > 1000000 ? 3 : 20;
  auto start = Clock::now();
  size_t rects = 0;
  for (int i = 0; i < repeats; ++i) rects = GetNewRegion(&picture)->RectCount();
  const double portable = Ms(Clock::now() - start) / repeats;
  std::printf("%-28s %4d x %4d  %7zu rectangles\n", name, picture.Width(), picture.Height(), rects);
  std::printf("  GetNewRegion                        %10.3f ms\n", portable);
#ifdef _WIN32
  start = Clock::now();
  gdi::UniqueRegion fast;
  for (int i = 0; i < repeats; ++i) fast = gdi::CreateRegionHandle(*GetNewRegion(&picture));
  const double quick = Ms(Clock::now() - start) / repeats;
  std::printf("  GetNewRegion + HRGN (pieces of %4zu) %10.3f ms\n", gdi::kRegionRectsPerCall, quick);
  for (size_t pieces : {16, 64, 128, 512, 2048}) {
    start = Clock::now();
    for (int i = 0; i < repeats; ++i) gdi::CreateRegionHandle(*GetNewRegion(&picture), pieces);
    std::printf("  GetNewRegion + HRGN (pieces of %4zu) %10.3f ms\n", pieces, Ms(Clock::now() - start) / repeats);
  }
  start = Clock::now();
  gdi::UniqueRegion single = gdi::CreateRegionHandle(*GetNewRegion(&picture), SIZE_MAX);
  std::printf("  GetNewRegion + one ExtCreateRegion  %10.3f ms\n", Ms(Clock::now() - start));

  // The naive way, once: it is slow enough.
  gdi::DibSection dib(picture);
  start = Clock::now();
  gdi::UniqueRegion slow(CreateRectRgn(0, 0, 0, 0));
  const COLORREF key = RGB(255, 0, 255);
  for (int y = 0; y < picture.Height(); ++y) {
    int run = -1;
    for (int x = 0; x <= picture.Width(); ++x) {
      const bool hole = x == picture.Width() || GetPixel(dib.Dc(), x, y) == key;
      if (!hole && run < 0) run = x;
      if (hole && run >= 0) {
        gdi::UniqueRegion piece(CreateRectRgn(run, y, x, y + 1));
        CombineRgn(slow.Get(), slow.Get(), piece.Get(), RGN_OR);
        run = -1;
      }
    }
  }
  const double naive = Ms(Clock::now() - start);
  std::printf("  GetPixel + CombineRgn per run       %10.3f ms\n", naive);
  std::printf("  speed-up                            %10.1f x   (same region: %s)\n", naive / quick,
              EqualRgn(slow.Get(), fast.Get()) && EqualRgn(slow.Get(), single.Get()) ? "yes" : "NO");
#endif
}

}  // namespace

int main() {
  Measure("background picture", Background());
  Measure("checkerboard of holes", Checkerboard());
  return 0;
}
