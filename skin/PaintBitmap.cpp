#include "skin/PaintBitmap.h"

#include <algorithm>
#include <cstdint>

namespace nuvex {

namespace {

// Rectangles are worked out in 64 bits (margins and indexes are not checked
// by anyone) and only then brought into the pixel range.
struct Rect64 {
  int64_t left, top, right, bottom;
};

int Clamp(int64_t v) {
  constexpr int64_t kLimit = int64_t{1} << 26;
  return static_cast<int>(std::clamp(v, -kLimit, kLimit));
}

TRect ToRect(const Rect64& r) {
  return {Clamp(r.left), Clamp(r.top), Clamp(r.right), Clamp(r.bottom)};
}

void FillWith(TBitmap& bitmap, TColor color) {
  const TPixel pixel = ColorToPixel(color);
  std::fill_n(bitmap.Bits(), static_cast<size_t>(bitmap.Width()) * bitmap.Height(), pixel);
}

// True, with dest all ErrorColour, when r holds no pixel.
bool CheckError(const Rect64& r, TBitmap& dest) {
  if (r.right < 0 || r.bottom < 0 || r.bottom <= r.top || r.right <= r.left) {
    FillWith(dest, ErrorColour);
    return true;
  }
  return false;
}

// The first of the positions start, start + step, ... whose piece of length
// step can reach the visible side (at or right of 0); skipping the others
// keeps far-off starts from costing a loop each.
int64_t FirstVisible(int64_t start, int64_t step) {
  if (start + step > 0) return start;
  return start + ((-start) / step) * step;
}

// Draws piece at (x, y) for x = startX, startX + stepX, ... while x < endX,
// and likewise for y, rows from the top.
void Tile(TBitmap& dest, const TBitmap& piece, int64_t startX, int64_t stepX, int64_t endX,
          int64_t startY, int64_t stepY, int64_t endY) {
  if (piece.Empty() || stepX <= 0 || stepY <= 0) return;
  for (int64_t y = FirstVisible(startY, stepY); y < endY; y += stepY) {
    for (int64_t x = FirstVisible(startX, stepX); x < endX; x += stepX) {
      dest.Canvas().Draw(Clamp(x), Clamp(y), piece);
    }
  }
}

// One column of pieces at x, from startY down while y < endY.
void TileDown(TBitmap& dest, const TBitmap& piece, int64_t x, int64_t startY, int64_t stepY,
              int64_t endY) {
  if (piece.Empty() || stepY <= 0) return;
  for (int64_t y = FirstVisible(startY, stepY); y < endY; y += stepY) {
    dest.Canvas().Draw(Clamp(x), Clamp(y), piece);
  }
}

// One row of pieces at y, from startX across while x < endX.
void TileAcross(TBitmap& dest, const TBitmap& piece, int64_t startX, int64_t stepX, int64_t endX,
                int64_t y) {
  if (piece.Empty() || stepX <= 0) return;
  for (int64_t x = FirstVisible(startX, stepX); x < endX; x += stepX) {
    dest.Canvas().Draw(Clamp(x), Clamp(y), piece);
  }
}

// Copies source rectangle r into the scratch piece at its own size.  The
// piece starts white each time, so parts of r outside the strip come out
// white rather than as leftovers of an earlier piece.
void CutPiece(TBitmap& piece, const TBitmap& source, const Rect64& r) {
  piece.Clear();
  const int64_t w = std::max<int64_t>(r.right - r.left, 0);
  const int64_t h = std::max<int64_t>(r.bottom - r.top, 0);
  piece.SetSize(static_cast<int>(std::min<int64_t>(w, kMaxBitmapSide + int64_t{1})),
                static_cast<int>(std::min<int64_t>(h, kMaxBitmapSide + int64_t{1})));
  piece.Canvas().CopyRect(piece.ClientRect(), source, ToRect(r));
}

}  // namespace

TRect StateImageRect(int stripWidth, int stripHeight, TSplitMode splitMode, int index, int count) {
  if (count == 0) count = 1;
  const int64_t w = stripWidth;
  const int64_t h = stripHeight;
  Rect64 s{0, 0, w, h};
  if (splitMode == spHorizontal) {
    const int64_t each = h / count;
    s = {0, each * (int64_t{index} - 1), w, each * index};
  } else if (splitMode == spVertical) {
    const int64_t each = w / count;
    s = {each * (int64_t{index} - 1), 0, each * index, h};
  }
  return ToRect(s);
}

bool PaintBitmap(const TBitmap& source, TBitmap& dest, int leftMargin, int topMargin,
                 int rightMargin, int bottomMargin, int height, int width, TSplitMode splitMode,
                 int index, int count, TInteriorArea interiorArea) {
  if (&source == &dest) {
    const TBitmap strip = source;
    return PaintBitmap(strip, dest, leftMargin, topMargin, rightMargin, bottomMargin, height, width,
                       splitMode, index, count, interiorArea);
  }
  TBitmap piece;  // the scratch piece of this call

  const TRect state = StateImageRect(source.Width(), source.Height(), splitMode, index, count);
  const int64_t SL = state.Left, ST = state.Top, SR = state.Right, SB = state.Bottom;
  const int64_t L = leftMargin, T = topMargin, R = rightMargin, B = bottomMargin;

  const Rect64 interior{SL + L, ST + T, SR - R, SB - B};
  if (CheckError(interior, dest)) throw Error(kPaintBitmapCheckError);
  const int64_t IW = interior.right - interior.left;
  const int64_t IH = interior.bottom - interior.top;

  if (interiorArea != iaCentered) {
    dest.SetHeight(height < 0 ? static_cast<int>(SB - ST) : height);
    dest.SetWidth(width < 0 ? static_cast<int>(SR - SL) : width);
  }
  const int64_t DW = dest.Width();
  const int64_t DH = dest.Height();
  TCanvas& canvas = dest.Canvas();
  const Rect64 area{L, T, DW - R, DH - B};

  switch (interiorArea) {
    case iaStretched:
      canvas.CopyRect(ToRect(area), source, ToRect(interior));
      break;
    case iaTopStretch:
      // The band is as high as the target without its bottom margin, so with
      // a top margin it is taller than the area it is scaled onto.
      canvas.CopyRect(ToRect(area), source,
                      ToRect({interior.left, interior.top, interior.right, interior.top + (DH - B)}));
      break;
    case iaTiled:
      CutPiece(piece, source, interior);
      Tile(dest, piece, L, IW, DW, T, IH, DH);
      break;
    case iaHorizontalTiled: {
      const int64_t pieceHeight = DH - B - T;
      if (CheckError({0, 0, IW, pieceHeight}, dest)) return false;
      piece.SetSize(static_cast<int>(IW), static_cast<int>(pieceHeight));
      piece.Canvas().CopyRect(piece.ClientRect(), source, ToRect(interior));
      TileAcross(dest, piece, L, IW, DW, T);
      break;
    }
    case iaCentered:
      CutPiece(piece, source, interior);
      // See-through from here on, also for the tiled edges below.
      piece.SetTransparentColor(KeyColour);
      piece.SetTransparent(true);
      canvas.Draw(Clamp((DW - IW) / 2), Clamp((DH - IH) / 2), piece);
      break;
    case iaTransparent: {
      const TBrush saved = canvas.Brush;
      canvas.Brush = {KeyColour, bsSolid};
      canvas.FillRect(ToRect(area));
      canvas.Brush = saved;
      break;
    }
  }

  // Edges, in the order left, right, top, bottom.
  const bool scaleSides =
      interiorArea == iaStretched || interiorArea == iaHorizontalTiled || interiorArea == iaTransparent;
  const bool scaleTopBottom = interiorArea == iaStretched || interiorArea == iaTransparent;
  if (L != 0) {
    const Rect64 from{SL, ST + T, SL + L, SB - B};
    if (scaleSides) {
      canvas.CopyRect(ToRect({0, T, L, DH - B}), source, ToRect(from));
    } else {
      CutPiece(piece, source, from);
      TileDown(dest, piece, 0, T, IH, DH);
    }
  }
  if (R != 0) {
    const Rect64 from{SR - R, ST + T, SR, SB - B};
    if (scaleSides) {
      canvas.CopyRect(ToRect({DW - R, T, DW, DH - B}), source, ToRect(from));
    } else {
      CutPiece(piece, source, from);
      TileDown(dest, piece, DW - R, T, IH, DH);
    }
  }
  if (T != 0) {
    const Rect64 from{SL + L, ST, SR - R, ST + T};
    if (scaleTopBottom) {
      canvas.CopyRect(ToRect({L, 0, DW - R, T}), source, ToRect(from));
    } else {
      CutPiece(piece, source, from);
      TileAcross(dest, piece, L, IW, DW, 0);
    }
  }
  if (B != 0) {
    const Rect64 from{SL + L, SB - B, SR - R, SB};
    if (scaleTopBottom) {
      canvas.CopyRect(ToRect({L, DH - B, DW - R, DH}), source, ToRect(from));
    } else {
      CutPiece(piece, source, from);
      TileAcross(dest, piece, L, IW, DW, DH - B);
    }
  }

  // Corners last, at their own size, over whatever tiles ran into them.
  if (L != 0 && T != 0) canvas.CopyRect(ToRect({0, 0, L, T}), source, ToRect({SL, ST, SL + L, ST + T}));
  if (R != 0 && T != 0) {
    canvas.CopyRect(ToRect({DW - R, 0, DW, T}), source, ToRect({SR - R, ST, SR, ST + T}));
  }
  if (L != 0 && B != 0) {
    canvas.CopyRect(ToRect({0, DH - B, L, DH}), source, ToRect({SL, SB - B, SL + L, SB}));
  }
  if (R != 0 && B != 0) {
    canvas.CopyRect(ToRect({DW - R, DH - B, DW, DH}), source, ToRect({SR - R, SB - B, SR, SB}));
  }
  return true;
}

}  // namespace nuvex
