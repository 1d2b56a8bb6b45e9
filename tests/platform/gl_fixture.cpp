#include "gl_fixture.h"

#include <cstdio>
#include <filesystem>

void SavePicture(const TBitmap& b, const std::string& name) {
  std::string dir = std::string(VONTEL_BINARY_DIR) + "/platform-shots";
  std::filesystem::create_directories(dir);
  FILE* f = std::fopen((dir + "/" + name + ".ppm").c_str(), "wb");
  if (!f) return;
  std::fprintf(f, "P6\n%d %d\n255\n", b.Width, b.Height);
  std::fwrite(b.Pixels.data(), 1, b.Pixels.size(), f);
  std::fclose(f);
}
