#pragma once
// TRegion: a set of pixels kept as a union of rectangles in the window
// system's banded form: horizontal bands from top to bottom, each a list of
// disjoint, non-touching runs from left to right; two touching bands with the
// same runs are one band.  The form is unique, so equal sets compare equal,
// and Rects() is exactly the list a window region reports.
#include <cstddef>
#include <vector>

#include "toolkit/Geometry.h"

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

// Builds a region from horizontal runs handed over row by row, top to bottom,
// and within a row from left to right, in time linear in the number of runs.
// Runs out of that order raise std::logic_error.
class TRegionBuilder {
 public:
  // The pixels left <= x < right of row y; empty runs are ignored.
  void AddRun(int y, int left, int right);
  TRegion Finish();

 private:
  void CloseRow();

  TRegion region_;
  std::vector<TRect> row_;       // the runs of the open row
  int rowY_ = 0;
  bool haveRow_ = false;
  size_t lastBandStart_ = 0;     // index in region_.rects_ of the last band
  size_t lastBandCount_ = 0;
};

}  // namespace nuvex
