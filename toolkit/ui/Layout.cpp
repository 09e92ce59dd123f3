#include "toolkit/ui/Layout.h"

#include <algorithm>

namespace nuvex {

TRect TakeAligned(TRect& rest, TAlign align, TSize size) {
  // The control keeps its own size across the side it lies on even where it
  // overhangs what is left; the rest only shrinks to nothing.
  const int w = std::min(size.cx, std::max(rest.Width(), 0));
  const int h = std::min(size.cy, std::max(rest.Height(), 0));
  TRect bounds;
  switch (align) {
    case alTop:
      bounds = {rest.Left, rest.Top, rest.Right, rest.Top + size.cy};
      rest.Top += h;
      break;
    case alBottom:
      bounds = {rest.Left, rest.Bottom - h, rest.Right, rest.Bottom - h + size.cy};
      rest.Bottom -= h;
      break;
    case alLeft:
      bounds = {rest.Left, rest.Top, rest.Left + size.cx, rest.Bottom};
      rest.Left += w;
      break;
    case alRight:
      bounds = {rest.Right - w, rest.Top, rest.Right - w + size.cx, rest.Bottom};
      rest.Right -= w;
      break;
    case alClient:
      bounds = rest;
      break;
    case alNone:
      break;
  }
  return bounds;
}

TRect Anchored(TRect bounds, TAnchors anchors, int dx, int dy) {
  if (anchors & akRight) {
    if (!(anchors & akLeft)) bounds.Left += dx;
    bounds.Right += dx;
  }
  if (anchors & akBottom) {
    if (!(anchors & akTop)) bounds.Top += dy;
    bounds.Bottom += dy;
  }
  return bounds;
}

}  // namespace nuvex
