#include "picture_canvas.h"

#include <algorithm>
#include <cmath>

Rgb Mix(Rgb a, Rgb b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Rgb Scale(Rgb c, float k) { return {c.r * k, c.g * k, c.b * k}; }
Rgb Add(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }

Canvas::Canvas(int w, int h, Rgb fill) : width(w), height(h), pixels((size_t)w * h, fill) {}

void Canvas::Blend(int x, int y, Rgb c, float alpha) {
  if (!Inside(x, y) || alpha <= 0) return;
  alpha = std::min(alpha, 1.0f);
  Rgb& p = At(x, y);
  p = Mix(p, c, alpha);
}

void Canvas::Glow(int x, int y, Rgb c, float amount) {
  if (!Inside(x, y) || amount <= 0) return;
  Rgb& p = At(x, y);
  p = Add(p, Scale(c, amount));
}

namespace {

// One box blur pass along rows (step 1) or columns (step = width), in place.
template <typename T>
void BoxPass(std::vector<T>& v, int count, int length, int stride, int step, int radius,
             std::vector<T>& line) {
  line.resize(length);
  const float norm = 1.0f / (2 * radius + 1);
  for (int k = 0; k < count; ++k) {
    T* base = v.data() + (size_t)k * stride;
    for (int i = 0; i < length; ++i) line[i] = base[(size_t)i * step];
    T sum{};
    auto get = [&](int i) { return line[std::clamp(i, 0, length - 1)]; };
    for (int i = -radius; i <= radius; ++i) sum = sum + get(i);
    for (int i = 0; i < length; ++i) {
      base[(size_t)i * step] = sum * norm;
      sum = sum + get(i + radius + 1) - get(i - radius);
    }
  }
}

}  // namespace

void BlurMask(Mask& mask, int radius) {
  if (radius < 1) return;
  int box = std::max(1, radius / 2);
  std::vector<float> line;
  for (int pass = 0; pass < 3; ++pass) {
    BoxPass(mask.values, mask.height, mask.width, mask.width, 1, box, line);
    BoxPass(mask.values, mask.width, mask.height, 1, mask.width, box, line);
  }
}

Mask DilateMask(const Mask& mask, int radius) {
  Mask out(mask.width, mask.height);
  for (int y = 0; y < mask.height; ++y)
    for (int x = 0; x < mask.width; ++x) {
      float best = 0;
      for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
          float d = std::sqrt(float(dx * dx + dy * dy));
          if (d > radius + 0.5f) continue;
          float edge = std::clamp(radius + 0.5f - d, 0.0f, 1.0f);
          best = std::max(best, mask.Sample(x + dx, y + dy) * edge);
        }
      out.At(x, y) = best;
    }
  return out;
}

Mask PadMask(const Mask& mask, int pad) {
  Mask out(mask.width + 2 * pad, mask.height + 2 * pad);
  for (int y = 0; y < mask.height; ++y)
    for (int x = 0; x < mask.width; ++x) out.At(x + pad, y + pad) = mask.At(x, y);
  return out;
}

std::vector<uint8_t> ToBytes(const Canvas& canvas) {
  std::vector<uint8_t> bytes(canvas.pixels.size() * 3);
  auto level = [](float v) { return (uint8_t)std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f); };
  for (size_t i = 0; i < canvas.pixels.size(); ++i) {
    bytes[i * 3 + 0] = level(canvas.pixels[i].r);
    bytes[i * 3 + 1] = level(canvas.pixels[i].g);
    bytes[i * 3 + 2] = level(canvas.pixels[i].b);
  }
  return bytes;
}

Canvas Resample(const Canvas& source, int width, int height) {
  Canvas out(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      float sx = std::clamp((x + 0.5f) * source.width / width - 0.5f, 0.0f, source.width - 1.0f);
      float sy =
          std::clamp((y + 0.5f) * source.height / height - 0.5f, 0.0f, source.height - 1.0f);
      int x0 = (int)sx, y0 = (int)sy;
      int x1 = std::min(x0 + 1, source.width - 1), y1 = std::min(y0 + 1, source.height - 1);
      float fx = sx - x0, fy = sy - y0;
      Rgb top = Mix(source.At(x0, y0), source.At(x1, y0), fx);
      Rgb bottom = Mix(source.At(x0, y1), source.At(x1, y1), fx);
      out.At(x, y) = Mix(top, bottom, fy);
    }
  return out;
}
