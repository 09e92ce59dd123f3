#pragma once
// TBitmap: a picture in memory.  Whatever its pixel format, the pixels are
// held as TPixel words (0x00RRGGBB), rows top-down, so every operation works
// on one form.  The pixel format says how the picture is written to a file
// and is kept as a property of the picture; it does not reduce the colours
// held in memory.
//
// Resizing keeps the pixels of the part that both sizes share and fills new
// pixels with the canvas's brush colour (white by default).
//
// A bitmap may be marked transparent: drawing it with TCanvas::Draw or
// StretchDraw then leaves the target unchanged where the bitmap holds its
// transparent colour.  That colour is fixed once set; until then it is the
// colour of the bottom-left pixel.
#include <cstdint>
#include <utility>
#include <vector>

#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Color.h"
#include "toolkit/graphics/Geometry.h"

namespace nuvex {

enum TPixelFormat : uint8_t { pf1bit, pf4bit, pf8bit, pf16bit, pf24bit, pf32bit };
int BitsPerPixel(TPixelFormat format);
// The format of a bit count (1, 4, 8, 16, 24, 32); any other count raises Error.
TPixelFormat PixelFormatOfBits(int bits);

enum TTransparentMode : uint8_t { tmAuto, tmFixed };

// The largest side a bitmap may have; anything larger raises Error instead of
// asking for gigabytes.
inline constexpr int kMaxBitmapSide = 32768;
inline constexpr int64_t kMaxBitmapPixels = int64_t{1} << 25;  // 128 MB of pixels

class TBitmap {
 public:
  TBitmap();
  TBitmap(int width, int height, TPixelFormat format = pf24bit);
  // Copies the picture and its settings (format, transparency, colour table);
  // the copy's canvas starts with the default brush, pen and font.
  TBitmap(const TBitmap& other);
  TBitmap& operator=(const TBitmap& other);
  TBitmap(TBitmap&& other) noexcept;
  TBitmap& operator=(TBitmap&& other) noexcept;
  ~TBitmap();

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  TRect ClientRect() const { return {0, 0, width_, height_}; }
  // Negative sizes are taken as 0; sizes above the limits raise Error.
  void SetWidth(int width);
  void SetHeight(int height);
  void SetSize(int width, int height);

  TPixelFormat PixelFormat() const { return format_; }
  void SetPixelFormat(TPixelFormat format) { format_ = format; }

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value) { transparent_ = value; }
  TTransparentMode TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(TTransparentMode mode) { transparentMode_ = mode; }
  // tmFixed: the colour set; tmAuto: the bottom-left pixel (clBlack for an empty picture).
  TColor TransparentColor() const;
  // Sets the colour and switches to tmFixed.
  void SetTransparentColor(TColor color);

  // The colour table read from a file of 8 bits or fewer; the writer uses it
  // first.  RGB values; empty for other pictures.
  const std::vector<TColor>& Palette() const { return palette_; }
  void SetPalette(std::vector<TColor> palette) { palette_ = std::move(palette); }

  // Direct pixel access, rows top-down.  Valid until the next resize.
  TPixel* ScanLine(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
  const TPixel* ScanLine(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
  TPixel* Bits() { return pixels_.data(); }
  const TPixel* Bits() const { return pixels_.data(); }

  TCanvas& Canvas() { return canvas_; }

  // Width 0, height 0, no colour table; the format and transparency stay.
  void Clear();

 private:
  void Resize(int width, int height);

  int width_ = 0;
  int height_ = 0;
  TPixelFormat format_ = pf24bit;
  bool transparent_ = false;
  TTransparentMode transparentMode_ = tmAuto;
  TColor transparentColor_ = clBlack;
  std::vector<TColor> palette_;
  std::vector<TPixel> pixels_;
  TCanvas canvas_;
};

}  // namespace nuvex
