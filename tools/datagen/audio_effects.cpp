// The seven sound effects, synthesised at 44100 Hz so the mixer plays them unresampled
// (the engine loops then repeat sample-exact).
#include <cmath>

#include "audio_data.h"
#include "audio_synth.h"

static const int EffectRate = 44100;

// One firing cycle of an outboard motor: a sharp pulse with a ringing tail, built from
// harmonics with a falling spectrum and fixed pseudo-random phases.
static Wave EngineCycleTable(uint32_t seed, int harmonics, double tilt) {
  const int size = 4096;
  Wave table(size, 0.0);
  SynthRandom rng(seed);
  for (int k = 1; k <= harmonics; k++) {
    double amp = std::pow(double(k), -tilt) * (0.6 + 0.4 * rng.Uniform());
    double phase = rng.Uniform() * 2.0 * SynthPi;
    for (int i = 0; i < size; i++) table[i] += amp * std::sin(2.0 * SynthPi * k * i / size + phase);
  }
  return table;
}

static double TableAt(const Wave& table, double phase) {
  double p = (phase - std::floor(phase)) * table.size();
  size_t i = size_t(p) % table.size();
  double f = p - std::floor(p);
  return table[i] * (1.0 - f) + table[(i + 1) % table.size()] * f;
}

struct EngineVoice {
  int FiringHz;    // a whole number of cycles per loop
  int Harmonics;
  double Tilt;     // spectral fall-off of the firing pulse
  double Noise;    // share of combustion noise, amplitude-modulated by the firing
  double NoiseHz;  // low-pass corner of that noise
  int WhineHz;     // gear/propeller whine, 0 for none
  double Whine;
  uint32_t Seed;
};

// A loop of half a second. Every component makes whole cycles in it and the filters run
// in their periodic form, so the end flows into the start; it is then rotated to begin at
// a rising zero crossing.
static Wave EngineLoop(const EngineVoice& v) {
  const int length = EffectRate / 2;
  const int loopsPerSecond = EffectRate / length;  // frequency step that keeps whole cycles
  Wave table = EngineCycleTable(v.Seed, v.Harmonics, v.Tilt);
  SynthRandom rng(v.Seed * 7919u + 1u);
  Wave noise(length);
  for (double& x : noise) x = rng.Signed();
  LowPassLoop(noise, v.NoiseHz, EffectRate);
  Normalize(noise, 1.0);
  // a slow wobble of the firing strength, two cycles per loop
  const int wobbleHz = 2 * loopsPerSecond;
  Wave w(length);
  for (int i = 0; i < length; i++) {
    double t = double(i) / EffectRate;
    double firing = TableAt(table, v.FiringHz * t);
    double pulse = 0.5 + 0.5 * std::cos(2.0 * SynthPi * v.FiringHz * t);
    double wobble = 1.0 + 0.12 * std::sin(2.0 * SynthPi * wobbleHz * t);
    double whine = v.WhineHz ? v.Whine * std::sin(2.0 * SynthPi * v.WhineHz * t) : 0.0;
    w[i] = wobble * firing + v.Noise * pulse * noise[i] + whine;
  }
  HighPassLoop(w, 25.0, EffectRate);
  RemoveDc(w);
  Normalize(w, 0.7);
  StartAtZeroCrossing(w);
  return w;
}

// The starter cranks in uneven chugs, the motor catches, revs once and settles into the
// idle of the first loop.
static Wave EngineStart(const EngineVoice& idle) {
  const int length = EffectRate * 2;
  Wave table = EngineCycleTable(idle.Seed, idle.Harmonics, idle.Tilt);
  SynthRandom rng(0x5eed51u);
  Wave noise(length);
  for (double& x : noise) x = rng.Signed();
  LowPass(noise, idle.NoiseHz, EffectRate);
  Normalize(noise, 1.0);
  Wave w(length);
  double phase = 0.0, crankPhase = 0.0;
  for (int i = 0; i < length; i++) {
    double t = double(i) / EffectRate;
    double s = 0.0;
    if (t < 0.75) {
      crankPhase += 7.0 / EffectRate;  // compression strokes
      double chug = std::pow(0.5 + 0.5 * std::sin(2.0 * SynthPi * crankPhase), 3.0);
      s = 0.45 * chug * (std::sin(2.0 * SynthPi * 160.0 * t) + 0.5 * noise[i]);
    } else {
      double u = t - 0.75;
      double hz = idle.FiringHz + 60.0 * std::exp(-u * 3.0) * std::min(1.0, u * 8.0);
      phase += hz / EffectRate;
      double catchUp = std::min(1.0, u * 6.0);
      s = catchUp * (TableAt(table, phase) + idle.Noise * noise[i]);
    }
    w[i] = s;
  }
  HighPass(w, 25.0, EffectRate);
  Normalize(w, 0.7);
  FadeEdges(w, 0.005, 0.05, EffectRate);
  return w;
}

// A crack and then a long rumble that rolls in a few waves and dies away.
static Wave Thunder() {
  const int length = EffectRate * 3;
  SynthRandom rng(0x7bu);
  Wave crack(length), rumble(length);
  for (int i = 0; i < length; i++) {
    crack[i] = rng.Signed();
    rumble[i] = rng.Signed();
  }
  HighPass(crack, 1500.0, EffectRate);
  LowPass(rumble, 120.0, EffectRate);
  LowPass(rumble, 180.0, EffectRate);
  Normalize(rumble, 1.0);
  struct Roll { double At, Size, Width; };
  const Roll rolls[] = {{0.05, 1.0, 0.35}, {0.55, 0.8, 0.5}, {1.2, 0.6, 0.6}, {1.9, 0.35, 0.7}};
  Wave w(length);
  for (int i = 0; i < length; i++) {
    double t = double(i) / EffectRate;
    double env = 0.0;
    for (const Roll& r : rolls) {
      double d = (t - r.At) / r.Width;
      if (d > -1.0) env += r.Size * std::exp(-d * d * (d < 0 ? 8.0 : 1.5));
    }
    w[i] = env * rumble[i] + 0.5 * crack[i] * std::exp(-t * 25.0);
  }
  Normalize(w, 0.8);
  FadeEdges(w, 0.002, 0.3, EffectRate);
  return w;
}

// A short wooden tick.
static Wave Click() {
  const int length = EffectRate * 40 / 1000;
  SynthRandom rng(0xc11cu);
  Wave w(length);
  for (int i = 0; i < length; i++) {
    double t = double(i) / EffectRate;
    w[i] = std::exp(-t * 180.0) * (std::sin(2.0 * SynthPi * 1800.0 * t) +
                                   0.6 * std::sin(2.0 * SynthPi * 3100.0 * t) + 0.3 * rng.Signed());
  }
  Normalize(w, 0.6);
  FadeEdges(w, 0.0005, 0.005, EffectRate);
  return w;
}

// The hull hits the bank: a low thump, a burst of splintering and spray.
static Wave Crash() {
  const int length = EffectRate;
  SynthRandom rng(0xc4a5u);
  Wave spray(length), splinter(length);
  for (int i = 0; i < length; i++) {
    spray[i] = rng.Signed();
    splinter[i] = rng.Signed();
  }
  LowPass(spray, 2500.0, EffectRate);
  HighPass(splinter, 900.0, EffectRate);
  const double cracks[] = {0.0, 0.04, 0.09, 0.17, 0.26};
  Wave w(length);
  for (int i = 0; i < length; i++) {
    double t = double(i) / EffectRate;
    double thump = std::sin(2.0 * SynthPi * (70.0 * t - 40.0 * t * t)) * std::exp(-t * 14.0);
    double crack = 0.0;
    for (double c : cracks) {
      if (t >= c) crack += std::exp(-(t - c) * 90.0);
    }
    w[i] = 1.2 * thump + 0.8 * crack * splinter[i] + 0.7 * spray[i] * std::exp(-t * 5.0);
  }
  Normalize(w, 0.85);
  FadeEdges(w, 0.001, 0.1, EffectRate);
  return w;
}

static const EngineVoice IdleVoice = {36, 40, 0.9, 0.35, 900.0, 0, 0.0, 0x1d1eu};
static const EngineVoice ForwardVoice = {64, 36, 0.7, 0.55, 1800.0, 1240, 0.05, 0xf0e1u};
static const EngineVoice ReverseVoice = {46, 36, 0.8, 0.45, 1200.0, 760, 0.12, 0x4e7eu};

void WriteSounds(const std::string& dataDir) {
  const std::string dir = dataDir + "/";
  WriteWav(dir + "thunder.wav", Thunder(), EffectRate);
  WriteWav(dir + "click.wav", Click(), EffectRate);
  WriteWav(dir + "vontelstart.wav", EngineStart(IdleVoice), EffectRate);
  WriteWav(dir + "vontel1.wav", EngineLoop(IdleVoice), EffectRate);
  WriteWav(dir + "vontel2.wav", EngineLoop(ForwardVoice), EffectRate);
  WriteWav(dir + "vontel3.wav", EngineLoop(ReverseVoice), EffectRate);
  WriteWav(dir + "crash.wav", Crash(), EffectRate);
}
