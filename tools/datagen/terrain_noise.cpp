#include "terrain_noise.h"

#include <cmath>

uint32_t HashCell(uint32_t seed, int32_t a, int32_t b) {
  uint32_t h = seed * 0x9E3779B1u;
  h ^= (uint32_t)a * 0x85EBCA77u;
  h = (h << 13) | (h >> 19);
  h ^= (uint32_t)b * 0xC2B2AE3Du;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return h;
}

double UnitHash(uint32_t seed, int32_t a, int32_t b) {
  return (HashCell(seed, a, b) >> 8) / 16777216.0;
}

double ValueNoise(uint32_t seed, double x, double y, double cellSize) {
  double gx = x / cellSize, gy = y / cellSize;
  int32_t ix = (int32_t)std::floor(gx), iy = (int32_t)std::floor(gy);
  double fx = gx - ix, fy = gy - iy;
  // Smoothstep between the four lattice values.
  double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  double v00 = UnitHash(seed, ix, iy), v10 = UnitHash(seed, ix + 1, iy);
  double v01 = UnitHash(seed, ix, iy + 1), v11 = UnitHash(seed, ix + 1, iy + 1);
  double top = v00 + (v10 - v00) * sx, bottom = v01 + (v11 - v01) * sx;
  return (top + (bottom - top) * sy) * 2 - 1;
}

double HillNoise(uint32_t seed, double x, double y, double cellSize) {
  double sum = 0, weight = 0, amplitude = 1;
  for (int octave = 0; octave < 3; ++octave) {
    sum += amplitude * ValueNoise(seed + octave * 101u, x, y, cellSize);
    weight += amplitude;
    amplitude *= 0.5;
    cellSize *= 0.5;
  }
  return sum / weight;
}

uint32_t SeededRandom::Next() {
  // xorshift32
  state ^= state << 13;
  state ^= state >> 17;
  state ^= state << 5;
  return state;
}

double SeededRandom::Unit() { return (Next() >> 8) / 16777216.0; }

int SeededRandom::Below(int n) { return n <= 0 ? 0 : (int)(Unit() * n); }
