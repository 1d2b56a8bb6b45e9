// Instrument samples at 22050 Hz. Sustained tones are half-second loops in which every
// partial is a multiple of 2 Hz, so each loop holds whole cycles of all of them.
#include "audio_instruments.h"

#include <cmath>

#include "audio_synth.h"

static const int InstrumentRate = 22050;
static const int ToneLoop = InstrumentRate / 2;

static double MidiHz(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }

// Relative note and finetune so that the XM note of `midi` plays a tone recorded at
// `recordedHz` at the pitch of `midi`. Linear XM: C-4 plays at 8363 Hz.
static void Tune(XmInstrument& in, double midi, double recordedHz) {
  double playRate = InstrumentRate * MidiHz(midi) / recordedHz;
  double semis = 12.0 * std::log2(playRate / 8363.0) - ((midi - 11) - 49);
  int units = int(std::lround(semis * 128.0));
  int rel = units >= 0 ? (units + 64) / 128 : -((-units + 63) / 128);
  in.RelativeNote = rel;
  in.Finetune = units - rel * 128;
}

struct Partial {
  double Multiple;  // of the base frequency
  double Amplitude;
  int DetuneHz;     // kept even, so the loop still holds whole cycles
};

static Wave ToneLoopWave(int baseHz, const std::vector<Partial>& partials, uint32_t seed) {
  SynthRandom rng(seed);
  Wave w(ToneLoop, 0.0);
  for (const Partial& p : partials) {
    double hz = std::lround(baseHz * p.Multiple / 2.0) * 2.0 + p.DetuneHz;
    if (hz <= 0 || hz >= InstrumentRate / 2) continue;
    double phase = rng.Uniform() * 2.0 * SynthPi;
    double step = 2.0 * SynthPi * hz / InstrumentRate;
    for (int i = 0; i < ToneLoop; i++) w[i] += p.Amplitude * std::sin(step * i + phase);
  }
  RemoveDc(w);
  Normalize(w, 0.95);
  StartAtZeroCrossing(w);
  return w;
}

static void LoopWhole(XmInstrument& in, const Wave& w) {
  in.Data = ToPcm16(w);
  in.LoopStart = 0;
  in.LoopLength = int(in.Data.size());
}

// Karplus-Strong string: a burst of noise circulating through an averaging delay line.
static Wave PluckedString(int period, double seconds, double damping, uint32_t seed) {
  SynthRandom rng(seed);
  Wave line(period);
  for (double& x : line) x = rng.Signed();
  Wave w(size_t(seconds * InstrumentRate));
  for (size_t i = 0; i < w.size(); i++) {
    size_t a = i % period, b = (i + 1) % period;
    w[i] = line[a];
    line[a] = damping * 0.5 * (line[a] + line[b]);
  }
  RemoveDc(w);
  Normalize(w, 0.95);
  FadeEdges(w, 0.0, 0.05, InstrumentRate);
  return w;
}

XmInstrument MakeLead(LeadTimbre timbre, uint32_t seed) {
  XmInstrument in;
  const int baseHz = 262;
  std::vector<Partial> partials;
  switch (timbre) {
    case LeadTimbre::Square:
      in.Name = "square lead";
      for (int k = 1; k <= 15; k += 2) partials.push_back({double(k), 1.0 / k, 0});
      partials.push_back({1.0, 0.3, 2});
      break;
    case LeadTimbre::Saw:
      in.Name = "saw lead";
      for (int k = 1; k <= 14; k++) partials.push_back({double(k), 1.0 / k, 0});
      for (int k = 1; k <= 6; k++) partials.push_back({double(k), 0.5 / k, 2});
      break;
    case LeadTimbre::Organ:
      in.Name = "organ";
      for (auto [k, a] : {std::pair{1, 1.0}, {2, 0.8}, {3, 0.6}, {4, 0.5}, {6, 0.3}, {8, 0.25}})
        partials.push_back({double(k), a, 0});
      break;
    case LeadTimbre::Pluck: {
      in.Name = "plucked string";
      const int period = 84;
      in.Data = ToPcm16(PluckedString(period, 1.2, 0.996, seed));
      Tune(in, 60, double(InstrumentRate) / (period + 0.5));
      in.Volume = 60;
      return in;
    }
    case LeadTimbre::Bell: {
      in.Name = "bell";
      Wave w(size_t(InstrumentRate * 1.5));
      for (size_t i = 0; i < w.size(); i++) {
        double t = double(i) / InstrumentRate;
        double mod = 2.0 * std::exp(-t * 4.0) * std::sin(2.0 * SynthPi * baseHz * 3.5 * t);
        w[i] = std::exp(-t * 2.5) * std::sin(2.0 * SynthPi * baseHz * t + mod);
      }
      Normalize(w, 0.95);
      FadeEdges(w, 0.001, 0.1, InstrumentRate);
      in.Data = ToPcm16(w);
      Tune(in, 60, baseHz);
      in.Volume = 56;
      return in;
    }
  }
  LoopWhole(in, ToneLoopWave(baseHz, partials, seed));
  Tune(in, 60, baseHz);
  in.Volume = 52;
  in.VolumeEnvelope.Points = {{0, 0}, {2, 64}, {12, 44}, {40, 36}};
  in.VolumeEnvelope.Sustain = 3;
  in.Fadeout = 2048;
  return in;
}

XmInstrument MakeBass(BassTimbre timbre) {
  XmInstrument in;
  const int baseHz = 66;  // about C-2
  std::vector<Partial> partials;
  if (timbre == BassTimbre::Round) {
    in.Name = "round bass";
    partials = {{1, 1.0, 0}, {2, 0.45, 0}, {3, 0.15, 0}};
  } else {
    in.Name = "growl bass";
    for (int k = 1; k <= 10; k++) partials.push_back({double(k), 1.0 / k, 0});
    partials.push_back({1.0, 0.4, 2});
  }
  LoopWhole(in, ToneLoopWave(baseHz, partials, 0xba55u));
  Tune(in, 36, baseHz);
  in.Volume = 56;
  in.VolumeEnvelope.Points = {{0, 64}, {8, 52}, {30, 40}};
  in.VolumeEnvelope.Sustain = 2;
  in.Fadeout = 4096;
  return in;
}

XmInstrument MakePad(PadTimbre timbre) {
  XmInstrument in;
  const int baseHz = 262;
  std::vector<Partial> partials;
  if (timbre == PadTimbre::Strings) {
    in.Name = "string pad";
    for (int k = 1; k <= 10; k++) {
      partials.push_back({double(k), 1.0 / k, 0});
      partials.push_back({double(k), 0.8 / k, 2});
      partials.push_back({double(k), 0.6 / k, -2});
    }
  } else {
    in.Name = "choir pad";
    // vowel-like: the partials near 600 and 1000 Hz stand out
    for (int k = 1; k <= 8; k++) {
      double hz = baseHz * k;
      double formant = std::exp(-std::pow((hz - 600) / 250, 2)) + 0.7 * std::exp(-std::pow((hz - 1000) / 300, 2));
      partials.push_back({double(k), 0.3 / k + formant, 0});
      partials.push_back({double(k), 0.5 * (0.3 / k + formant), 2});
    }
  }
  LoopWhole(in, ToneLoopWave(baseHz, partials, 0x9ad0u));
  Tune(in, 60, baseHz);
  in.Volume = 22;
  in.VolumeEnvelope.Points = {{0, 0}, {30, 64}, {60, 54}};
  in.VolumeEnvelope.Sustain = 2;
  in.Fadeout = 600;
  return in;
}

XmInstrument MakeKick() {
  XmInstrument in;
  in.Name = "kick";
  Wave w(size_t(InstrumentRate * 0.35));
  double phase = 0.0;
  for (size_t i = 0; i < w.size(); i++) {
    double t = double(i) / InstrumentRate;
    double hz = 45.0 + 90.0 * std::exp(-t * 30.0);
    phase += 2.0 * SynthPi * hz / InstrumentRate;
    w[i] = std::sin(phase) * std::exp(-t * 9.0) + 0.3 * std::exp(-t * 400.0);
  }
  Normalize(w, 0.95);
  FadeEdges(w, 0.0, 0.02, InstrumentRate);
  in.Data = ToPcm16(w);
  Tune(in, 60, MidiHz(60));  // C-4 plays the sample as recorded
  in.Volume = 64;
  return in;
}

XmInstrument MakeSnare(uint32_t seed) {
  XmInstrument in;
  in.Name = "snare";
  SynthRandom rng(seed);
  Wave noise(size_t(InstrumentRate * 0.22));
  for (double& x : noise) x = rng.Signed();
  HighPass(noise, 900.0, InstrumentRate);
  LowPass(noise, 7000.0, InstrumentRate);
  Wave w(noise.size());
  for (size_t i = 0; i < w.size(); i++) {
    double t = double(i) / InstrumentRate;
    w[i] = noise[i] * std::exp(-t * 18.0) + 0.6 * std::sin(2.0 * SynthPi * 190.0 * t) * std::exp(-t * 30.0);
  }
  Normalize(w, 0.9);
  FadeEdges(w, 0.0, 0.02, InstrumentRate);
  in.Data = ToPcm16(w);
  Tune(in, 60, MidiHz(60));
  in.Volume = 60;
  return in;
}

XmInstrument MakeHat(uint32_t seed) {
  XmInstrument in;
  in.Name = "hi-hat";
  SynthRandom rng(seed);
  Wave w(size_t(InstrumentRate * 0.09));
  for (double& x : w) x = rng.Signed();
  HighPass(w, 6000.0, InstrumentRate);
  HighPass(w, 6000.0, InstrumentRate);
  for (size_t i = 0; i < w.size(); i++) w[i] *= std::exp(-double(i) / InstrumentRate * 45.0);
  Normalize(w, 0.95);
  FadeEdges(w, 0.0, 0.01, InstrumentRate);
  in.Data = ToPcm16(w);
  Tune(in, 60, MidiHz(60));
  in.Volume = 40;
  return in;
}
