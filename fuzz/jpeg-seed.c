/* Writes a small JPEG of a kind ImageMagick's convert does not write, for the
 * JPEG target's seeds (fuzz/make-corpus.py builds and runs it):
 *   jpeg-seed restart|ycck OUT
 * restart: colour, 4:2:0, a restart marker after every row of blocks;
 * ycck: CMYK stored as YCCK with Adobe's marker (inverted inks). */
#include <stdio.h>
#include <string.h>

#include <jpeglib.h>

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const int ycck = strcmp(argv[1], "ycck") == 0;
  FILE* out = fopen(argv[2], "wb");
  if (!out) return 1;
  struct jpeg_compress_struct c;
  struct jpeg_error_mgr errors;
  c.err = jpeg_std_error(&errors);
  jpeg_create_compress(&c);
  jpeg_stdio_dest(&c, out);
  c.image_width = 19;
  c.image_height = 13;
  c.input_components = ycck ? 4 : 3;
  c.in_color_space = ycck ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&c);
  if (ycck) jpeg_set_colorspace(&c, JCS_YCCK);
  else c.restart_in_rows = 1;
  jpeg_set_quality(&c, 60, TRUE);
  jpeg_start_compress(&c, TRUE);
  unsigned char row[19 * 4];
  while (c.next_scanline < c.image_height) {
    for (int x = 0; x < 19 * c.input_components; ++x) row[x] = (unsigned char)(x * 13 + c.next_scanline * 29);
    JSAMPROW rows[1] = {row};
    jpeg_write_scanlines(&c, rows, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  return fclose(out) == 0 ? 0 : 1;
}
