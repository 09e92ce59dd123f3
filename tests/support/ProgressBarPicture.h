#pragma once
// What a progress bar must show, for the tests that compare it with the
// pixels it put on a window.
#include "controls/MyProgressBar.h"
#include "toolkit/graphics/Bitmap.h"

namespace nuvex::test {

// The bar's picture painted afresh from its properties.
TBitmap ExpectedPicture(const TMyProgressBar& bar);

}  // namespace nuvex::test
