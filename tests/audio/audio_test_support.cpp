// Disk-driver recording and small file helpers for the audio tests.
#include "audio_test_support.h"

#include <SDL.h>
#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

std::string MakeTempDir(const std::string& tag) {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base ? base : "/tmp") + "/vontel-" + tag + "-XXXXXX";
  std::vector<char> buf(pattern.begin(), pattern.end());
  buf.push_back(0);
  if (!mkdtemp(buf.data())) std::abort();
  return buf.data();
}

std::string UseDiskAudio(const std::string& tag) {
  std::string file = MakeTempDir(tag) + "/out.raw";
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
  return file;
}

long RecordedFrames(const std::string& file) {
  struct stat st;
  if (stat(file.c_str(), &st) != 0) return 0;
  return long(st.st_size / 4);
}

std::vector<int16_t> RecordedSamples(const std::string& file, long from, long to) {
  std::vector<int16_t> out;
  FILE* f = std::fopen(file.c_str(), "rb");
  if (!f) return out;
  std::fseek(f, 0, SEEK_END);
  long frames = std::ftell(f) / 4;
  if (to < 0 || to > frames) to = frames;
  if (from < to) {
    out.resize(size_t(to - from) * 2);
    std::fseek(f, from * 4, SEEK_SET);
    size_t got = std::fread(out.data(), 4, size_t(to - from), f);
    out.resize(got * 2);
  }
  std::fclose(f);
  return out;
}

void WaitAudio(int ms) { SDL_Delay(Uint32(ms)); }

void WaitRecorded(const std::string& file, int ms) {
  long target = RecordedFrames(file) + FramesOf(ms);
  for (int waited = 0; RecordedFrames(file) < target && waited < ms * 10 + 3000; waited += 10) SDL_Delay(10);
}

int PeakOf(const std::vector<int16_t>& s) {
  int peak = 0;
  for (int16_t v : s) peak = std::max(peak, std::abs(int(v)));
  return peak;
}

double RmsOf(const std::vector<int16_t>& s) {
  if (s.empty()) return 0.0;
  double sum = 0.0;
  for (int16_t v : s) sum += double(v) * v;
  return std::sqrt(sum / s.size());
}

static void Put(std::string& b, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; i++) b.push_back(char((v >> (8 * i)) & 0xff));
}

void WriteToneWav(const std::string& path, double seconds, double hz, double amplitude, int rate) {
  int n = int(seconds * rate);
  std::string b = "RIFF";
  Put(b, 36 + n * 2, 4);
  b += "WAVEfmt ";
  Put(b, 16, 4);
  Put(b, 1, 2);
  Put(b, 1, 2);
  Put(b, rate, 4);
  Put(b, rate * 2, 4);
  Put(b, 2, 2);
  Put(b, 16, 2);
  b += "data";
  Put(b, n * 2, 4);
  for (int i = 0; i < n; i++) {
    double v = amplitude * std::sin(2.0 * M_PI * hz * i / rate);
    Put(b, uint16_t(int16_t(std::lround(v * 32767.0))), 2);
  }
  WriteBytes(path, b);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
