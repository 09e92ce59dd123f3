#include "toolkit/graphics/Canvas.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/TextRenderer.h"

namespace nuvex {

int TFont::PixelHeight() const {
  // Points at 96 pixels per inch, rounded like MulDiv.
  const int64_t scaled = int64_t{std::abs(Size)} * 96;
  return std::max<int>(1, static_cast<int>((scaled + 36) / 72));
}

namespace {

// The source index of target index d of a run of D pixels copied from a run
// of S, as the window system's no-blend stretching picks it.  Growing: the
// source pixel under the centre of the target pixel, a centre on a boundary
// going to the lower pixel.  Shrinking: the source pixels fall into groups,
// each source pixel to the target pixel under its own centre (boundaries
// again to the lower one); a column keeps the last pixel of its group, a row
// the first, except that a single column shrunk from S columns shows column
// S - 2 (GDI leaves the last column out there).  The same size maps every
// pixel to itself.
int64_t StretchSource(int64_t d, int64_t S, int64_t D, bool lastOfGroup) {
  if (D >= S) return ((2 * d + 1) * S - 1) / (2 * D);
  if (lastOfGroup && D == 1) return S - 2;
  if (lastOfGroup) return (2 * (d + 1) * S + D) / (2 * D) - 1;
  return (2 * d * S + D) / (2 * D);
}

// The source indexes of the target indexes clipStart .. clipEnd - 1; -1 marks
// a source index outside the source bitmap.
std::vector<int> SourceIndexes(int destStart, int clipStart, int clipEnd, int64_t destLength,
                               int sourceStart, int64_t sourceLength, int sourceLimit, bool lastOfGroup) {
  std::vector<int> map(static_cast<size_t>(clipEnd - clipStart));
  for (int d = clipStart; d < clipEnd; ++d) {
    const int64_t s = sourceStart + StretchSource(int64_t{d} - destStart, sourceLength, destLength,
                                                  lastOfGroup);
    map[d - clipStart] = (s >= 0 && s < sourceLimit) ? static_cast<int>(s) : -1;
  }
  return map;
}

// The one copying routine behind CopyRect, Draw and StretchDraw.
void Blit(TBitmap& target, const TRect& dest, const TBitmap& source, const TRect& sourceRect,
          std::optional<TPixel> seeThrough) {
  if (dest.IsEmpty() || sourceRect.IsEmpty() || source.Empty()) return;
  // Rectangles beyond the window system's coordinate space (2^27) draw
  // nothing; within it the arithmetic below cannot overflow.
  constexpr int64_t kLimit = int64_t{1} << 27;
  for (int64_t v : {int64_t{dest.Left}, int64_t{dest.Top}, int64_t{dest.Right}, int64_t{dest.Bottom},
                    int64_t{sourceRect.Left}, int64_t{sourceRect.Top}, int64_t{sourceRect.Right},
                    int64_t{sourceRect.Bottom}}) {
    if (v < -kLimit || v > kLimit) return;
  }
  const TRect clip = Intersect(dest, target.ClientRect());
  if (clip.IsEmpty()) return;

  // Reading and writing the same pixels: read from a copy.
  std::optional<TBitmap> copy;
  const TBitmap* from = &source;
  if (&source == &target) {
    copy.emplace(source);
    from = &*copy;
  }

  const std::vector<int> rows = SourceIndexes(dest.Top, clip.Top, clip.Bottom, dest.Height(),
                                              sourceRect.Top, sourceRect.Height(), from->Height(), false);
  // At the same width the columns that lie in the source form one stretch,
  // copied as a block; otherwise each column has its own source column.
  const bool sameWidth = dest.Width() == sourceRect.Width() && !seeThrough;
  std::vector<int> columns;
  int first = 0;
  int last = clip.Width();
  if (sameWidth) {
    const int64_t shift = int64_t{sourceRect.Left} - dest.Left;  // source x = target x + shift
    first = static_cast<int>(std::clamp<int64_t>(-shift - clip.Left, 0, last));
    last = static_cast<int>(std::clamp<int64_t>(from->Width() - shift - clip.Left, first, last));
  } else {
    columns = SourceIndexes(dest.Left, clip.Left, clip.Right, dest.Width(), sourceRect.Left,
                            sourceRect.Width(), from->Width(), true);
    while (first < last && columns[first] < 0) ++first;
    while (last > first && columns[last - 1] < 0) --last;
  }

  const TPixel key = seeThrough.value_or(0) & 0xFFFFFF;
  for (int y = clip.Top; y < clip.Bottom; ++y) {
    const int sy = rows[y - clip.Top];
    if (sy < 0) continue;
    const TPixel* in = from->ScanLine(sy);
    TPixel* out = target.ScanLine(y) + clip.Left;
    if (sameWidth) {
      if (first < last) {
        std::memmove(out + first, in + (int64_t{clip.Left} + first + sourceRect.Left - dest.Left),
                     sizeof(TPixel) * (last - first));
      }
      continue;
    }
    for (int i = first; i < last; ++i) {
      const int sx = columns[i];
      if (sx < 0) continue;
      const TPixel p = in[sx];
      if (seeThrough && (p & 0xFFFFFF) == key) continue;
      out[i] = p;
    }
  }
}

std::optional<TPixel> SeeThroughOf(const TBitmap& source) {
  if (!source.Transparent()) return std::nullopt;
  return ColorToPixel(source.TransparentColor());
}

}  // namespace

void TCanvas::FillRect(const TRect& rect) {
  if (Brush.Style == bsClear) return;
  TBitmap& bitmap = *bitmap_;
  const TRect clip = Intersect(rect, bitmap.ClientRect());
  if (clip.IsEmpty()) return;
  const TPixel pixel = ColorToPixel(Brush.Color);
  for (int y = clip.Top; y < clip.Bottom; ++y) {
    std::fill_n(bitmap.ScanLine(y) + clip.Left, clip.Width(), pixel);
  }
}

void TCanvas::CopyRect(const TRect& dest, const TBitmap& source, const TRect& sourceRect) {
  Blit(*bitmap_, dest, source, sourceRect, std::nullopt);
}

void TCanvas::Draw(int x, int y, const TBitmap& source) {
  Blit(*bitmap_, Bounds(x, y, source.Width(), source.Height()), source, source.ClientRect(),
       SeeThroughOf(source));
}

void TCanvas::StretchDraw(const TRect& dest, const TBitmap& source) {
  Blit(*bitmap_, dest, source, source.ClientRect(), SeeThroughOf(source));
}

TColor TCanvas::Pixel(int x, int y) const {
  const TBitmap& bitmap = *bitmap_;
  if (!bitmap.ClientRect().Contains(x, y)) return -1;
  return PixelToColor(bitmap.ScanLine(y)[x] & 0xFFFFFF);
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  TBitmap& bitmap = *bitmap_;
  if (!bitmap.ClientRect().Contains(x, y)) return;
  bitmap.ScanLine(y)[x] = ColorToPixel(color);
}

void TCanvas::LineTo(int x, int y) {
  const TPoint from = penPos_;
  penPos_ = {x, y};
  // The window system's coordinate space ends at 2^27; lines beyond it are
  // not drawn, and 64-bit arithmetic below cannot overflow.
  constexpr int kLimit = 1 << 27;
  if (std::abs(int64_t{from.X}) > kLimit || std::abs(int64_t{from.Y}) > kLimit ||
      std::abs(int64_t{x}) > kLimit || std::abs(int64_t{y}) > kLimit) {
    return;
  }
  const int64_t dx = int64_t{x} - from.X;
  const int64_t dy = int64_t{y} - from.Y;

  // Bresenham as the window system does it: the octant (counted
  // counter-clockwise from the positive x axis, y pointing down) decides
  // which way a tie goes, so a line drawn backwards may cover other pixels.
  int octant;
  if (dy > 0) {
    if (dx > 0) octant = dx > dy ? 1 : 2;
    else octant = -dx > dy ? 4 : 3;
  } else {
    if (dx < 0) octant = -dx > -dy ? 5 : 6;
    else octant = dx > -dy ? 8 : 7;
  }
  const int64_t bias = (octant == 3 || octant == 5 || octant == 6 || octant == 8) ? 1 : 0;
  const bool xMajor = std::abs(dx) > std::abs(dy);
  const int64_t major = xMajor ? std::abs(dx) : std::abs(dy);
  const int64_t minor = xMajor ? std::abs(dy) : std::abs(dx);
  if (major == 0) return;  // the end point is never painted
  const int64_t majorStep = (xMajor ? dx : dy) < 0 ? -1 : 1;
  const int64_t minorStep = (xMajor ? dy : dx) < 0 ? -1 : 1;
  const int64_t majorStart = xMajor ? from.X : from.Y;
  const int64_t minorStart = xMajor ? from.Y : from.X;

  TBitmap& bitmap = *bitmap_;
  const int64_t majorLimit = xMajor ? bitmap.Width() : bitmap.Height();
  const int64_t minorLimit = xMajor ? bitmap.Height() : bitmap.Width();
  // Only the steps whose major coordinate lies inside the bitmap.
  int64_t first = 0;
  int64_t last = major;  // exclusive
  if (majorStep > 0) {
    first = std::max<int64_t>(first, -majorStart);
    last = std::min<int64_t>(last, majorLimit - majorStart);
  } else {
    first = std::max<int64_t>(first, majorStart - (majorLimit - 1));
    last = std::min<int64_t>(last, majorStart + 1);
  }
  const TPixel pixel = ColorToPixel(Pen.Color);
  for (int64_t i = first; i < last; ++i) {
    // The number of minor steps taken before step i of the error-term loop
    // (err = 2 minor - major; step when err + bias > 0), in closed form.
    const int64_t taken = (2 * minor * i + major - 1 + bias) / (2 * major);
    const int64_t m = majorStart + majorStep * i;
    const int64_t n = minorStart + minorStep * taken;
    if (n < 0 || n >= minorLimit) continue;
    if (xMajor) bitmap.ScanLine(static_cast<int>(n))[m] = pixel;
    else bitmap.ScanLine(static_cast<int>(m))[n] = pixel;
  }
}

void TCanvas::Polyline(std::span<const TPoint> points) {
  if (points.empty()) return;
  MoveTo(points[0].X, points[0].Y);
  for (size_t i = 1; i < points.size(); ++i) LineTo(points[i].X, points[i].Y);
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
  std::optional<TColor> background;
  if (Brush.Style == bsSolid) background = Brush.Color;
  CurrentTextRenderer().Draw(*bitmap_, x, y, Font, text, background);
}

TSize TCanvas::TextExtent(std::string_view text) const {
  return CurrentTextRenderer().Measure(Font, text);
}

}  // namespace nuvex
