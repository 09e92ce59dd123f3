// The cost of one hover change of a 226 x 39 picture button: one PaintBitmap
// of the new state into the picture buffer and one GetNewRegion.  Native build
// only: it is portable code, with nothing of the window system in it.
//
//   build/<native dir>/bench/HoverBench
#include <chrono>
#include <cstdio>

#include "skin/SkinTools.h"

using namespace nuvex;
using Clock = std::chrono::steady_clock;

int main() {
  // Three states stacked: pressed, normal, mouse-over; rounded corners in key colour.
  TBitmap strip(226, 117);
  for (int y = 0; y < strip.Height(); ++y)
    for (int x = 0; x < strip.Width(); ++x) {
      const int row = y % 39;
      const int cx = x < 6 ? 6 - x : x > 219 ? x - 219 : 0;
      const int cy = row < 6 ? 6 - row : row > 32 ? row - 32 : 0;
      const bool corner = cx * cx + cy * cy > 36;
      strip.Canvas().SetPixel(x, y, corner ? KeyColour : MakeColor(x, row * 5, 60 * (y / 39)));
    }
  TBitmap buffer;
  size_t rects = 0;
  for (int warm = 0; warm < 100; ++warm) PaintBitmap(strip, buffer, 0, 0, 0, 0, 39, 226, spHorizontal, 2, 3, iaStretched);

  for (int mode = 0; mode < 2; ++mode) {
    const int margins = mode ? 8 : 0;
    const int repeats = 20000;
    const auto start = Clock::now();
    for (int i = 0; i < repeats; ++i) {
      PaintBitmap(strip, buffer, margins, margins, margins, margins, 39, 226, spHorizontal, 2 + (i & 1), 3,
                  iaStretched);
      rects += GetNewRegion(&buffer)->RectCount();
    }
    const double us = std::chrono::duration<double, std::micro>(Clock::now() - start).count() / repeats;
    std::printf("hover change, 226 x 39, margins %d: %.2f us (PaintBitmap + GetNewRegion)\n", margins, us);
  }
  return rects == 0;  // keeps the work from being optimised away
}
