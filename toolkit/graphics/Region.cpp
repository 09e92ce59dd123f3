#include "toolkit/graphics/Region.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace nuvex {

TRegion::TRegion(const TRect& rect) {
  if (!rect.IsEmpty()) {
    rects_.push_back(rect);
    bounds_ = rect;
  }
}

bool TRegion::Contains(int x, int y) const {
  // Ordered by (Bottom, Right): the first rectangle not wholly above the row,
  // nor left of x in the row's band, is the only candidate.
  auto it = std::partition_point(rects_.begin(), rects_.end(), [x, y](const TRect& r) {
    return r.Bottom <= y || (r.Top <= y && r.Right <= x);
  });
  return it != rects_.end() && it->Contains(x, y);
}

void TRegion::Offset(int dx, int dy) {
  if (rects_.empty()) return;
  for (TRect& r : rects_) r = {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
  bounds_ = {bounds_.Left + dx, bounds_.Top + dy, bounds_.Right + dx, bounds_.Bottom + dy};
}

void TRegion::Union(const TRect& rect) { Union(TRegion(rect)); }

namespace {

// The bands of a region: [begin, end) index ranges of rects of equal Top.
struct Band {
  int top;
  int bottom;
  size_t begin;
  size_t end;
};

std::vector<Band> BandsOf(const std::vector<TRect>& rects) {
  std::vector<Band> bands;
  for (size_t i = 0; i < rects.size();) {
    size_t j = i;
    while (j < rects.size() && rects[j].Top == rects[i].Top) ++j;
    bands.push_back({rects[i].Top, rects[i].Bottom, i, j});
    i = j;
  }
  return bands;
}

}  // namespace

void TRegion::Union(const TRegion& other) {
  if (other.Empty()) return;
  if (Empty()) {
    *this = other;
    return;
  }
  const std::vector<Band> a = BandsOf(rects_);
  const std::vector<Band> b = BandsOf(other.rects_);
  // Every band edge of either region starts a slab in which both regions'
  // runs stay the same.
  std::vector<int> edges;
  edges.reserve(2 * (a.size() + b.size()));
  for (const Band& band : a) edges.insert(edges.end(), {band.top, band.bottom});
  for (const Band& band : b) edges.insert(edges.end(), {band.top, band.bottom});
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

  TRegionBuilder builder;
  size_t ia = 0;
  size_t ib = 0;
  std::vector<std::pair<int, int>> runs;
  for (size_t e = 0; e + 1 < edges.size(); ++e) {
    const int top = edges[e];
    const int bottom = edges[e + 1];
    while (ia < a.size() && a[ia].bottom <= top) ++ia;
    while (ib < b.size() && b[ib].bottom <= top) ++ib;
    runs.clear();
    if (ia < a.size() && a[ia].top <= top) {
      for (size_t i = a[ia].begin; i < a[ia].end; ++i) runs.emplace_back(rects_[i].Left, rects_[i].Right);
    }
    if (ib < b.size() && b[ib].top <= top) {
      for (size_t i = b[ib].begin; i < b[ib].end; ++i) {
        runs.emplace_back(other.rects_[i].Left, other.rects_[i].Right);
      }
    }
    if (runs.empty()) continue;
    std::sort(runs.begin(), runs.end());
    int left = runs[0].first;
    int right = runs[0].second;
    for (size_t i = 1; i < runs.size(); ++i) {
      if (runs[i].first <= right) {
        right = std::max(right, runs[i].second);
      } else {
        builder.AddRect({left, top, right, bottom});
        left = runs[i].first;
        right = runs[i].second;
      }
    }
    builder.AddRect({left, top, right, bottom});
  }
  *this = builder.Finish();
}

void TRegionBuilder::AddRect(const TRect& rect) {
  if (rect.IsEmpty()) return;
  if (!band_.empty()) {
    const TRect& open = band_.back();
    if (rect.Top == open.Top && rect.Bottom == open.Bottom) {
      if (rect.Left < open.Right) throw std::logic_error("TRegionBuilder: runs out of order");
      if (rect.Left == open.Right) {
        band_.back().Right = rect.Right;
      } else {
        band_.push_back(rect);
      }
      return;
    }
    if (rect.Top < open.Bottom) throw std::logic_error("TRegionBuilder: bands out of order");
    FlushBand();
  } else if (haveLastBand_ && rect.Top < region_.rects_.back().Bottom) {
    throw std::logic_error("TRegionBuilder: bands out of order");
  }
  band_.push_back(rect);
}

void TRegionBuilder::FlushBand() {
  if (band_.empty()) return;
  std::vector<TRect>& rects = region_.rects_;
  // A band that continues the last one with the same runs only lengthens it.
  if (haveLastBand_ && rects.back().Bottom == band_.front().Top &&
      rects.size() - lastBandStart_ == band_.size()) {
    bool same = true;
    for (size_t i = 0; i < band_.size() && same; ++i) {
      same = rects[lastBandStart_ + i].Left == band_[i].Left &&
             rects[lastBandStart_ + i].Right == band_[i].Right;
    }
    if (same) {
      for (size_t i = lastBandStart_; i < rects.size(); ++i) rects[i].Bottom = band_.front().Bottom;
      region_.bounds_.Bottom = band_.front().Bottom;
      band_.clear();
      return;
    }
  }
  TRect& bounds = region_.bounds_;
  if (rects.empty()) {
    bounds = {band_.front().Left, band_.front().Top, band_.back().Right, band_.front().Bottom};
  } else {
    bounds.Left = std::min(bounds.Left, band_.front().Left);
    bounds.Right = std::max(bounds.Right, band_.back().Right);
    bounds.Bottom = band_.front().Bottom;
  }
  lastBandStart_ = rects.size();
  haveLastBand_ = true;
  rects.insert(rects.end(), band_.begin(), band_.end());
  band_.clear();
}

TRegion TRegionBuilder::Finish() {
  FlushBand();
  TRegion result = std::move(region_);
  region_ = TRegion();
  haveLastBand_ = false;
  lastBandStart_ = 0;
  return result;
}

}  // namespace nuvex
