#include "picture_jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <stdexcept>

#include <jpeglib.h>

namespace {

struct ErrorTrap {
  jpeg_error_mgr manager;
  jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
  ErrorTrap* trap = reinterpret_cast<ErrorTrap*>(info->err);
  (*info->err->format_message)(info, trap->message);
  longjmp(trap->jump, 1);
}

void Quiet(j_common_ptr, int) {}

}  // namespace

void WriteJpeg(const std::string& path, const Canvas& canvas, JpegOptions options) {
  std::vector<uint8_t> bytes = ToBytes(canvas);
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) throw std::runtime_error("cannot write " + path);

  jpeg_compress_struct info;
  ErrorTrap trap;
  info.err = jpeg_std_error(&trap.manager);
  trap.manager.error_exit = OnError;
  if (setjmp(trap.jump)) {
    jpeg_destroy_compress(&info);
    std::fclose(file);
    throw std::runtime_error("cannot encode " + path + ": " + trap.message);
  }
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, file);
  info.image_width = canvas.width;
  info.image_height = canvas.height;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, options.quality, TRUE);
  info.optimize_coding = TRUE;
  if (options.fullChroma)
    for (int c = 0; c < 3; ++c) info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = bytes.data() + (size_t)info.next_scanline * canvas.width * 3;
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  if (std::fclose(file) != 0) throw std::runtime_error("cannot write " + path);
}

bool ReadJpeg(const std::string& path, DecodedJpeg& out, std::string& reason) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    reason = "is missing";
    return false;
  }
  jpeg_decompress_struct info;
  ErrorTrap trap;
  info.err = jpeg_std_error(&trap.manager);
  trap.manager.error_exit = OnError;
  trap.manager.emit_message = Quiet;
  if (setjmp(trap.jump)) {
    jpeg_destroy_decompress(&info);
    std::fclose(file);
    reason = std::string("does not decode (") + trap.message + ")";
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_stdio_src(&info, file);
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  out.width = info.output_width;
  out.height = info.output_height;
  out.rgb.assign((size_t)out.width * out.height * 3, 0);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = out.rgb.data() + (size_t)info.output_scanline * out.width * 3;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  std::fclose(file);
  return true;
}
