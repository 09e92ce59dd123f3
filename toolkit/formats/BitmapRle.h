#pragma once
// Run-length compressed bitmap pixels (RLE8 and RLE4), decoded into a
// picture of colour-table indices.
#include <cstdint>
#include <span>

#include "toolkit/graphics/Bitmap.h"

namespace nuvex {

// Decodes the compressed pixels of a bottom-up picture of 8 bits (RLE8) or
// 4 bits (RLE4) per pixel into bitmap, which has the picture's size.  table
// gives the colour of each index; an index past its end is black.  Pixels the
// data never sets (skipped by a delta or an end of line or of the bitmap,
// or left when the data stops early) take the colour of index 0.
//
// The data's own mistakes make no error, as the system's loader makes a
// picture of them: runs past the end of a row are cut at the row's end (no
// wrap into the next row), rows and deltas past the top are dropped.  When
// the data ends without an end of bitmap, the pixels set since the last end
// of line, delta or end of bitmap are dropped too, like the loader does.
// The work is bounded by the data's length and the picture's size.
void DecodeRlePixels(std::span<const uint8_t> data, int bits, std::span<const TPixel> table,
                     TBitmap& bitmap);

}  // namespace nuvex
