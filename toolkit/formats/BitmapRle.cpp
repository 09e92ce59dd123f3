#include "toolkit/formats/BitmapRle.h"

#include <algorithm>

namespace nuvex {

namespace {

// Writes pixels along the current row, cut at the picture's edges; a
// segment of them becomes final at the next end of line, delta or end of
// bitmap (Commit), and is taken back if the data ends first (Drop).
class RleCursor {
 public:
  RleCursor(TBitmap& bitmap, std::span<const TPixel> table)
      : bitmap_(bitmap), table_(table), width_(bitmap.Width()), height_(bitmap.Height()),
        skipped_(table.empty() ? 0 : table[0]) {
    std::fill(bitmap.Bits(), bitmap.Bits() + static_cast<size_t>(width_) * height_, skipped_);
  }

  bool Inside() const { return y_ < height_; }

  // count pixels of the indices first, second, first, ... (one index: all alike).
  void Run(int64_t count, uint32_t first, uint32_t second) {
    if (x_ < width_ && Inside()) {
      TPixel* row = bitmap_.ScanLine(height_ - 1 - static_cast<int>(y_));
      const int64_t end = std::min<int64_t>(x_ + count, width_);
      const TPixel a = Colour(first);
      const TPixel b = Colour(second);
      if (a == b) {
        std::fill(row + x_, row + std::max(end, x_), a);
      } else {
        for (int64_t x = x_; x < end; ++x) row[x] = ((x - x_) & 1) ? b : a;
      }
    }
    x_ += count;
  }

  void Put(uint32_t index) {
    if (x_ < width_ && Inside()) bitmap_.ScanLine(height_ - 1 - static_cast<int>(y_))[x_] = Colour(index);
    ++x_;
  }

  void Commit() { segmentStart_ = x_; }

  void Drop() {
    if (!Inside()) return;
    TPixel* row = bitmap_.ScanLine(height_ - 1 - static_cast<int>(y_));
    const int64_t end = std::min<int64_t>(x_, width_);
    for (int64_t x = std::min<int64_t>(segmentStart_, width_); x < end; ++x) row[x] = skipped_;
  }

  void NextLine() {
    x_ = 0;
    ++y_;
    segmentStart_ = 0;
  }

  void Move(int dx, int dy) {
    x_ += dx;
    y_ += dy;
    segmentStart_ = x_;
  }

 private:
  TPixel Colour(uint32_t index) const { return index < table_.size() ? table_[index] : 0; }

  TBitmap& bitmap_;
  std::span<const TPixel> table_;
  const int64_t width_;
  const int64_t height_;
  const TPixel skipped_;
  int64_t x_ = 0;  // may run past the row; the data's length bounds it
  int64_t y_ = 0;  // rows counted from the bottom
  int64_t segmentStart_ = 0;
};

}  // namespace

void DecodeRlePixels(std::span<const uint8_t> data, int bits, std::span<const TPixel> table,
                     TBitmap& bitmap) {
  RleCursor cursor(bitmap, table);
  size_t at = 0;
  while (cursor.Inside()) {
    if (data.size() - at < 2) return cursor.Drop();
    const uint8_t count = data[at];
    const uint8_t value = data[at + 1];
    at += 2;
    if (count != 0) {
      if (bits == 8) {
        cursor.Run(count, value, value);
      } else {
        cursor.Run(count, value >> 4, value & 0x0F);
      }
      continue;
    }
    switch (value) {
      case 0:  // end of line
        cursor.Commit();
        cursor.NextLine();
        break;
      case 1:  // end of bitmap
        cursor.Commit();
        return;
      case 2:  // delta: right and up
        cursor.Commit();
        if (data.size() - at < 2) return;
        cursor.Move(data[at], data[at + 1]);
        at += 2;
        break;
      default: {  // an absolute run of value pixels, padded to a 16-bit word
        const size_t bytes = bits == 8 ? value : (value + 1u) / 2;
        if (data.size() - at < bytes) return cursor.Drop();
        for (unsigned i = 0; i < value; ++i) {
          const uint8_t byte = data[at + (bits == 8 ? i : i / 2)];
          cursor.Put(bits == 8 ? byte : (i % 2 ? byte & 0x0F : byte >> 4));
        }
        at += bytes + (bytes & 1);
        at = std::min(at, data.size());
        break;
      }
    }
  }
}

}  // namespace nuvex
