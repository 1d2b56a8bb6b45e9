#include "picture_noise.h"

#include <cmath>

uint64_t PictureRng::Next() {
  // splitmix64
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

float PictureRng::Unit() { return (Next() >> 40) / float(1 << 24); }
float PictureRng::Range(float lo, float hi) { return lo + (hi - lo) * Unit(); }

namespace {

float Lattice(int x, int y, uint32_t seed) {
  uint32_t h = (uint32_t)x * 374761393u + (uint32_t)y * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xFFFFFF) / float(0xFFFFFF);
}

int Wrap(int v, int period) {
  int m = v % period;
  return m < 0 ? m + period : m;
}

float Smooth(float t) { return t * t * t * (t * (t * 6 - 15) + 10); }

float Noise(float x, float y, int period, uint32_t seed) {
  float fx = std::floor(x), fy = std::floor(y);
  int x0 = (int)fx, y0 = (int)fy;
  float tx = Smooth(x - fx), ty = Smooth(y - fy);
  auto at = [&](int ix, int iy) {
    if (period > 0) {
      ix = Wrap(ix, period);
      iy = Wrap(iy, period);
    }
    return Lattice(ix, iy, seed);
  };
  float a = at(x0, y0), b = at(x0 + 1, y0), c = at(x0, y0 + 1), d = at(x0 + 1, y0 + 1);
  float top = a + (b - a) * tx, bottom = c + (d - c) * tx;
  return top + (bottom - top) * ty;
}

}  // namespace

float TileFbm(float x, float y, int period, int octaves, uint32_t seed) {
  float sum = 0, weight = 0, amp = 1;
  for (int o = 0; o < octaves; ++o) {
    sum += Noise(x, y, period, seed + o * 101) * amp;
    weight += amp;
    x *= 2;
    y *= 2;
    period *= 2;
    amp *= 0.5f;
  }
  return sum / weight;
}

float Fbm(float x, float y, int octaves, uint32_t seed) {
  float sum = 0, weight = 0, amp = 1;
  for (int o = 0; o < octaves; ++o) {
    sum += Noise(x, y, 0, seed + o * 101) * amp;
    weight += amp;
    x = x * 2.03f + 17.1f;
    y = y * 2.03f + 5.3f;
    amp *= 0.5f;
  }
  return sum / weight;
}
