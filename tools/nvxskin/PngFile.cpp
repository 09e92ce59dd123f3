#include "tools/nvxskin/PngFile.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "base/Error.h"

namespace nvxskin {

using namespace nuvex;

namespace {

struct FileCloser {
  void operator()(FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<FILE, FileCloser>;

[[noreturn]] void OnPngError(png_structp png, png_const_charp message) {
  *static_cast<std::string*>(png_get_error_ptr(png)) = message;
  png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

}  // namespace

void WritePngFile(const std::string& path, const TBitmap& bitmap) {
  File file(std::fopen(path.c_str(), "wb"));
  if (!file) throw Error("Cannot create file " + path);
  std::vector<png_byte> rows(static_cast<size_t>(bitmap.Width()) * 3 * bitmap.Height());
  std::vector<png_bytep> rowPointers(bitmap.Height());
  for (int y = 0; y < bitmap.Height(); ++y) {
    png_bytep row = rows.data() + static_cast<size_t>(y) * bitmap.Width() * 3;
    rowPointers[y] = row;
    const TPixel* pixels = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x) {
      row[3 * x] = static_cast<png_byte>(pixels[x] >> 16);
      row[3 * x + 1] = static_cast<png_byte>(pixels[x] >> 8);
      row[3 * x + 2] = static_cast<png_byte>(pixels[x]);
    }
  }
  std::string failure;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &failure, OnPngError, OnPngWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    throw Error("libpng cannot start writing " + path);
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    throw Error("Cannot write " + path + ": " + failure);
  }
  png_init_io(png, file.get());
  png_set_IHDR(png, info, bitmap.Width(), bitmap.Height(), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_rows(png, info, rowPointers.data());
  png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
  png_destroy_write_struct(&png, &info);
  if (std::fflush(file.get()) != 0) throw Error("Stream write error");
}

TBitmap ReadPngFile(const std::string& path) {
  File file(std::fopen(path.c_str(), "rb"));
  if (!file) throw Error("Cannot open file " + path);
  std::string failure;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &failure, OnPngError, OnPngWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    throw Error("libpng cannot start reading " + path);
  }
  TBitmap bitmap;
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    throw Error("Cannot read " + path + ": " + failure);
  }
  png_init_io(png, file.get());
  png_read_png(png, info,
               PNG_TRANSFORM_STRIP_16 | PNG_TRANSFORM_STRIP_ALPHA | PNG_TRANSFORM_PACKING | PNG_TRANSFORM_EXPAND |
                   PNG_TRANSFORM_GRAY_TO_RGB,
               nullptr);
  const png_uint_32 width = png_get_image_width(png, info);
  const png_uint_32 height = png_get_image_height(png, info);
  png_bytepp rows = png_get_rows(png, info);
  bool sized = false;
  try {
    bitmap.SetSize(static_cast<int>(width), static_cast<int>(height));
    sized = true;
  } catch (const Error&) {
  }
  if (sized) {
    for (png_uint_32 y = 0; y < height; ++y) {
      TPixel* pixels = bitmap.ScanLine(static_cast<int>(y));
      for (png_uint_32 x = 0; x < width; ++x) {
        const png_bytep p = rows[y] + 3 * x;
        pixels[x] = (TPixel{p[0]} << 16) | (TPixel{p[1]} << 8) | p[2];
      }
    }
  }
  png_destroy_read_struct(&png, &info, nullptr);
  if (!sized) throw Error("Cannot read " + path + ": the picture is too large");
  return bitmap;
}

}  // namespace nvxskin
