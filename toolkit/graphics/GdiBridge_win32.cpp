#include "toolkit/graphics/GdiBridge.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "base/Error.h"

namespace nuvex::gdi {

namespace {

BITMAPINFO TopDown32(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // negative: rows top-down, as TBitmap keeps them
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace

MemoryDc::MemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {
  if (!dc_) throw Error("CreateCompatibleDC failed");
}
MemoryDc::~MemoryDc() { DeleteDC(dc_); }

WindowDc::WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {
  if (!dc_) throw Error("GetDC failed");
}
WindowDc::~WindowDc() { ReleaseDC(window_, dc_); }

DibSection::DibSection(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
  // A section of no size cannot be made; keep one pixel behind the scenes.
  const BITMAPINFO info = TopDown32(std::max(width_, 1), std::max(height_, 1));
  void* bits = nullptr;
  bitmap_.Reset(CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap_ || !bits) throw Error("CreateDIBSection failed");
  bits_ = static_cast<TPixel*>(bits);
  previous_ = SelectObject(dc_.Get(), bitmap_.Get());
}

DibSection::DibSection(const TBitmap& picture) : DibSection(picture.Width(), picture.Height()) {
  Load(picture);
}

DibSection::~DibSection() {
  // Deselect before the bitmap is deleted (members go after this body).
  SelectObject(dc_.Get(), previous_);
}

void DibSection::Load(const TBitmap& picture) {
  GdiFlush();
  const int w = std::min(width_, picture.Width());
  const int h = std::min(height_, picture.Height());
  for (int y = 0; y < h; ++y) {
    std::memcpy(bits_ + static_cast<size_t>(y) * width_, picture.ScanLine(y), sizeof(TPixel) * w);
  }
}

void DibSection::Store(TBitmap& picture) const {
  GdiFlush();
  picture.SetSize(width_, height_);
  for (int y = 0; y < height_; ++y) {
    const TPixel* in = bits_ + static_cast<size_t>(y) * width_;
    TPixel* out = picture.ScanLine(y);
    for (int x = 0; x < width_; ++x) out[x] = in[x] & 0xFFFFFF;
  }
}

TRect DibSection::PartOf(const TBitmap& picture, const TRect& area) const {
  const TRect part = Intersect(area, picture.ClientRect());
  return Rect(part.Left, part.Top, part.Left + std::min(part.Width(), width_),
              part.Top + std::min(part.Height(), height_));
}

void DibSection::LoadPart(const TBitmap& picture, const TRect& area) {
  const TRect from = PartOf(picture, area);
  if (from.Width() <= 0 || from.Height() <= 0) return;
  GdiFlush();
  for (int y = 0; y < from.Height(); ++y) {
    std::memcpy(bits_ + static_cast<size_t>(y) * width_, picture.ScanLine(from.Top + y) + from.Left,
                sizeof(TPixel) * from.Width());
  }
}

void DibSection::StorePart(TBitmap& picture, const TRect& area) const {
  const TRect to = PartOf(picture, area);
  if (to.Width() <= 0 || to.Height() <= 0) return;
  GdiFlush();
  for (int y = 0; y < to.Height(); ++y) {
    const TPixel* in = bits_ + static_cast<size_t>(y) * width_;
    TPixel* out = picture.ScanLine(to.Top + y) + to.Left;
    for (int x = 0; x < to.Width(); ++x) out[x] = in[x] & 0xFFFFFF;
  }
}

namespace {

// Only the defined style bits tell fonts apart.
constexpr uint8_t kFontStyleBits = fsBold | fsItalic | fsUnderline | fsStrikeOut;

struct FontKey {
  std::string name;
  int pixelHeight;
  uint8_t style;
};

// Ordered by (name, height, style); looked up without copying the name.
struct FontKeyLess {
  using is_transparent = void;
  using View = std::tuple<std::string_view, int, uint8_t>;
  static View Of(const FontKey& key) { return {key.name, key.pixelHeight, key.style}; }
  static const View& Of(const View& view) { return view; }
  template <typename A, typename B>
  bool operator()(const A& a, const B& b) const {
    return Of(a) < Of(b);
  }
};

}  // namespace

UniqueFont MakeFont(const TFont& font) {
  const uint8_t style = font.Style;
  return UniqueFont(CreateFontA(-font.PixelHeight(), 0, 0, 0, (style & fsBold) ? FW_BOLD : FW_NORMAL,
                                (style & fsItalic) ? TRUE : FALSE, (style & fsUnderline) ? TRUE : FALSE,
                                (style & fsStrikeOut) ? TRUE : FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, font.Name.c_str()));
}

namespace {

class FontCache {
 public:
  HFONT Find(const TFont& font) {
    const FontKeyLess::View key{font.Name, font.PixelHeight(), static_cast<uint8_t>(font.Style & kFontStyleBits)};
    if (auto found = fonts_.find(key); found != fonts_.end()) return found->second.Get();
    const uint8_t style = std::get<2>(key);
    UniqueFont made = MakeFont(font);
    // The system's own font is lent, never owned: DeleteObject is not for it.
    if (!made) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    const HFONT handle = made.Get();
    fonts_.emplace(FontKey{font.Name, std::get<1>(key), style}, std::move(made));
    return handle;
  }

 private:
  std::map<FontKey, UniqueFont, FontKeyLess> fonts_;
};

}  // namespace

HFONT FontFor(const TFont& font) {
  static FontCache cache;
  return cache.Find(font);
}

void DrawBitmap(HDC dc, int x, int y, const TBitmap& picture) {
  if (picture.Empty()) return;
  const BITMAPINFO info = TopDown32(picture.Width(), picture.Height());
  SetDIBitsToDevice(dc, x, y, picture.Width(), picture.Height(), 0, 0, 0, picture.Height(),
                    picture.Bits(), &info, DIB_RGB_COLORS);
}

void DrawBitmapPart(HDC dc, const TRect& area, const TBitmap& picture) {
  const TRect part = Intersect(area, picture.ClientRect());
  if (part.IsEmpty()) return;
  // The rows of the part, as a top-down picture of the full width (so the
  // row stride stays the picture's), shown from column part.Left on.
  const BITMAPINFO info = TopDown32(picture.Width(), part.Height());
  SetDIBitsToDevice(dc, part.Left, part.Top, part.Width(), part.Height(), part.Left, 0, 0, part.Height(),
                    picture.ScanLine(part.Top), &info, DIB_RGB_COLORS);
}

namespace {

// One ExtCreateRegion call for rects [first, last).
UniqueRegion RegionOfRects(const std::vector<TRect>& rects, size_t first, size_t last) {
  // RGNDATA: the header, then the rectangles.
  const size_t count = last - first;
  std::vector<unsigned char> buffer(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(count);
  data->rdh.nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
  RECT bounds{0, 0, 0, 0};
  auto* out = reinterpret_cast<RECT*>(buffer.data() + sizeof(RGNDATAHEADER));
  for (size_t i = 0; i < count; ++i) {
    const TRect& r = rects[first + i];
    out[i] = {r.Left, r.Top, r.Right, r.Bottom};
    if (i == 0) {
      bounds = out[i];
    } else {
      bounds.left = std::min(bounds.left, out[i].left);
      bounds.right = std::max(bounds.right, out[i].right);
      bounds.bottom = std::max(bounds.bottom, out[i].bottom);
    }
  }
  data->rdh.rcBound = bounds;
  HRGN handle = ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data);
  if (!handle) throw Error("ExtCreateRegion failed");
  return UniqueRegion(handle);
}

}  // namespace

UniqueRegion CreateRegionHandle(const TRegion& region, size_t maxRectsPerCall) {
  const std::vector<TRect>& rects = region.Rects();
  if (maxRectsPerCall == 0) maxRectsPerCall = 1;
  if (rects.size() <= maxRectsPerCall) return RegionOfRects(rects, 0, rects.size());

  std::vector<UniqueRegion> pieces;
  for (size_t first = 0; first < rects.size(); first += maxRectsPerCall) {
    pieces.push_back(RegionOfRects(rects, first, std::min(rects.size(), first + maxRectsPerCall)));
  }
  // Join neighbours pairwise until one is left, so every rectangle takes part
  // in only a logarithmic number of joins.
  while (pieces.size() > 1) {
    std::vector<UniqueRegion> joined;
    for (size_t i = 0; i + 1 < pieces.size(); i += 2) {
      if (CombineRgn(pieces[i].Get(), pieces[i].Get(), pieces[i + 1].Get(), RGN_OR) == ERROR) {
        throw Error("CombineRgn failed");
      }
      joined.push_back(std::move(pieces[i]));
    }
    if (pieces.size() % 2) joined.push_back(std::move(pieces.back()));
    pieces = std::move(joined);
  }
  return std::move(pieces.front());
}

TRegion RegionFromHandle(HRGN handle) {
  const DWORD size = GetRegionData(handle, 0, nullptr);
  if (size == 0) throw Error("GetRegionData failed");
  std::vector<unsigned char> buffer(size);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  if (GetRegionData(handle, size, data) == 0) throw Error("GetRegionData failed");
  const auto* rects = reinterpret_cast<const RECT*>(buffer.data() + data->rdh.dwSize);
  // GDI hands the rectangles out in banded order already.
  TRegionBuilder builder;
  for (DWORD i = 0; i < data->rdh.nCount; ++i) {
    builder.AddRect({rects[i].left, rects[i].top, rects[i].right, rects[i].bottom});
  }
  return builder.Finish();
}

}  // namespace nuvex::gdi
