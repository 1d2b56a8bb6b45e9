#pragma once
// Deterministic noise for terrain and scenery: the same seed gives the same bytes on every
// run and every machine (integer hashing, no library random engines).
#include <cstdint>

uint32_t HashCell(uint32_t seed, int32_t a, int32_t b);
// 0 <= value < 1, from the hash.
double UnitHash(uint32_t seed, int32_t a, int32_t b);
// Smooth value noise in -1..1 with features about `cellSize` cells across.
double ValueNoise(uint32_t seed, double x, double y, double cellSize);
// A few octaves of value noise, in -1..1.
double HillNoise(uint32_t seed, double x, double y, double cellSize);

// A small deterministic generator for sequences of choices.
struct SeededRandom {
  uint32_t state;
  explicit SeededRandom(uint32_t seed) : state(seed * 2654435761u + 0x9E3779B9u) {}
  uint32_t Next();
  double Unit();  // 0 <= value < 1
  int Below(int n);
};
