#pragma once
// Points, sizes and rectangles in pixel coordinates.  A rectangle holds its
// left and top edge and excludes its right and bottom edge, so its width is
// Right - Left; a rectangle with Right <= Left or Bottom <= Top holds no pixel.
#include <algorithm>

namespace nuvex {

struct TPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
  // Whether this rectangle covers all of inner.
  bool Covers(const TRect& inner) const {
    return Left <= inner.Left && Top <= inner.Top && Right >= inner.Right && Bottom >= inner.Bottom;
  }
  friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
inline TRect Bounds(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}
// The common part of two rectangles; empty (all zero) when they do not meet.
inline TRect Intersect(const TRect& a, const TRect& b) {
  TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
          std::min(a.Bottom, b.Bottom)};
  return r.IsEmpty() ? TRect{} : r;
}

}  // namespace nuvex
