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
    int start = -1;
    for (int x = 0; x < width; ++x) {
      const bool hole = (row[x] & 0xFFFFFF) == key;
      if (!hole && start < 0) {
        start = x;
      } else if (hole && start >= 0) {
        builder.AddRun(y, start, x);
        start = -1;
      }
    }
    if (start >= 0) builder.AddRun(y, start, width);
  }
  return builder.Finish();
}

}  // namespace nuvex
