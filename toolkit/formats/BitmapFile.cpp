#include "toolkit/formats/BitmapFile.h"

#include <algorithm>
#include <unordered_map>

#include "platform/Files.h"
#include "toolkit/formats/BitmapRle.h"
#include "toolkit/formats/PictureFileBytes.h"

namespace nuvex {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiRle8 = 1;
constexpr uint32_t kBiRle4 = 2;
constexpr uint32_t kBiBitfields = 3;

uint16_t Get16(std::span<const uint8_t> d, size_t at) {
  return static_cast<uint16_t>(d[at] | (d[at + 1] << 8));
}
uint32_t Get32(std::span<const uint8_t> d, size_t at) {
  return static_cast<uint32_t>(d[at]) | (static_cast<uint32_t>(d[at + 1]) << 8) |
         (static_cast<uint32_t>(d[at + 2]) << 16) | (static_cast<uint32_t>(d[at + 3]) << 24);
}

std::string CompressionName(uint32_t compression) {
  switch (compression) {
    case 4: return "embedded JPEG";
    case 5: return "embedded PNG";
    case 6: return "alpha bit fields";
  }
  return "compression type " + std::to_string(compression);
}

// One colour channel held in a bit mask, widened to 8 bits by repeating its
// bits (a 5-bit 31 becomes 255), or cut to its top 8 bits.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  int bits = 0;

  static Channel Of(uint32_t mask) {
    Channel c;
    c.mask = mask;
    if (mask == 0) return c;
    while (!((mask >> c.shift) & 1)) ++c.shift;
    uint32_t m = mask >> c.shift;
    while (m & 1) {
      ++c.bits;
      m >>= 1;
    }
    if (m != 0) throw BitmapFormatError("a colour mask of scattered bits");
    return c;
  }
  uint32_t Get(uint32_t word) const {
    if (bits == 0) return 0;
    uint32_t v = (word & mask) >> shift;
    if (bits >= 8) return v >> (bits - 8);
    uint32_t out = 0;
    for (int filled = 0; filled < 8; filled += bits) out = (out << bits) | v;
    return (out >> ((((8 + bits - 1) / bits) * bits) - 8)) & 0xFF;
  }
};

// What the header of a packed DIB says, in one form for the core header of
// 12 bytes (16-bit sizes, 3-byte colour table entries) and the info header
// of 40 bytes with its longer forms.
struct DibHeader {
  uint32_t size = 0;
  int32_t width = 0;
  int32_t rawHeight = 0;
  uint16_t planes = 0;
  uint16_t bits = 0;
  uint32_t compression = kBiRgb;
  uint32_t colorsUsed = 0;
  size_t tableEntry = 4;
};

DibHeader ReadDibHeader(std::span<const uint8_t> dib) {
  if (dib.size() < 4) throw BitmapFormatError("the file is too short for its header");
  DibHeader h;
  h.size = Get32(dib, 0);
  // The system reads the core header, the info header and its two longer
  // forms of 108 and 124 bytes (colour spaces and profiles ignored), and no
  // other size: not the 52- and 56-byte forms, not the 64-byte header of
  // later OS/2 versions.
  if (h.size != 12 && h.size != 40 && h.size != 108 && h.size != 124) {
    throw BitmapFormatError("unknown header size " + std::to_string(h.size));
  }
  if (dib.size() < h.size) throw BitmapFormatError("the header is cut short");
  if (h.size == 12) {
    h.width = Get16(dib, 4);
    h.rawHeight = Get16(dib, 6);
    h.planes = Get16(dib, 8);
    h.bits = Get16(dib, 10);
    h.tableEntry = 3;
  } else {
    h.width = static_cast<int32_t>(Get32(dib, 4));
    h.rawHeight = static_cast<int32_t>(Get32(dib, 8));
    h.planes = Get16(dib, 12);
    h.bits = Get16(dib, 14);
    h.compression = Get32(dib, 16);
    h.colorsUsed = Get32(dib, 32);
  }
  return h;
}

void CheckDepthAndCompression(const DibHeader& h, bool topDown) {
  const uint32_t c = h.compression;
  const uint16_t bits = h.bits;
  if (c == kBiRgb) {
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
      throw BitmapFormatError(std::to_string(bits) + " bits per pixel is not supported");
    }
  } else if (c == kBiRle8 || c == kBiRle4) {
    const uint16_t wanted = c == kBiRle8 ? 8 : 4;
    if (bits != wanted) {
      throw BitmapFormatError(std::string(c == kBiRle8 ? "RLE8" : "RLE4") + " compression with " +
                              std::to_string(bits) + " bits per pixel");
    }
    if (topDown) throw BitmapFormatError("a compressed picture cannot be stored top-down");
  } else if (c == kBiBitfields) {
    if (bits != 16 && bits != 32) {
      throw BitmapFormatError("bit fields with " + std::to_string(bits) + " bits per pixel");
    }
  } else {
    throw BitmapFormatError(CompressionName(c) + " is not supported");
  }
}

// Decodes a packed DIB whose pixels start pixelOffset bytes into dib (or, with
// pixelOffset 0, right after the colour table).
TBitmap DecodeDib(std::span<const uint8_t> dib, size_t pixelOffset) {
  const DibHeader h = ReadDibHeader(dib);
  const int32_t width = h.width;
  const int32_t rawHeight = h.rawHeight;
  const uint16_t bits = h.bits;
  const uint32_t compression = h.compression;

  if (h.planes != 1) throw BitmapFormatError(std::to_string(h.planes) + " colour planes");
  if (width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN) {
    throw BitmapFormatError("the size " + std::to_string(width) + " x " +
                            std::to_string(rawHeight) + " is not a picture");
  }
  const bool topDown = rawHeight < 0;
  const int32_t height = topDown ? -rawHeight : rawHeight;
  if (width > kMaxBitmapSide || height > kMaxBitmapSide ||
      int64_t{width} * height > kMaxBitmapPixels) {
    throw BitmapFormatError("the size " + std::to_string(width) + " x " + std::to_string(height) +
                            " is too large");
  }
  CheckDepthAndCompression(h, topDown);

  // Colour masks: after a plain info header, or inside the longer headers.
  size_t tableAt = h.size;
  Channel red, green, blue;
  if (compression == kBiBitfields) {
    size_t masksAt = 40;
    if (h.size == 40) {
      if (dib.size() < 52) throw BitmapFormatError("the colour masks are cut short");
      tableAt = 52;
    }
    red = Channel::Of(Get32(dib, masksAt));
    green = Channel::Of(Get32(dib, masksAt + 4));
    blue = Channel::Of(Get32(dib, masksAt + 8));
  } else if (bits == 16) {
    red = Channel::Of(0x7C00);
    green = Channel::Of(0x03E0);
    blue = Channel::Of(0x001F);
  } else if (bits == 32) {
    red = Channel::Of(0xFF0000);
    green = Channel::Of(0xFF00);
    blue = Channel::Of(0xFF);
  }

  std::vector<TColor> palette;
  size_t tableEnd = tableAt;
  if (bits <= 8) {
    const uint32_t maxColors = 1u << bits;
    const uint32_t count = (h.colorsUsed == 0 || h.colorsUsed > maxColors) ? maxColors : h.colorsUsed;
    tableEnd = tableAt + size_t{count} * h.tableEntry;
    if (dib.size() < tableEnd) throw BitmapFormatError("the colour table is cut short");
    palette.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
      const size_t at = tableAt + size_t{i} * h.tableEntry;
      palette.push_back(MakeColor(dib[at + 2], dib[at + 1], dib[at]));
    }
  }

  // An offset of 0, or one past the end of the file, means the pixels follow
  // the colour table, as the system reads such files.  Any other offset is
  // taken as it stands, even one inside the header or the colour table (some
  // writers let the pixels begin over an unused end of the table).
  if (pixelOffset == 0 || pixelOffset > dib.size()) pixelOffset = tableEnd;

  TBitmap bitmap;
  bitmap.SetPixelFormat(PixelFormatOfBits(bits));
  std::vector<TPixel> table;
  table.reserve(palette.size());
  for (TColor c : palette) table.push_back(RgbToPixel(c));

  if (compression == kBiRle8 || compression == kBiRle4) {
    // The compressed data runs to the end of the file; its length in the
    // header is not needed to read it and is often wrong.
    bitmap.SetSize(width, height);
    DecodeRlePixels(dib.subspan(pixelOffset), bits, table, bitmap);
    bitmap.SetPalette(std::move(palette));
    return bitmap;
  }

  const size_t rowBytes = (size_t{static_cast<uint32_t>(width)} * bits + 7) / 8;
  const size_t stride = ((size_t{static_cast<uint32_t>(width)} * bits + 31) / 32) * 4;
  // The last row may come without its padding.
  const size_t needed = stride * (static_cast<size_t>(height) - 1) + rowBytes;
  if (dib.size() - pixelOffset < needed) {
    throw BitmapFormatError("the pixel data is cut short (" + std::to_string(needed) +
                            " bytes needed)");
  }
  bitmap.SetSize(width, height);

  for (int32_t row = 0; row < height; ++row) {
    const uint8_t* in = dib.data() + pixelOffset + stride * static_cast<size_t>(row);
    TPixel* out = bitmap.ScanLine(topDown ? row : height - 1 - row);
    switch (bits) {
      case 1:
      case 4:
      case 8: {
        const int perByte = 8 / bits;
        const uint32_t mask = (1u << bits) - 1;
        for (int32_t x = 0; x < width; ++x) {
          const int shift = 8 - bits * (1 + x % perByte);
          const uint32_t index = (in[x / perByte] >> shift) & mask;
          out[x] = index < table.size() ? table[index] : 0;  // outside the table: black
        }
        break;
      }
      case 16:
        for (int32_t x = 0; x < width; ++x) {
          const uint32_t w = in[2 * x] | (in[2 * x + 1] << 8);
          out[x] = (red.Get(w) << 16) | (green.Get(w) << 8) | blue.Get(w);
        }
        break;
      case 24:
        for (int32_t x = 0; x < width; ++x) {
          out[x] = (uint32_t{in[3 * x + 2]} << 16) | (uint32_t{in[3 * x + 1]} << 8) | in[3 * x];
        }
        break;
      case 32:
        for (int32_t x = 0; x < width; ++x) {
          const uint32_t w = in[4 * x] | (in[4 * x + 1] << 8) | (in[4 * x + 2] << 16) |
                             (uint32_t{in[4 * x + 3]} << 24);
          out[x] = (red.Get(w) << 16) | (green.Get(w) << 8) | blue.Get(w);
        }
        break;
    }
  }
  bitmap.SetPalette(std::move(palette));
  return bitmap;
}

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

TBitmap DecodeBitmapFile(std::span<const uint8_t> data) {
  if (data.size() < 2 || data[0] != 'B' || data[1] != 'M') {
    throw BitmapFormatError("the file does not start with \"BM\"");
  }
  if (data.size() < kFileHeaderSize + 4) throw BitmapFormatError("the file is too short for its header");
  const uint32_t offset = Get32(data, 10);
  if (offset != 0 && offset <= kFileHeaderSize) {
    throw BitmapFormatError("the pixel data overlaps the file header");
  }
  return DecodeDib(data.subspan(kFileHeaderSize), offset == 0 ? 0 : offset - kFileHeaderSize);
}

TBitmap DecodePackedDib(std::span<const uint8_t> data) { return DecodeDib(data, 0); }

TBitmap ReadBitmapFile(const std::string& path) {
  // The largest picture holds 4 bytes per pixel, plus its headers.
  const std::vector<uint8_t> bytes = ReadPictureFile(
      path, static_cast<uint64_t>(kMaxBitmapPixels) * 4 + 65536,
      [](const std::string& reason) { throw BitmapFormatError(reason); });
  return DecodeBitmapFile(bytes);
}

std::vector<uint8_t> EncodeBitmapFile(const TBitmap& bitmap) {
  if (bitmap.Empty()) throw Error("An empty bitmap cannot be saved");
  const int bits = BitsPerPixel(bitmap.PixelFormat());
  const int width = bitmap.Width();
  const int height = bitmap.Height();

  std::vector<TPixel> table;
  std::unordered_map<TPixel, uint32_t> indexOf;
  if (bits <= 8) {
    const size_t maxColors = size_t{1} << bits;
    auto add = [&](TPixel p) {
      if (indexOf.count(p)) return true;
      if (table.size() == maxColors) return false;
      indexOf.emplace(p, static_cast<uint32_t>(table.size()));
      table.push_back(p);
      return true;
    };
    for (TColor c : bitmap.Palette()) {
      if (!add(RgbToPixel(c))) break;
    }
    for (int y = 0; y < height; ++y) {
      const TPixel* row = bitmap.ScanLine(y);
      for (int x = 0; x < width; ++x) {
        if (!add(row[x] & 0xFFFFFF)) {
          throw Error("The picture has more colours than a " + std::to_string(bits) +
                      "-bit bitmap can hold");
        }
      }
    }
  }

  const size_t stride = ((size_t(width) * bits + 31) / 32) * 4;
  const size_t pixelOffset = kFileHeaderSize + 40 + table.size() * 4;
  const size_t fileSize = pixelOffset + stride * height;
  std::vector<uint8_t> out;
  out.reserve(fileSize);
  out.push_back('B');
  out.push_back('M');
  Put32(out, static_cast<uint32_t>(fileSize));
  Put32(out, 0);
  Put32(out, static_cast<uint32_t>(pixelOffset));
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(width));
  Put32(out, static_cast<uint32_t>(height));
  Put16(out, 1);
  Put16(out, static_cast<uint32_t>(bits));
  Put32(out, kBiRgb);
  Put32(out, static_cast<uint32_t>(stride * height));
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, static_cast<uint32_t>(table.size()));
  Put32(out, 0);
  for (TPixel p : table) Put32(out, p);  // B, G, R, 0 in file order

  std::vector<uint8_t> row(stride);
  for (int y = height - 1; y >= 0; --y) {
    std::fill(row.begin(), row.end(), 0);
    const TPixel* in = bitmap.ScanLine(y);
    for (int x = 0; x < width; ++x) {
      const TPixel p = in[x] & 0xFFFFFF;
      switch (bits) {
        case 1:
        case 4:
        case 8: {
          const int perByte = 8 / bits;
          row[x / perByte] |= static_cast<uint8_t>(indexOf[p] << (8 - bits * (1 + x % perByte)));
          break;
        }
        case 16: {
          const uint32_t w = (((p >> 19) & 0x1F) << 10) | (((p >> 11) & 0x1F) << 5) | ((p >> 3) & 0x1F);
          row[2 * x] = static_cast<uint8_t>(w);
          row[2 * x + 1] = static_cast<uint8_t>(w >> 8);
          break;
        }
        case 24:
          row[3 * x] = static_cast<uint8_t>(p);
          row[3 * x + 1] = static_cast<uint8_t>(p >> 8);
          row[3 * x + 2] = static_cast<uint8_t>(p >> 16);
          break;
        case 32:
          row[4 * x] = static_cast<uint8_t>(p);
          row[4 * x + 1] = static_cast<uint8_t>(p >> 8);
          row[4 * x + 2] = static_cast<uint8_t>(p >> 16);
          break;
      }
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

void WriteBitmapFile(const std::string& path, const TBitmap& bitmap) {
  const std::vector<uint8_t> bytes = EncodeBitmapFile(bitmap);
  FileStream file = FileStream::Create(path);
  file.WriteBuffer(bytes.data(), bytes.size());
}

}  // namespace nuvex
