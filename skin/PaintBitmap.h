#pragma once
// Cutting one state image out of a strip and painting it at any size.
#include <string>

#include "base/Error.h"
#include "skin/SkinTypes.h"
#include "toolkit/graphics/Bitmap.h"

namespace nuvex {

inline constexpr const char* kPaintBitmapCheckError = "[PaintBitmap] CheckError returned True";

// Paints state image index (1 ... count; count 0 is taken as 1) of source onto
// dest, resized to width x height (a negative value: the state image's size;
// with iaCentered dest keeps its size).  The four margins keep their natural
// size; the interior fills the rest by interiorArea.
//
// Returns true when painted, false when iaHorizontalTiled found no interior
// height in the target (dest is then all ErrorColour).  Raises Error with
// kPaintBitmapCheckError, dest all ErrorColour, when the state image has an
// empty interior.
bool PaintBitmap(const TBitmap& source, TBitmap& dest, int leftMargin, int topMargin,
                 int rightMargin, int bottomMargin, int height, int width, TSplitMode splitMode,
                 int index, int count, TInteriorArea interiorArea);

// The rectangle of state image index (1-based) of a strip of the given size.
TRect StateImageRect(int stripWidth, int stripHeight, TSplitMode splitMode, int index, int count);

}  // namespace nuvex
