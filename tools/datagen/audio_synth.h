#pragma once
// Small building blocks for the generated sounds: a seeded noise source, filters, and the
// writing of 16-bit mono WAV files. Everything is deterministic.
#include <cstdint>
#include <string>
#include <vector>

inline constexpr double SynthPi = 3.14159265358979323846;

// xorshift32: the same numbers on every machine, unlike the standard distributions.
struct SynthRandom {
  uint32_t State;
  explicit SynthRandom(uint32_t seed) : State(seed ? seed : 0x9e3779b9u) {}
  uint32_t Next() {
    State ^= State << 13;
    State ^= State >> 17;
    State ^= State << 5;
    return State;
  }
  double Uniform() { return (Next() >> 8) * (1.0 / 16777216.0); }  // 0..1
  double Signed() { return Uniform() * 2.0 - 1.0; }                  // -1..1
  int Below(int n) { return int(Next() % uint32_t(n)); }
};

using Wave = std::vector<double>;

// One-pole low-pass with its corner at `hz`; run over the wave in place.
void LowPass(Wave& w, double hz, int rate);
void HighPass(Wave& w, double hz, int rate);
// The same filters over a wave that repeats: run twice so the state at the seam has
// settled, which keeps the output exactly periodic.
void LowPassLoop(Wave& w, double hz, int rate);
void HighPassLoop(Wave& w, double hz, int rate);
// Scales so the largest magnitude becomes `peak`.
void Normalize(Wave& w, double peak);
// Linear fades over the first and last `seconds` (one-shots end without a click).
void FadeEdges(Wave& w, double inSeconds, double outSeconds, int rate);
// Subtracts the mean.
void RemoveDc(Wave& w);
// Rotates a periodic wave so it starts at a rising zero crossing.
void StartAtZeroCrossing(Wave& w);

std::vector<int16_t> ToPcm16(const Wave& w);
// Writes a 16-bit PCM mono WAV; throws FileError naming the file when it cannot.
void WriteWav(const std::string& path, const Wave& w, int rate);
// Writes `bytes` to `path` whole; throws FileError naming the file when it cannot.
void WriteBinaryFile(const std::string& path, const std::vector<uint8_t>& bytes);
