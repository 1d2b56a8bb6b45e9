// Filters, level helpers and the WAV writer of the generated sounds.
#include "audio_synth.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "shell/errors.h"

static double OnePoleCoefficient(double hz, int rate) {
  return 1.0 - std::exp(-2.0 * SynthPi * hz / rate);
}

void LowPass(Wave& w, double hz, int rate) {
  double a = OnePoleCoefficient(hz, rate), y = 0.0;
  for (double& x : w) x = y += a * (x - y);
}

void HighPass(Wave& w, double hz, int rate) {
  double a = OnePoleCoefficient(hz, rate), y = 0.0;
  for (double& x : w) {
    y += a * (x - y);
    x -= y;
  }
}

void LowPassLoop(Wave& w, double hz, int rate) {
  double a = OnePoleCoefficient(hz, rate), y = 0.0;
  for (double x : w) y += a * (x - y);  // settle the state on one period
  for (double& x : w) x = y += a * (x - y);
}

void HighPassLoop(Wave& w, double hz, int rate) {
  double a = OnePoleCoefficient(hz, rate), y = 0.0;
  for (double x : w) y += a * (x - y);
  for (double& x : w) {
    y += a * (x - y);
    x -= y;
  }
}

void Normalize(Wave& w, double peak) {
  double m = 0.0;
  for (double x : w) m = std::max(m, std::fabs(x));
  if (m <= 0.0) return;
  for (double& x : w) x *= peak / m;
}

void FadeEdges(Wave& w, double inSeconds, double outSeconds, int rate) {
  size_t in = std::min(w.size(), size_t(inSeconds * rate));
  size_t out = std::min(w.size(), size_t(outSeconds * rate));
  for (size_t i = 0; i < in; i++) w[i] *= double(i) / in;
  for (size_t i = 0; i < out; i++) w[w.size() - 1 - i] *= double(i) / out;
}

void RemoveDc(Wave& w) {
  if (w.empty()) return;
  double mean = 0.0;
  for (double x : w) mean += x;
  mean /= w.size();
  for (double& x : w) x -= mean;
}

void StartAtZeroCrossing(Wave& w) {
  size_t n = w.size();
  for (size_t i = 0; i < n; i++) {
    if (w[(i + n - 1) % n] < 0.0 && w[i] >= 0.0) {
      std::rotate(w.begin(), w.begin() + i, w.end());
      return;
    }
  }
}

std::vector<int16_t> ToPcm16(const Wave& w) {
  std::vector<int16_t> pcm(w.size());
  for (size_t i = 0; i < w.size(); i++) {
    pcm[i] = int16_t(std::lround(std::clamp(w[i], -1.0, 1.0) * 32767.0));
  }
  return pcm;
}

static void PutU16(std::vector<uint8_t>& b, uint32_t v) {
  b.push_back(uint8_t(v));
  b.push_back(uint8_t(v >> 8));
}

static void PutU32(std::vector<uint8_t>& b, uint32_t v) {
  PutU16(b, v & 0xffff);
  PutU16(b, v >> 16);
}

static void PutTag(std::vector<uint8_t>& b, const char* tag) {
  b.insert(b.end(), tag, tag + 4);
}

void WriteWav(const std::string& path, const Wave& w, int rate) {
  std::vector<int16_t> pcm = ToPcm16(w);
  uint32_t dataBytes = uint32_t(pcm.size() * 2);
  std::vector<uint8_t> b;
  PutTag(b, "RIFF");
  PutU32(b, 36 + dataBytes);
  PutTag(b, "WAVE");
  PutTag(b, "fmt ");
  PutU32(b, 16);
  PutU16(b, 1);  // PCM
  PutU16(b, 1);  // mono
  PutU32(b, rate);
  PutU32(b, rate * 2);
  PutU16(b, 2);
  PutU16(b, 16);
  PutTag(b, "data");
  PutU32(b, dataBytes);
  for (int16_t s : pcm) PutU16(b, uint16_t(s));
  WriteBinaryFile(path, b);
}

void WriteBinaryFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) throw FileError("Cannot create the file " + path + ".");
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = std::fclose(f) == 0 && ok;
  if (!ok) throw FileError("Cannot write the file " + path + " (is the disk full?).");
}
