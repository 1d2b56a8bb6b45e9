#pragma once
// Float RGB canvas and grey masks the picture generator paints on.
#include <cstddef>
#include <cstdint>
#include <vector>

struct Rgb {
  float r = 0, g = 0, b = 0;
};

Rgb Mix(Rgb a, Rgb b, float t);  // a at t = 0, b at t = 1
Rgb Scale(Rgb c, float k);
Rgb Add(Rgb a, Rgb b);

struct Canvas {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;

  Canvas(int w, int h, Rgb fill = {});
  Rgb& At(int x, int y) { return pixels[(size_t)y * width + x]; }
  const Rgb& At(int x, int y) const { return pixels[(size_t)y * width + x]; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  // Paints colour over the pixel with the given coverage (0..1).
  void Blend(int x, int y, Rgb c, float alpha);
  // Adds light, as additive blending would.
  void Glow(int x, int y, Rgb c, float amount);
};

// Coverage values 0..1, same indexing as Canvas.
struct Mask {
  int width = 0;
  int height = 0;
  std::vector<float> values;

  Mask() = default;
  Mask(int w, int h) : width(w), height(h), values((size_t)w * h, 0.0f) {}
  float& At(int x, int y) { return values[(size_t)y * width + x]; }
  float At(int x, int y) const { return values[(size_t)y * width + x]; }
  float Sample(int x, int y) const {  // 0 outside
    return (x < 0 || y < 0 || x >= width || y >= height) ? 0.0f : At(x, y);
  }
};

// Three box blurs in a row approximate a gaussian of the given radius.
void BlurMask(Mask& mask, int radius);
// Grows the mask by radius pixels (a round brush).
Mask DilateMask(const Mask& mask, int radius);
// Copies a region into a larger mask with padding so effects may spread.
Mask PadMask(const Mask& mask, int pad);

// 8-bit RGB rows, top row first, values clamped.
std::vector<uint8_t> ToBytes(const Canvas& canvas);
// Bilinear resampling to another size.
Canvas Resample(const Canvas& source, int width, int height);
