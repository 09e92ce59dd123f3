#include "toolkit/graphics/Bitmap.h"

#include <algorithm>
#include <string>

#include "base/Error.h"

namespace nuvex {

int BitsPerPixel(TPixelFormat format) {
  switch (format) {
    case pf1bit: return 1;
    case pf4bit: return 4;
    case pf8bit: return 8;
    case pf16bit: return 16;
    case pf24bit: return 24;
    case pf32bit: return 32;
  }
  return 24;
}

TPixelFormat PixelFormatOfBits(int bits) {
  switch (bits) {
    case 1: return pf1bit;
    case 4: return pf4bit;
    case 8: return pf8bit;
    case 16: return pf16bit;
    case 24: return pf24bit;
    case 32: return pf32bit;
  }
  throw Error("Unsupported pixel format: " + std::to_string(bits) + " bits per pixel");
}

TBitmap::TBitmap() : canvas_(*this) {}

TBitmap::TBitmap(int width, int height, TPixelFormat format) : format_(format), canvas_(*this) {
  SetSize(width, height);
}

TBitmap::TBitmap(const TBitmap& other)
    : width_(other.width_),
      height_(other.height_),
      format_(other.format_),
      transparent_(other.transparent_),
      transparentMode_(other.transparentMode_),
      transparentColor_(other.transparentColor_),
      palette_(other.palette_),
      pixels_(other.pixels_),
      canvas_(*this) {}

TBitmap& TBitmap::operator=(const TBitmap& other) {
  if (this != &other) {
    width_ = other.width_;
    height_ = other.height_;
    format_ = other.format_;
    transparent_ = other.transparent_;
    transparentMode_ = other.transparentMode_;
    transparentColor_ = other.transparentColor_;
    palette_ = other.palette_;
    pixels_ = other.pixels_;
  }
  return *this;
}

TBitmap::TBitmap(TBitmap&& other) noexcept
    : width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      format_(other.format_),
      transparent_(other.transparent_),
      transparentMode_(other.transparentMode_),
      transparentColor_(other.transparentColor_),
      palette_(std::move(other.palette_)),
      pixels_(std::move(other.pixels_)),
      canvas_(*this) {
  other.pixels_.clear();
  other.palette_.clear();
}

TBitmap& TBitmap::operator=(TBitmap&& other) noexcept {
  if (this != &other) {
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    format_ = other.format_;
    transparent_ = other.transparent_;
    transparentMode_ = other.transparentMode_;
    transparentColor_ = other.transparentColor_;
    palette_ = std::move(other.palette_);
    pixels_ = std::move(other.pixels_);
    other.pixels_.clear();
    other.palette_.clear();
  }
  return *this;
}

TBitmap::~TBitmap() = default;

void TBitmap::SetWidth(int width) { Resize(width, height_); }
void TBitmap::SetHeight(int height) { Resize(width_, height); }
void TBitmap::SetSize(int width, int height) { Resize(width, height); }

void TBitmap::Clear() {
  width_ = 0;
  height_ = 0;
  pixels_.clear();
  pixels_.shrink_to_fit();
  palette_.clear();
}

void TBitmap::Resize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  if (width > kMaxBitmapSide || height > kMaxBitmapSide ||
      int64_t{width} * height > kMaxBitmapPixels) {
    throw Error("Bitmap size " + std::to_string(width) + " x " + std::to_string(height) +
                " is too large");
  }
  // New pixels take the brush colour; the shared part keeps its pixels.
  const TPixel fill = ColorToPixel(canvas_.Brush.Color);
  std::vector<TPixel> pixels(static_cast<size_t>(width) * height, fill);
  const int keepWidth = std::min(width, width_);
  const int keepHeight = std::min(height, height_);
  for (int y = 0; y < keepHeight; ++y) {
    std::copy_n(pixels_.data() + static_cast<size_t>(y) * width_, keepWidth,
                pixels.data() + static_cast<size_t>(y) * width);
  }
  pixels_ = std::move(pixels);
  width_ = width;
  height_ = height;
}

TColor TBitmap::TransparentColor() const {
  if (transparentMode_ == tmFixed) return transparentColor_;
  if (Empty()) return clBlack;
  return PixelToColor(ScanLine(height_ - 1)[0]);
}

void TBitmap::SetTransparentColor(TColor color) {
  transparentColor_ = color;
  transparentMode_ = tmFixed;
}

}  // namespace nuvex
