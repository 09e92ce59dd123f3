#pragma once
// The shape of a picture: every pixel that is not KeyColour.
#include <optional>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Region.h"

namespace nuvex {

// The region of the picture's pixels that are not exactly KeyColour, in rows
// of runs; none when there is no picture (nullptr).  A picture of only key
// colour, or of no size, gives an empty region.
std::optional<TRegion> GetNewRegion(const TBitmap* bitmap);

}  // namespace nuvex
