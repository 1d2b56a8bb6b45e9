#include "test_jpeg.h"

#include <cstdio>
#include <jpeglib.h>

void WriteTestJpeg(const std::string& path, const TBitmap& picture) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return;
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, file);
  info.image_width = picture.Width;
  info.image_height = picture.Height;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 98, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = (JSAMPROW)picture.PixelAt(0, info.next_scanline);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::fclose(file);
}
