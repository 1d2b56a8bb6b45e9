#pragma once
// Deterministic random numbers and tileable value noise for the procedural pictures.
#include <cstdint>

// A small generator of our own, so every build makes the same bytes.
class PictureRng {
 public:
  explicit PictureRng(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
  uint64_t Next();
  float Unit();                     // 0 <= v < 1
  float Range(float lo, float hi);  // lo <= v < hi

 private:
  uint64_t state_;
};

// Octaves of smooth noise in 0..1 that repeat every `period` units on both axes
// (period >= 1); the period doubles with the frequency, so the sum still tiles.
float TileFbm(float x, float y, int period, int octaves, uint32_t seed);
// Non-repeating version for the big screen pictures.
float Fbm(float x, float y, int octaves, uint32_t seed);
