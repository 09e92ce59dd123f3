#pragma once
// The enumerations and the key colour shared by the skin engine.
#include <cstdint>

#include "toolkit/graphics/Color.h"

namespace nuvex {

// How the state images lie in a strip bitmap.
enum TSplitMode : uint8_t {
  spNone = 0,        // the whole strip is one image
  spHorizontal = 1,  // stacked top to bottom, each strip height div count rows high
  spVertical = 2,    // side by side, each strip width div count columns wide
};

// How the interior of a state image (inside its four margins) fills a target.
enum TInteriorArea : uint8_t {
  iaStretched = 0,        // scaled to the target's interior
  iaCentered = 1,         // own size, centred on the whole target, key colour see-through
  iaTiled = 2,            // repeated at its own size from the interior's top-left
  iaHorizontalTiled = 3,  // scaled to the interior height, repeated across
  iaTopStretch = 4,       // scaled across from a band measured from the interior's top
  iaTransparent = 5,      // the key colour: a hole in the window's region
};

// Pixels of exactly this colour (red 255, green 0, blue 255) are holes in a
// window's region and see-through in centred interiors.
inline constexpr TColor KeyColour = 0x00FF00FF;
// The colour of a picture that could not be painted.
inline constexpr TColor ErrorColour = 0x000000FF;

// N as a split mode when 0 <= N <= 2, else spNone.
TSplitMode IntToSplitMode(int n);
// N as an interior mode when 0 <= N <= 5, else iaStretched.
TInteriorArea IntToInteriorArea(int n);

}  // namespace nuvex
