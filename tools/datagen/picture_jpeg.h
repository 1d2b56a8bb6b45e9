#pragma once
// Writing and reading the JPEG files of the data set with libjpeg.
#include <cstdint>
#include <string>
#include <vector>

#include "picture_canvas.h"

struct JpegOptions {
  int quality = 90;
  bool fullChroma = false;  // 4:4:4, for keyed sprites and fine lettering
};

// Throws std::runtime_error naming the file when it cannot be written.
void WriteJpeg(const std::string& path, const Canvas& canvas, JpegOptions options);

struct DecodedJpeg {
  int width = 0, height = 0;
  std::vector<uint8_t> rgb;  // rows top first
};

// False (with a reason) when the file is missing or not a decodable JPEG picture.
bool ReadJpeg(const std::string& path, DecodedJpeg& out, std::string& reason);
