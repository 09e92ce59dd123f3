#pragma once
// Text drawn the way a renderer that makes everything anew for each draw
// puts it: a fresh font and a section the size of the part under the text.
// The reference for the kept renderer's pixels (tests) and its cost (bench).
#ifndef _WIN32
#error "tests/support/FreshTextDraw.h is for Windows builds only"
#endif
#include <windows.h>

#include <optional>
#include <string>

#include "toolkit/graphics/GdiBridge.h"

namespace nuvex::test {

inline void FreshTextDraw(TBitmap& target, int x, int y, const TFont& font, const std::string& text,
                          std::optional<TColor> background = std::nullopt) {
  gdi::UniqueFont handle = gdi::MakeFont(font);
  if (!handle) return;
  SIZE size{};
  {
    gdi::MemoryDc dc;
    gdi::SelectionScope select(dc.Get(), handle.Get());
    GetTextExtentPoint32A(dc.Get(), text.c_str(), int(text.size()), &size);
  }
  const int slack = size.cy;  // room for overhanging italic glyphs
  const TRect area = Intersect(Rect(x - slack, y, x + size.cx + slack, y + size.cy), target.ClientRect());
  if (area.IsEmpty()) return;
  TBitmap part(area.Width(), area.Height());
  part.Canvas().CopyRect(part.ClientRect(), target, area);
  gdi::DibSection dib(part);
  gdi::SelectionScope select(dib.Dc(), handle.Get());
  SetTextColor(dib.Dc(), COLORREF(ColorToRGB(font.Color)));
  if (background) {
    SetBkMode(dib.Dc(), OPAQUE);
    SetBkColor(dib.Dc(), COLORREF(ColorToRGB(*background)));
  } else {
    SetBkMode(dib.Dc(), TRANSPARENT);
  }
  TextOutA(dib.Dc(), x - area.Left, y - area.Top, text.c_str(), int(text.size()));
  dib.Store(part);
  target.Canvas().CopyRect(area, part, part.ClientRect());
}

}  // namespace nuvex::test
