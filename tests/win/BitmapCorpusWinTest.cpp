// Our bitmap reader against the system's loader (LoadImageA with
// LR_LOADFROMFILE | LR_CREATEDIBSECTION, read back with GetDIBits) over the
// corpus that tests/data/graphics/make-bitmap-corpus.py writes beside this
// program: every file must come out with the same size, pixel depth and
// pixels, or be refused by both, unless it is one of the kinds listed in
// KnownDifference, where wine's loader is known to go wrong.  Where only the
// loader goes wrong and the system's DIB functions read the file right, the
// file is compared with what SetDIBitsToDevice paints of it instead.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "toolkit/formats/BitmapFile.h"

namespace nuvex {
namespace {

std::string CorpusFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  folder.resize(folder.find_last_of('\\') + 1);
  return folder + "bitmap-corpus\\";
}

std::vector<std::string> CorpusFiles(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "*.bmp").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    names.push_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<uint8_t> Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Picture {
  bool read = false;
  int width = 0;
  int height = 0;
  int bits = 0;
  std::vector<uint32_t> pixels;  // 0x00RRGGBB, rows top-down
};

// The header of a 32-bit top-down picture, the form both readings compare in.
BITMAPINFO TopDown32(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  return info;
}

Picture PlatformPicture(const std::string& path) {
  Picture p;
  HBITMAP bitmap = static_cast<HBITMAP>(
      LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  if (!bitmap) return p;
  DIBSECTION section{};
  if (GetObjectA(bitmap, sizeof section, &section) == sizeof section) {
    p.read = true;
    p.width = section.dsBm.bmWidth;
    p.height = section.dsBm.bmHeight;
    p.bits = section.dsBm.bmBitsPixel;
    BITMAPINFO info = TopDown32(p.width, p.height);
    p.pixels.assign(static_cast<size_t>(p.width) * p.height, 0);
    HDC screen = GetDC(nullptr);
    const int lines = GetDIBits(screen, bitmap, 0, p.height, p.pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (lines != p.height) p.read = false;
    for (uint32_t& px : p.pixels) px &= 0xFFFFFF;
  }
  DeleteObject(bitmap);
  return p;
}

// The file's own header, colour table and pixels painted by
// SetDIBitsToDevice into a 32-bit top-down DIB section; only for files that
// hold all their bytes.
Picture GdiPicture(const std::vector<uint8_t>& bytes, int bits) {
  Picture p;
  const auto* info = reinterpret_cast<const BITMAPINFO*>(bytes.data() + 14);
  if (info->bmiHeader.biSize == sizeof(BITMAPCOREHEADER)) {
    const auto* core = reinterpret_cast<const BITMAPCOREHEADER*>(info);
    p.width = core->bcWidth;
    p.height = core->bcHeight;
  } else {
    p.width = info->bmiHeader.biWidth;
    p.height = std::abs(info->bmiHeader.biHeight);
  }
  p.bits = bits;
  BITMAPINFO target = TopDown32(p.width, p.height);
  HDC dc = CreateCompatibleDC(nullptr);
  void* pixels = nullptr;
  HBITMAP section = CreateDIBSection(dc, &target, DIB_RGB_COLORS, &pixels, nullptr, 0);
  if (section) {
    HGDIOBJ old = SelectObject(dc, section);
    const uint32_t offset = bytes[10] | bytes[11] << 8 | bytes[12] << 16 | uint32_t{bytes[13]} << 24;
    p.read = SetDIBitsToDevice(dc, 0, 0, p.width, p.height, 0, 0, 0, p.height, bytes.data() + offset, info,
                               DIB_RGB_COLORS) == p.height;
    GdiFlush();
    const auto* first = static_cast<const uint32_t*>(pixels);
    p.pixels.assign(first, first + static_cast<size_t>(p.width) * p.height);
    for (uint32_t& px : p.pixels) px &= 0xFFFFFF;
    SelectObject(dc, old);
    DeleteObject(section);
  }
  DeleteDC(dc);
  return p;
}

Picture OurPicture(const std::vector<uint8_t>& bytes, std::string& error) {
  Picture p;
  try {
    const TBitmap b = DecodeBitmapFile(bytes);
    p.read = true;
    p.width = b.Width();
    p.height = b.Height();
    p.bits = BitsPerPixel(b.PixelFormat());
    p.pixels.assign(b.Bits(), b.Bits() + static_cast<size_t>(p.width) * p.height);
  } catch (const BitmapFormatError& e) {
    error = e.what();
  }
  return p;
}

// Where wine's loader is known to differ from Windows, or where we refuse on
// purpose what wine turns into a picture: what our reader must do instead.
enum class Expect { Compare, CompareWithGdi, OursReads, OursRefuses };
struct Difference {
  Expect expect = Expect::Compare;
  bool skipPlatform = false;  // the file would crash wine's loader
  const char* why = "";
};

bool Has(const std::string& name, const char* part) { return name.find(part) != std::string::npos; }

Difference KnownDifference(const std::string& name, const std::vector<uint8_t>& bytes) {
  const int headerSize = bytes.size() >= 26 ? bytes[14] | bytes[15] << 8 : 0;
  const bool core = headerSize == 12;
  const int coreBits = core ? bytes[24] : 0;
  const bool infoHeader = headerSize == 40 || headerSize == 108 || headerSize == 124;
  if (infoHeader && Has(name, "top-down") && !Has(name, "rle")) {
    return {Expect::CompareWithGdi, false, "wine's loader leaves a top-down picture blank; Windows reads it"};
  }
  if (name == "huge.bmp") {
    return {Expect::OursRefuses, true, "wine's loader reads far past the end of the file and faults"};
  }
  if (name.rfind("cut-in-", 0) == 0 || name == "table-cut-short.bmp" || name == "core-cut-table.bmp" ||
      name == "offset-in-table.bmp") {
    return {Expect::OursRefuses, false,
            "wine reads past the end of the file (the zeros of the rest of its page); the bytes are not there"};
  }
  if (core && (coreBits == 1 || coreBits == 4 || coreBits == 8)) {
    return {Expect::CompareWithGdi, false,
            "wine builds the colour table of a core-header picture from 4-byte entries and maps the "
            "pixels to the nearest of those; Windows reads the 3-byte entries"};
  }
  if (Has(name, "alpha-fields") || Has(name, "-on-") || name == "info-24-fields.bmp" ||
      name == "info-8-fields.bmp" || name == "compression-7.bmp" || name == "info-rle8-top-down.bmp") {
    return {Expect::OursRefuses, false,
            "wine makes the picture but cannot set its pixels and leaves it blank; Windows does not read "
            "alpha bit fields, run-length data at another depth or top-down, or unknown compressions"};
  }
  if (Has(name, "fields-scattered")) {
    return {Expect::OursRefuses, false, "a colour mask must be one run of bits"};
  }
  if (Has(name, "size-image-small") || Has(name, "size-image-zero")) {
    return {Expect::OursReads, false,
            "wine leaves a compressed picture blank when the header's image size is below the data's "
            "length; we read the data the file holds"};
  }
  return {};
}

// 16-bit pictures: wine widens a channel of a 16-bit picture from its top
// five bits (reading a shorter field together with the bit above it), we
// repeat the field's own bits; the top five bits of every channel agree.
bool SamePixels(const Picture& a, const Picture& b) {
  if (a.pixels.size() != b.pixels.size()) return false;
  const uint32_t mask = a.bits == 16 ? 0xF8F8F8 : 0xFFFFFF;
  for (size_t i = 0; i < a.pixels.size(); ++i) {
    if ((a.pixels[i] & mask) != (b.pixels[i] & mask)) return false;
  }
  return true;
}

std::string Describe(const Picture& p) {
  if (!p.read) return "refused";
  return std::to_string(p.width) + " x " + std::to_string(p.height) + " at " + std::to_string(p.bits) + " bits";
}

TEST(BitmapCorpusWin, OurReaderAgreesWithTheSystemLoader) {
  const std::string folder = CorpusFolder();
  const std::vector<std::string> names = CorpusFiles(folder);
  ASSERT_GE(names.size(), 200u) << "the bitmap corpus is missing from " << folder;
  int agree = 0, bothRead = 0, withGdi = 0, known = 0;
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    const std::vector<uint8_t> bytes = Bytes(folder + name);
    std::string error;
    const Picture ours = OurPicture(bytes, error);
    const Difference difference = KnownDifference(name, bytes);
    const Picture platform = difference.skipPlatform ? Picture{} : PlatformPicture(folder + name);
    const bool same = ours.read == platform.read &&
                      (!ours.read || (ours.width == platform.width && ours.height == platform.height &&
                                      ours.bits == platform.bits && SamePixels(ours, platform)));
    if (difference.expect == Expect::Compare) {
      EXPECT_TRUE(same) << "ours: " << Describe(ours) << " " << error << "; the system: " << Describe(platform);
    } else if (difference.expect == Expect::CompareWithGdi) {
      ASSERT_TRUE(ours.read) << difference.why << "; ours: " << error;
      const Picture gdi = GdiPicture(bytes, ours.bits);
      EXPECT_TRUE(gdi.read && gdi.width == ours.width && gdi.height == ours.height && SamePixels(ours, gdi))
          << difference.why << "; SetDIBitsToDevice paints it otherwise: " << Describe(gdi);
      if (!same) {
        ++withGdi;
        continue;
      }
    } else {
      EXPECT_EQ(ours.read, difference.expect == Expect::OursReads) << difference.why << "; ours: " << error;
      if (!same) ++known;
    }
    if (same) {
      ++agree;
      if (ours.read) ++bothRead;
    }
  }
  std::printf("bitmap corpus: %d of %zu files agree with the system's loader (%d read by both, the rest "
              "refused by both); %d more, which wine's loader gets wrong, agree with SetDIBitsToDevice; "
              "%d differ where wine's loader is known to go wrong or is not followed\n",
              agree, names.size(), bothRead, withGdi, known);
}

}  // namespace
}  // namespace nuvex
