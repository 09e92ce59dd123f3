// PaintBitmap against a slow reference painter that works out every target
// pixel on its own: scaling by searching for the source pixel, tiling by remainders, the
// painting order by overwriting in the order the layers are laid down.
#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "tests/support/GraphicsTestUtil.h"
#include "skin/SkinTools.h"

namespace nuvex {
namespace {

constexpr TColor kWhite = 0xFFFFFF;

struct Image {
  int w = 0, h = 0;
  std::vector<TColor> px;
  Image() = default;
  Image(int width, int height, TColor fill) : w(width), h(height), px(size_t(width) * height, fill) {}
  bool In(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
  TColor At(int x, int y) const { return px[size_t(y) * w + x]; }
  void Set(int x, int y, TColor c) {
    if (In(x, y)) px[size_t(y) * w + x] = c;
  }
};

Image FromBitmap(const TBitmap& b) {
  Image img(b.Width(), b.Height(), 0);
  img.px = test::PixelsOf(b);
  return img;
}

// A source rectangle read into a piece of its own size; pixels outside the
// source stay white.
Image Piece(const Image& src, long l, long t, long r, long b) {
  if (r <= l || b <= t) return Image();
  Image p(int(r - l), int(b - t), kWhite);
  for (int y = 0; y < p.h; ++y)
    for (int x = 0; x < p.w; ++x)
      if (src.In(int(l + x), int(t + y))) p.Set(x, y, src.At(int(l + x), int(t + y)));
  return p;
}

// The source index for target index d when S pixels are scaled onto D, found
// by searching: growing, the source pixel under the target pixel's centre
// (a centre on a boundary belongs to the lower pixel); shrinking, the source
// pixels whose own centres fall into the target pixel, the last of them
// across, the first of them down.
long SourceFor(long d, long S, long D, bool across) {
  if (D >= S) {
    long s = 0;
    while ((s + 1) * 2 * D < (2 * d + 1) * S) ++s;
    return s;
  }
  // GDI leaves the last column out when it shrinks a row to a single pixel.
  if (across && D == 1) return S - 2;
  long found = -1;
  for (long t = 0; t < S; ++t) {
    long g = 0;
    while ((g + 1) * 2 * S < (2 * t + 1) * D) ++g;
    if (g == d && (across || found < 0)) found = t;
  }
  return found;
}

// Scaled copy of source rectangle s onto target rectangle d.
void Scale(Image& dst, const Image& src, long dl, long dt, long dr, long db, long sl, long st, long sr,
           long sb) {
  if (dr <= dl || db <= dt || sr <= sl || sb <= st) return;
  for (long y = std::max(dt, 0L); y < std::min(db, long(dst.h)); ++y)
    for (long x = std::max(dl, 0L); x < std::min(dr, long(dst.w)); ++x) {
      const long sx = sl + SourceFor(x - dl, sr - sl, dr - dl, true);
      const long sy = st + SourceFor(y - dt, sb - st, db - dt, false);
      if (src.In(int(sx), int(sy))) dst.Set(int(x), int(y), src.At(int(sx), int(sy)));
    }
}

// Pieces laid from (x0, y0) every piece size to the right (across) and/or
// down; only the first column or row when the axis does not repeat.
void Lay(Image& dst, const Image& p, long x0, long y0, bool acrossX, bool acrossY,
         std::optional<TColor> seeThrough) {
  if (p.w == 0 || p.h == 0) return;
  for (long y = 0; y < dst.h; ++y)
    for (long x = 0; x < dst.w; ++x) {
      if (x < x0 || y < y0) continue;
      if (!acrossX && x >= x0 + p.w) continue;
      if (!acrossY && y >= y0 + p.h) continue;
      const TColor c = p.At(int((x - x0) % p.w), int((y - y0) % p.h));
      if (seeThrough && c == *seeThrough) continue;
      dst.Set(int(x), int(y), c);
    }
}

struct Outcome {
  Image image;
  bool result = true;
  bool raised = false;
};

Outcome Reference(const Image& src, Image dst, int L, int T, int R, int B, int height, int width,
                  TSplitMode split, int index, int count, TInteriorArea ia) {
  if (count == 0) count = 1;
  long SL = 0, ST = 0, SR = src.w, SB = src.h;
  if (split == spHorizontal) {
    const long h = src.h / count;
    ST = h * (index - 1);
    SB = h * index;
  } else if (split == spVertical) {
    const long w = src.w / count;
    SL = w * (index - 1);
    SR = w * index;
  }
  const long IL = SL + L, IT = ST + T, IR = SR - R, IB = SB - B;
  auto red = [](Image img) {
    std::fill(img.px.begin(), img.px.end(), 0x0000FF);
    return img;
  };
  if (IR < 0 || IB < 0 || IB <= IT || IR <= IL) return {red(dst), false, true};
  const long IW = IR - IL, IH = IB - IT;

  if (ia != iaCentered) {
    const int nh = height < 0 ? int(SB - ST) : height;
    const int nw = width < 0 ? int(SR - SL) : width;
    Image resized(nw, nh, kWhite);
    for (int y = 0; y < std::min(nh, dst.h); ++y)
      for (int x = 0; x < std::min(nw, dst.w); ++x) resized.Set(x, y, dst.At(x, y));
    dst = resized;
  }
  const long DW = dst.w, DH = dst.h;
  std::optional<TColor> seeThrough;

  switch (ia) {
    case iaStretched:
      Scale(dst, src, L, T, DW - R, DH - B, IL, IT, IR, IB);
      break;
    case iaTopStretch:
      Scale(dst, src, L, T, DW - R, DH - B, IL, IT, IR, IT + (DH - B));
      break;
    case iaTiled:
      Lay(dst, Piece(src, IL, IT, IR, IB), L, T, true, true, std::nullopt);
      break;
    case iaHorizontalTiled: {
      const long ph = DH - B - T;
      if (ph <= 0) return {red(dst), false, false};
      Image p(int(IW), int(ph), kWhite);
      Scale(p, src, 0, 0, IW, ph, IL, IT, IR, IB);
      Lay(dst, p, L, T, true, false, std::nullopt);
      break;
    }
    case iaCentered:
      seeThrough = KeyColour;
      Lay(dst, Piece(src, IL, IT, IR, IB), (DW - IW) / 2, (DH - IH) / 2, false, false, seeThrough);
      break;
    case iaTransparent:
      for (long y = T; y < DH - B; ++y)
        for (long x = L; x < DW - R; ++x) dst.Set(int(x), int(y), KeyColour);
      break;
  }

  const bool scaleSides = ia == iaStretched || ia == iaHorizontalTiled || ia == iaTransparent;
  const bool scaleTopBottom = ia == iaStretched || ia == iaTransparent;
  if (L != 0) {
    if (scaleSides) Scale(dst, src, 0, T, L, DH - B, SL, ST + T, SL + L, SB - B);
    else Lay(dst, Piece(src, SL, ST + T, SL + L, SB - B), 0, T, false, true, seeThrough);
  }
  if (R != 0) {
    if (scaleSides) Scale(dst, src, DW - R, T, DW, DH - B, SR - R, ST + T, SR, SB - B);
    else Lay(dst, Piece(src, SR - R, ST + T, SR, SB - B), DW - R, T, false, true, seeThrough);
  }
  if (T != 0) {
    if (scaleTopBottom) Scale(dst, src, L, 0, DW - R, T, SL + L, ST, SR - R, ST + T);
    else Lay(dst, Piece(src, SL + L, ST, SR - R, ST + T), L, 0, true, false, seeThrough);
  }
  if (B != 0) {
    if (scaleTopBottom) Scale(dst, src, L, DH - B, DW - R, DH, SL + L, SB - B, SR - R, SB);
    else Lay(dst, Piece(src, SL + L, SB - B, SR - R, SB), L, DH - B, true, false, seeThrough);
  }
  if (L && T) Scale(dst, src, 0, 0, L, T, SL, ST, SL + L, ST + T);
  if (R && T) Scale(dst, src, DW - R, 0, DW, T, SR - R, ST, SR, ST + T);
  if (L && B) Scale(dst, src, 0, DH - B, L, DH, SL, SB - B, SL + L, SB);
  if (R && B) Scale(dst, src, DW - R, DH - B, DW, DH, SR - R, SB - B, SR, SB);
  return {dst, true, false};
}

TEST(SkinToolsReference, EveryInteriorModeMatchesTheReferencePainter) {
  std::mt19937 random(20240611);
  auto pick = [&](int lo, int hi) { return lo + int(random() % unsigned(hi - lo + 1)); };
  int painted = 0, raised = 0, stopped = 0;
  for (int round = 0; round < 3000; ++round) {
    const TInteriorArea ia = IntToInteriorArea(round % 6);
    const TSplitMode split = IntToSplitMode(pick(0, 2));
    const int count = pick(0, 4);
    const int index = pick(1, std::max(count, 1));
    // Margins mostly small and positive, now and then negative.
    auto margin = [&] { return pick(0, 9) == 0 ? pick(-3, -1) : pick(0, 7); };
    const int L = margin(), T = margin(), R = margin(), B = margin();
    const int height = pick(0, 5) == 0 ? -1 : pick(0, 45);
    const int width = pick(0, 5) == 0 ? -1 : pick(0, 45);

    TBitmap strip(pick(1, 40), pick(1, 40));
    for (int y = 0; y < strip.Height(); ++y)
      for (int x = 0; x < strip.Width(); ++x)
        strip.Canvas().SetPixel(x, y, pick(0, 12) == 0 ? KeyColour : test::CoordColor(x, y, round % 250));
    TBitmap dest(pick(0, 30), pick(0, 30));
    for (int y = 0; y < dest.Height(); ++y)
      for (int x = 0; x < dest.Width(); ++x) dest.Canvas().SetPixel(x, y, test::CoordColor(x, y, 251));

    const Outcome expected = Reference(FromBitmap(strip), FromBitmap(dest), L, T, R, B, height, width,
                                       split, index, count, ia);
    bool result = true, threw = false;
    try {
      result = PaintBitmap(strip, dest, L, T, R, B, height, width, split, index, count, ia);
    } catch (const Error&) {
      threw = true;
    }
    const std::string what = "round " + std::to_string(round) + " mode " + std::to_string(ia) +
                             " split " + std::to_string(split) + " index " + std::to_string(index) +
                             "/" + std::to_string(count) + " margins " + std::to_string(L) + "," +
                             std::to_string(T) + "," + std::to_string(R) + "," + std::to_string(B) +
                             " size " + std::to_string(width) + "x" + std::to_string(height);
    ASSERT_EQ(threw, expected.raised) << what;
    if (!threw) {
      ASSERT_EQ(result, expected.result) << what;
    }
    ASSERT_EQ(dest.Width(), expected.image.w) << what;
    ASSERT_EQ(dest.Height(), expected.image.h) << what;
    const std::vector<TColor> actual = test::PixelsOf(dest);
    for (size_t i = 0; i < actual.size(); ++i) {
      ASSERT_EQ(actual[i], expected.image.px[i])
          << what << " at " << i % dest.Width() << "," << i / dest.Width();
    }
    threw ? ++raised : result ? ++painted : ++stopped;
  }
  // The random cases reach all three outcomes often enough to mean something.
  EXPECT_GT(painted, 1500);
  EXPECT_GT(raised, 100);
  EXPECT_GT(stopped, 10);
}

}  // namespace
}  // namespace nuvex
