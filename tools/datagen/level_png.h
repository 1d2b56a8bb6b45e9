#pragma once
// A minimal PNG writer (8-bit RGB, uncompressed deflate blocks) for the level maps.
#include <cstdint>
#include <string>
#include <vector>

struct RgbImage {
  int width = 0, height = 0;
  std::vector<uint8_t> pixels;  // rgb rows, top to bottom
  RgbImage(int w, int h) : width(w), height(h), pixels((size_t)w * h * 3, 0) {}
  void Set(int x, int y, uint8_t r, uint8_t g, uint8_t b) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    uint8_t* p = &pixels[((size_t)y * width + x) * 3];
    p[0] = r, p[1] = g, p[2] = b;
  }
};

// Throws std::runtime_error naming the file when it cannot be written.
void WritePng(const std::string& path, const RgbImage& image);
