#pragma once
// Where a windowed control places its children: pure arithmetic over
// rectangles, so that it is tested without windows.
#include <cstdint>

#include "toolkit/graphics/Geometry.h"

namespace nuvex {

// Where a control keeps itself in its parent's client area.  Aligned controls
// are placed in creation order: each takes its side of what the ones before
// it left (alClient: all of it).
enum TAlign : uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient };

// The parent's edges a control keeps its distance to when the parent's
// client area changes size.  Anchored to both sides of a direction it
// stretches; to neither, it keeps its place.
enum TAnchorKind : uint8_t { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = uint8_t;

// The bounds of a control of the given size aligned to its side of rest, the
// part of the client area the controls before it left; rest loses what the
// control takes (never more than it has).  It keeps its height on the top or
// bottom and its width on the left or right; alClient takes all of rest;
// alNone is not placed (an empty rectangle, rest untouched).
TRect TakeAligned(TRect& rest, TAlign align, TSize size);

// The bounds of an anchored control once its parent's client area grew by
// (dx, dy) (a negative value: shrank).
TRect Anchored(TRect bounds, TAnchors anchors, int dx, int dy);

}  // namespace nuvex
