#include "toolkit/formats/JpegFile.h"

// libjpeg reports fatal errors through error_exit, which must not return.
// Throwing a C++ exception through libjpeg's C frames is undefined (they may
// have no unwind information), so error_exit longjmps back to a setjmp in one
// of the two "guarded" functions below.  Those functions, and everything
// between them and libjpeg, hold only plain C data: no destructor is ever
// skipped.  They report failure by their result, and DecodeJpeg, outside the
// guarded part, turns it into a JpegError.
#include <csetjmp>
#include <cstdio>
#include <cstring>

extern "C" {
#include <jerror.h>
#include <jpeglib.h>
}

#include "toolkit/formats/PictureFileBytes.h"

namespace nuvex {

namespace {

constexpr long kJpegMemoryLimit = 256L * 1024 * 1024;

struct ErrorManager {
  jpeg_error_mgr base;  // first, so that cinfo->err points at the whole record
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

extern "C" void ExitOnJpegError(j_common_ptr cinfo) {
  auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, manager->message);
  std::longjmp(manager->jump, 1);
}

// Warnings are ignored, except the end of the data before the picture is
// complete: libjpeg would fill the rest with grey and report success.
extern "C" void OnJpegMessage(j_common_ptr cinfo, int level) {
  if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) ExitOnJpegError(cinfo);
}

// Guarded: reads the header and fixes the output form.  False on a libjpeg error.
bool GuardedReadHeader(jpeg_decompress_struct* cinfo, ErrorManager* errors,
                       const unsigned char* data, unsigned long size) {
  if (setjmp(errors->jump)) return false;
  jpeg_create_decompress(cinfo);
  cinfo->mem->max_memory_to_use = kJpegMemoryLimit;
  jpeg_mem_src(cinfo, data, size);
  jpeg_read_header(cinfo, TRUE);
  // libjpeg turns YCCK into CMYK but neither into RGB; GuardedDecode does that.
  const bool fourColours = cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK;
  cinfo->out_color_space = fourColours ? JCS_CMYK : JCS_RGB;
  jpeg_calc_output_dimensions(cinfo);
  return true;
}

// One channel of a CMYK pixel as light: Adobe's writers store the inks
// inverted (255 is no ink), others as they are.
inline unsigned Light(unsigned ink, unsigned black, bool inverted) {
  if (!inverted) {
    ink = 255 - ink;
    black = 255 - black;
  }
  return (ink * black + 127) / 255;
}

// Guarded: decodes into pixels (width x height TPixel words, rows top-down);
// row is scratch space for one row of RGB or CMYK bytes.  False on a libjpeg
// error.
bool GuardedDecode(jpeg_decompress_struct* cinfo, ErrorManager* errors, TPixel* pixels,
                   unsigned char* row) {
  if (setjmp(errors->jump)) return false;
  jpeg_start_decompress(cinfo);
  const JDIMENSION width = cinfo->output_width;
  while (cinfo->output_scanline < cinfo->output_height) {
    TPixel* out = pixels + static_cast<size_t>(cinfo->output_scanline) * width;
    JSAMPROW rows[1] = {row};
    if (jpeg_read_scanlines(cinfo, rows, 1) != 1) {
      ERREXIT(cinfo, JERR_INPUT_EMPTY);
    }
    if (cinfo->out_color_space == JCS_CMYK) {
      const bool inverted = cinfo->saw_Adobe_marker;
      for (JDIMENSION x = 0; x < width; ++x) {
        const unsigned char* p = row + 4 * x;
        out[x] = (TPixel{Light(p[0], p[3], inverted)} << 16) | (TPixel{Light(p[1], p[3], inverted)} << 8) |
                 Light(p[2], p[3], inverted);
      }
    } else {
      for (JDIMENSION x = 0; x < width; ++x) {
        out[x] = (TPixel{row[3 * x]} << 16) | (TPixel{row[3 * x + 1]} << 8) | row[3 * x + 2];
      }
    }
  }
  jpeg_finish_decompress(cinfo);
  return true;
}

// Owns the decompressor; destroying one that was never created is harmless
// because the record starts zeroed.
struct Decompressor {
  jpeg_decompress_struct cinfo;
  ErrorManager errors;
  Decompressor() {
    std::memset(&cinfo, 0, sizeof cinfo);
    std::memset(&errors, 0, sizeof errors);
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = ExitOnJpegError;
    errors.base.emit_message = OnJpegMessage;
  }
  ~Decompressor() { jpeg_destroy_decompress(&cinfo); }
  Decompressor(const Decompressor&) = delete;
  Decompressor& operator=(const Decompressor&) = delete;
};

}  // namespace

TBitmap DecodeJpeg(std::span<const uint8_t> data) {
  if (data.empty()) throw JpegError("the data is empty");
  Decompressor d;
  if (!GuardedReadHeader(&d.cinfo, &d.errors, data.data(), static_cast<unsigned long>(data.size()))) {
    throw JpegError(d.errors.message);
  }
  const JDIMENSION width = d.cinfo.output_width;
  const JDIMENSION height = d.cinfo.output_height;
  if (width == 0 || height == 0 || width > static_cast<JDIMENSION>(kMaxBitmapSide) ||
      height > static_cast<JDIMENSION>(kMaxBitmapSide) ||
      int64_t{width} * height > kMaxBitmapPixels) {
    throw JpegError("the picture size " + std::to_string(width) + " x " + std::to_string(height) +
                    " is too large");
  }
  const int components = d.cinfo.output_components;
  if (components != (d.cinfo.out_color_space == JCS_CMYK ? 4 : 3)) {
    throw JpegError("unexpected colour layout");
  }
  TBitmap bitmap(static_cast<int>(width), static_cast<int>(height), pf24bit);
  std::vector<unsigned char> row(static_cast<size_t>(width) * components);
  if (!GuardedDecode(&d.cinfo, &d.errors, bitmap.Bits(), row.data())) {
    throw JpegError(d.errors.message);
  }
  return bitmap;
}

TBitmap ReadJpegFile(const std::string& path) {
  const std::vector<uint8_t> bytes =
      ReadPictureFile(path, 256u * 1024 * 1024, [](const std::string& reason) { throw JpegError(reason); });
  return DecodeJpeg(bytes);
}

}  // namespace nuvex
