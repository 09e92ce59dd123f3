#pragma once
// The Win32 side of the graphics core (Windows only): owners for GDI handles
// and device-context states, a bitmap drawn into and read through a device
// context, regions turned into HRGNs, and the program's fonts.
#ifndef _WIN32
#error "toolkit/graphics/GdiBridge.h is for Windows builds only"
#endif
#include <windows.h>

#include <cstdint>
#include <utility>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Region.h"

namespace nuvex::gdi {

// Owns one GDI object (HBITMAP, HRGN, HFONT, HPEN, HBRUSH); DeleteObject on destruction.
template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  ~GdiObject() { Reset(); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  // Gives the handle up, e.g. after SetWindowRgn succeeded: the window owns it now.
  Handle Release() { return std::exchange(handle_, nullptr); }
  void Reset(Handle handle = nullptr) {
    if (handle_) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

using UniqueBitmap = GdiObject<HBITMAP>;
using UniqueRegion = GdiObject<HRGN>;
using UniqueFont = GdiObject<HFONT>;
using UniqueBrush = GdiObject<HBRUSH>;
using UniquePen = GdiObject<HPEN>;

// A memory device context (CreateCompatibleDC); DeleteDC on destruction.
class MemoryDc {
 public:
  explicit MemoryDc(HDC compatibleWith = nullptr);
  ~MemoryDc();
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// A window's device context (GetDC); ReleaseDC on destruction.
class WindowDc {
 public:
  explicit WindowDc(HWND window);  // nullptr: the screen
  ~WindowDc();
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// A window's paint (BeginPaint); EndPaint on destruction, which also
// validates the update region.  The DC is clipped to that region.
class PaintDc {
 public:
  explicit PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintDc() { EndPaint(window_, &paint_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  HDC Get() const { return dc_; }  // nullptr when no DC was to be had
  // The part of the client area to paint.
  TRect Area() const { return {paint_.rcPaint.left, paint_.rcPaint.top, paint_.rcPaint.right, paint_.rcPaint.bottom}; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// Saves a DC's state (clipping, selections, colours, modes) and restores it
// on destruction.
class SavedDcState {
 public:
  explicit SavedDcState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~SavedDcState() {
    if (saved_) RestoreDC(dc_, saved_);
  }
  SavedDcState(const SavedDcState&) = delete;
  SavedDcState& operator=(const SavedDcState&) = delete;

 private:
  HDC dc_;
  int saved_;
};

// Selects an object into a DC and puts the previous one back on destruction.
class SelectionScope {
 public:
  SelectionScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectionScope() { SelectObject(dc_, previous_); }
  SelectionScope(const SelectionScope&) = delete;
  SelectionScope& operator=(const SelectionScope&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A 32-bit top-down DIB section selected into its own memory DC: GDI draws
// into it and its pixels are TPixel words, so a TBitmap goes in and out of it
// with plain copies.
class DibSection {
 public:
  DibSection(int width, int height);
  explicit DibSection(const TBitmap& picture);  // sized to and holding the picture
  ~DibSection();
  DibSection(const DibSection&) = delete;
  DibSection& operator=(const DibSection&) = delete;

  HDC Dc() const { return dc_.Get(); }
  HBITMAP Handle() const { return bitmap_.Get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }
  TPixel* Bits() const { return bits_; }  // rows top-down, width_ words each

  // Copies the picture in at (0, 0), clipped.  Flushes GDI first.
  void Load(const TBitmap& picture);
  // Resizes the picture to the section and copies the pixels out (the top
  // byte of each word, which GDI may set, is cleared).
  void Store(TBitmap& picture) const;
  // The same for one part of the picture: `area` of it goes to the section's
  // top-left corner and comes back from there; the rest of the section is
  // left alone.  Clipped to both.  Flushes GDI first.
  void LoadPart(const TBitmap& picture, const TRect& area);
  void StorePart(TBitmap& picture, const TRect& area) const;

 private:
  // The part of `area` both the picture and the section hold, at its place
  // in the picture.
  TRect PartOf(const TBitmap& picture, const TRect& area) const;

  int width_;
  int height_;
  MemoryDc dc_;
  UniqueBitmap bitmap_;
  TPixel* bits_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

// The GDI font of a description: its name, pixel height and style bits (the
// colour is the DC's business).  Made on first use and kept, with every other
// font made here, until the program ends, so the handle is never to be
// deleted by its user.  The fonts a program asks for are those of its forms
// and skins, a few dozen at most, so the cache is not bounded: dropping an
// entry would pull a font from under the native windows given it with
// WM_SETFONT.  When GDI makes no font, the answer is the stock GUI font
// (not cached, not owned).  For the UI thread only, like all drawing here.
HFONT FontFor(const TFont& font);
// A new font of the description, owned by the caller (null when GDI makes
// none); FontFor keeps what this makes.
UniqueFont MakeFont(const TFont& font);

// Paints the picture at (x, y) on a device context (a window's, when painting).
void DrawBitmap(HDC dc, int x, int y, const TBitmap& picture);
// Paints the part `area` of the picture at the same place on a device
// context, as DrawBitmap(dc, 0, 0, picture) clipped to `area` would: only
// those rows and columns are handed to GDI.  Clipped to the picture.
void DrawBitmapPart(HDC dc, const TRect& area, const TBitmap& picture);

// The region as one HRGN.  Up to maxRectsPerCall rectangles it is a single
// ExtCreateRegion call.  Larger regions are made in pieces of that many
// rectangles (consecutive bands), which are joined pairwise, neighbour with
// neighbour, by CombineRgn: ExtCreateRegion adds its rectangles one by one
// (time grows with the square of their number under wine, and old Windows
// refuses a few thousand), while joining two banded regions costs their size.
// Raises Error when the window system refuses a region.
inline constexpr size_t kRegionRectsPerCall = 32;
UniqueRegion CreateRegionHandle(const TRegion& region, size_t maxRectsPerCall = kRegionRectsPerCall);
// The pixels of an HRGN as a TRegion (through GetRegionData).
TRegion RegionFromHandle(HRGN region);

}  // namespace nuvex::gdi
