#pragma once
// TRegion: a set of pixels kept as a union of rectangles in the window
// system's banded form: horizontal bands from top to bottom, each a list of
// disjoint, non-touching runs from left to right; two touching bands with the
// same runs are one band.  The form is unique, so equal sets compare equal,
// and Rects() is exactly the list a window region reports.
#include <cstddef>
#include <vector>

#include "toolkit/graphics/Geometry.h"

namespace nuvex {

class TRegion {
 public:
  TRegion() = default;
  explicit TRegion(const TRect& rect);  // empty for an empty rectangle

  bool Empty() const { return rects_.empty(); }
  // The smallest rectangle around the region; all zero when empty.
  TRect Bounds() const { return bounds_; }
  const std::vector<TRect>& Rects() const { return rects_; }
  size_t RectCount() const { return rects_.size(); }

  bool Contains(int x, int y) const;
  void Union(const TRect& rect);
  void Union(const TRegion& other);
  void Offset(int dx, int dy);

  friend bool operator==(const TRegion& a, const TRegion& b) { return a.rects_ == b.rects_; }

 private:
  friend class TRegionBuilder;
  std::vector<TRect> rects_;
  TRect bounds_;
};

// Builds a region in time linear in the number of rectangles, from
// rectangles handed over in banded order: bands from top to bottom (a band is
// the rectangles of equal Top and Bottom, handed over one after the other;
// a band starts at or below the previous band's Bottom), and within a band
// from left to right (touching rectangles are joined).  Rectangles out of that
// order raise std::logic_error; empty ones are ignored.
class TRegionBuilder {
 public:
  void AddRect(const TRect& rect);
  // The pixels left <= x < right of row y.
  void AddRun(int y, int left, int right) { AddRect({left, y, right, y + 1}); }
  TRegion Finish();

 private:
  void FlushBand();

  TRegion region_;
  std::vector<TRect> band_;      // the open band
  size_t lastBandStart_ = 0;     // index in region_.rects_ of the last flushed band
  bool haveLastBand_ = false;
};

}  // namespace nuvex
