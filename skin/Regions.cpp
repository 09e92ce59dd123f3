#include "skin/Regions.h"

#include "skin/SkinTypes.h"

namespace nuvex {

std::optional<TRegion> GetNewRegion(const TBitmap* bitmap) {
  if (!bitmap) return std::nullopt;
  // Runs arrive row by row, left to right: the builder keeps them in banded
  // form as it goes, which is the same region the union of the runs gives.
  const TPixel key = RgbToPixel(KeyColour);
  const int width = bitmap->Width();
  TRegionBuilder builder;
  for (int y = 0; y < bitmap->Height(); ++y) {
    const TPixel* row = bitmap->ScanLine(y);
    int x = 0;
    while (x < width) {
      while (x < width && (row[x] & 0xFFFFFF) == key) ++x;  // a hole
      if (x == width) break;
      const int start = x;
      while (x < width && (row[x] & 0xFFFFFF) != key) ++x;  // a run of the window
      builder.AddRun(y, start, x);
    }
  }
  return builder.Finish();
}

}  // namespace nuvex
