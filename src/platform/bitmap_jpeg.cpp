#include <cstdio>
#include <csetjmp>
#include <cstring>

#include <jpeglib.h>
#include <jerror.h>

#include "platform/bitmap.h"
#include "shell/errors.h"

void TBitmap::SetSize(int width, int height) {
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  Width = width;
  Height = height;
  Pixels.assign((size_t)width * height * 3, 0);
}

uint32_t TBitmap::TransparentColor() const {
  if (Width <= 0 || Height <= 0 || Pixels.size() < (size_t)Width * Height * 3) return 0;
  const uint8_t* p = PixelAt(0, Height - 1);
  return ((uint32_t)p[0] << 16) | ((uint32_t)p[1] << 8) | p[2];
}

namespace {

// libjpeg reports fatal errors through a callback that must not return: jump back out.
struct JpegErrorTrap {
  jpeg_error_mgr Manager;
  jmp_buf Return;
  char Message[JMSG_LENGTH_MAX];
};

void JpegFatal(j_common_ptr info) {
  JpegErrorTrap* trap = reinterpret_cast<JpegErrorTrap*>(info->err);
  (*info->err->format_message)(info, trap->Message);
  longjmp(trap->Return, 1);
}

// A file cut short is broken (its lower part would be grey); other corrupt-data warnings
// keep what decodes.
void JpegWarning(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) JpegFatal(info);
}

}  // namespace

TBitmap LoadJpeg(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) throw FileError("The picture " + path + " is missing or cannot be opened.");

  TBitmap picture;
  jpeg_decompress_struct info;
  JpegErrorTrap trap;
  info.err = jpeg_std_error(&trap.Manager);
  trap.Manager.error_exit = JpegFatal;
  trap.Manager.emit_message = JpegWarning;
  trap.Message[0] = 0;
  if (setjmp(trap.Return)) {
    jpeg_destroy_decompress(&info);
    std::fclose(file);
    throw FileError("The picture " + path + " is damaged or is not a JPEG picture (" +
                    std::string(trap.Message) + ").");
  }
  jpeg_create_decompress(&info);
  jpeg_stdio_src(&info, file);
  jpeg_read_header(&info, TRUE);
  // A header may claim any size; pictures beyond this are refused rather than allocated.
  const unsigned long long MaxPixels = 32ull * 1024 * 1024;
  if (info.image_width == 0 || info.image_height == 0 || info.image_width > 16384 ||
      info.image_height > 16384 ||
      (unsigned long long)info.image_width * info.image_height > MaxPixels) {
    std::string size = std::to_string(info.image_width) + " x " + std::to_string(info.image_height);
    jpeg_destroy_decompress(&info);
    std::fclose(file);
    throw FileError("The picture " + path + " is too large to load (" + size + " pixels).");
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  if (info.output_components != 3) {
    jpeg_destroy_decompress(&info);
    std::fclose(file);
    throw FileError("The picture " + path + " has a colour format the game cannot show.");
  }
  picture.SetSize((int)info.output_width, (int)info.output_height);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = picture.PixelAt(0, (int)info.output_scanline);
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  bool readError = std::ferror(file) != 0;
  std::fclose(file);
  if (readError) throw FileError("The picture " + path + " could not be read to its end.");
  return picture;
}
