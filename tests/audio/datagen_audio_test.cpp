// The generator's samples and songs: the same bytes every run, all load in the mixer,
// the songs last a minute before they repeat and differ from each other, the engine
// loops join without a click.
#include <gtest/gtest.h>

#include <algorithm>
#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <set>

#include "../../tools/datagen/audio_data.h"
#include "../../tools/datagen/audio_instruments.h"
#include "../../tools/datagen/audio_synth.h"
#include "../../tools/datagen/audio_xm.h"
#include "audio/soundlib.h"
#include "audio_test_support.h"

static const char* const SampleNames[] = {"thunder.wav", "click.wav", "vontelstart.wav", "vontel1.wav",
                                          "vontel2.wav", "vontel3.wav", "crash.wav"};

static std::vector<std::string> SongNames() {
  std::vector<std::string> names = {"lomira.xm"};
  for (int level = 1; level <= 8; level++) names.push_back(LevelSongFile(level));
  return names;
}

static std::string Generate(const std::string& tag) {
  std::string dir = MakeTempDir(tag);
  WriteSounds(dir);
  WriteMusic(dir);
  return dir;
}

static int U16(const std::vector<uint8_t>& b, size_t at) { return b.at(at) | b.at(at + 1) << 8; }
static uint32_t U32(const std::vector<uint8_t>& b, size_t at) { return U16(b, at) | uint32_t(U16(b, at + 2)) << 16; }

// What the tests read back from an XM file, parsed here independently of the writer.
struct XmFacts {
  int Speed = 0, Bpm = 0, Channels = 0;
  std::vector<int> Orders;
  std::vector<int> PatternRows;
  bool TimingEffects = false;      // speed, jumps, breaks, loops, delays
  std::vector<int> Notes;          // every note played, channel by channel, in order
  std::set<int> Instruments;
  std::vector<std::vector<uint8_t>> SampleData;  // of each instrument, as stored
  double Seconds() const {
    double rows = 0;
    for (int o : Orders) rows += PatternRows.at(o);
    return rows * Speed * 2.5 / Bpm;
  }
};

static XmFacts ReadXm(const std::vector<uint8_t>& b) {
  XmFacts f;
  EXPECT_EQ(std::string(b.begin(), b.begin() + 17), "Extended Module: ");
  size_t h = 60;
  uint32_t headerSize = U32(b, h);
  int songLength = U16(b, h + 4);
  f.Channels = U16(b, h + 8);
  int patterns = U16(b, h + 10);
  f.Speed = U16(b, h + 16);
  f.Bpm = U16(b, h + 18);
  for (int i = 0; i < songLength; i++) f.Orders.push_back(b.at(h + 20 + i));
  size_t at = h + headerSize;
  for (int p = 0; p < patterns; p++) {
    uint32_t len = U32(b, at);
    int rows = U16(b, at + 5);
    int packed = U16(b, at + 7);
    f.PatternRows.push_back(rows);
    size_t q = at + len, end = q + packed;
    while (q < end) {
      uint8_t first = b.at(q++);
      uint8_t mask = first & 0x80 ? first : 0x1f;
      uint8_t note = 0, instrument = 0, effect = 0, param = 0;
      if (!(first & 0x80)) note = first;
      else if (mask & 1) note = b.at(q++);
      if (mask & 2) instrument = b.at(q++);
      if (mask & 4) q++;
      if (mask & 8) effect = b.at(q++);
      if (mask & 16) param = b.at(q++);
      if (effect == 0x0b || effect == 0x0d || effect == 0x0f ||
          (effect == 0x0e && ((param >> 4) == 6 || (param >> 4) == 0x0e)))
        f.TimingEffects = true;
      if (note && note < 97) f.Notes.push_back(note);
      if (instrument) f.Instruments.insert(instrument);
    }
    at = end;
  }
  int instruments = U16(b, h + 12);
  for (int i = 0; i < instruments; i++) {
    uint32_t size = U32(b, at);
    int samples = U16(b, at + 27);
    size_t headers = at + size;
    size_t data = headers + size_t(samples) * 40;
    std::vector<uint8_t> bytes;
    for (int k = 0; k < samples; k++) {
      uint32_t length = U32(b, headers + size_t(k) * 40);
      bytes.insert(bytes.end(), b.begin() + data, b.begin() + data + length);
      data += length;
    }
    f.SampleData.push_back(bytes);
    at = data;
  }
  EXPECT_EQ(at, b.size()) << "the file ends with the last sample";
  return f;
}

struct WavFacts {
  int Format = 0, Channels = 0, Rate = 0, Bits = 0;
  std::vector<int16_t> Samples;
};

static WavFacts ReadWav(const std::vector<uint8_t>& b) {
  WavFacts w;
  EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
  w.Format = U16(b, 20);
  w.Channels = U16(b, 22);
  w.Rate = int(U32(b, 24));
  w.Bits = U16(b, 34);
  uint32_t bytes = U32(b, 40);
  for (size_t i = 0; i + 1 < bytes && 44 + i + 1 < b.size(); i += 2) w.Samples.push_back(int16_t(U16(b, 44 + i)));
  return w;
}

TEST(DatagenAudio, SameBytesOnEveryRun) {
  std::string a = Generate("gen-a"), b = Generate("gen-b");
  std::vector<std::string> files(std::begin(SampleNames), std::end(SampleNames));
  for (const std::string& s : SongNames()) files.push_back(s);
  for (const std::string& name : files) {
    SCOPED_TRACE(name);
    std::vector<uint8_t> first = ReadBytes(a + "/" + name);
    EXPECT_GT(first.size(), 1000u);
    std::vector<uint8_t> second = ReadBytes(b + "/" + name);
    EXPECT_TRUE(first.size() == second.size() &&
                std::equal(first.begin(), first.end(), second.begin()));
  }
}

TEST(DatagenAudio, EverythingLoadsInTheMixer) {
  std::string dir = Generate("gen-check");
  std::vector<std::string> problems;
  CheckAudio(dir, problems);
  for (const std::string& p : problems) ADD_FAILURE() << p;
}

TEST(DatagenAudio, CheckNamesEachBrokenOrMissingFile) {
  std::string dir = Generate("gen-broken");
  std::remove((dir + "/crash.wav").c_str());
  WriteBytes(dir + "/vontel2.wav", "RIFF and then nothing sensible");
  WriteBytes(dir + "/song4.xm", "Extended Module: cut short");
  std::remove((dir + "/song8.xm").c_str());
  std::vector<std::string> problems;
  CheckAudio(dir, problems);
  ASSERT_EQ(problems.size(), 4u);
  const char* named[] = {"vontel2.wav", "crash.wav", "song4.xm", "song8.xm"};
  for (int i = 0; i < 4; i++) EXPECT_NE(problems[i].find(dir + "/" + named[i]), std::string::npos) << problems[i];
  EXPECT_NE(problems[1].find("missing"), std::string::npos);
}

TEST(DatagenAudio, SamplesAreSixteenBitMono) {
  std::string dir = Generate("gen-wav");
  for (const char* name : SampleNames) {
    SCOPED_TRACE(name);
    WavFacts w = ReadWav(ReadBytes(dir + "/" + name));
    EXPECT_EQ(w.Format, 1);
    EXPECT_EQ(w.Channels, 1);
    EXPECT_TRUE(w.Rate == 22050 || w.Rate == 44100) << w.Rate;
    EXPECT_EQ(w.Bits, 16);
    EXPECT_GT(PeakOf(w.Samples), 8000);
    // one-shots start and end quietly; only the loops may end loud
    EXPECT_LT(std::abs(int(w.Samples.front())), 2000);
  }
}

// Played end to start the loop must not step further than it does anywhere inside, and
// it starts at a zero crossing.
TEST(DatagenAudio, EngineLoopsJoinWithoutAClick) {
  std::string dir = Generate("gen-loop");
  for (const char* name : {"vontel1.wav", "vontel2.wav", "vontel3.wav"}) {
    SCOPED_TRACE(name);
    std::vector<int16_t> s = ReadWav(ReadBytes(dir + "/" + name)).Samples;
    ASSERT_GT(s.size(), 1000u);
    int largestStep = 0;
    for (size_t i = 1; i < s.size(); i++) largestStep = std::max(largestStep, std::abs(s[i] - s[i - 1]));
    int seam = std::abs(s.front() - s.back());
    EXPECT_LE(seam, largestStep);
    EXPECT_LE(seam, 3000);
    EXPECT_GE(s.front(), 0);
    EXPECT_LT(s.back(), 0);
    EXPECT_LT(std::abs(int(s.front())), 2000);
  }
}

TEST(DatagenAudio, SongsLastAMinuteAndDiffer) {
  std::string dir = Generate("gen-songs");
  std::set<int> tempos;
  std::set<std::vector<int>> melodies;
  std::set<std::string> leads;  // each song's lead sample, as bytes
  std::set<std::set<int>> keys;  // pitch classes each song uses
  for (const std::string& name : SongNames()) {
    SCOPED_TRACE(name);
    XmFacts f = ReadXm(ReadBytes(dir + "/" + name));
    EXPECT_FALSE(f.TimingEffects);
    EXPECT_GE(f.Seconds(), 60.0);
    EXPECT_GE(f.Channels, 6);
    EXPECT_GE(f.Instruments.size(), 6u) << "melody, arpeggio, bass, pad, kick, snare, hi-hat";
    EXPECT_GT(f.Notes.size(), 500u);
    tempos.insert(f.Bpm);
    melodies.insert(std::vector<int>(f.Notes.begin(), f.Notes.begin() + 200));
    ASSERT_FALSE(f.SampleData.empty());
    leads.insert(std::string(f.SampleData[0].begin(), f.SampleData[0].end()));
    std::set<int> pitchClasses;
    for (int n : f.Notes) pitchClasses.insert(n % 12);
    keys.insert(pitchClasses);
  }
  EXPECT_GE(tempos.size(), 3u);
  EXPECT_GE(leads.size(), 3u);
  EXPECT_GE(keys.size(), 3u);
  EXPECT_EQ(melodies.size(), SongNames().size());
}

TEST(DatagenAudio, LevelSongNames) {
  EXPECT_EQ(LevelSongFile(1), "song1.xm");
  EXPECT_EQ(LevelSongFile(8), "song8.xm");
}

TEST(DatagenAudio, UnwritableDirectoryIsAnErrorNamingTheFile) {
  try {
    WriteSounds("/nonexistent/dir");
    FAIL() << "no error";
  } catch (const std::exception& e) {
    EXPECT_NE(std::string(e.what()).find("/nonexistent/dir/thunder.wav"), std::string::npos) << e.what();
  }
}

// Each instrument's XM note sounds at the pitch of the same MIDI note: one note of a tiny
// module, played by the mixer and recorded, its period found by autocorrelation near the
// expected one. (The bell is left out: its partials are inharmonic by design, so its period
// is no measure of its pitch.)
TEST(DatagenAudio, InstrumentsPlayInTune) {
  struct Case {
    const char* Name;
    XmInstrument Instrument;
    int Midi;
  };
  const Case cases[] = {{"square lead", MakeLead(LeadTimbre::Square, 1), 69},
                        {"organ", MakeLead(LeadTimbre::Organ, 1), 60},
                        {"plucked string", MakeLead(LeadTimbre::Pluck, 1), 64},
                        {"saw lead", MakeLead(LeadTimbre::Saw, 1), 72},
                        {"round bass", MakeBass(BassTimbre::Round), 40},
                        {"string pad", MakePad(PadTimbre::Strings), 57}};
  std::string out = UseDiskAudio("tune");
  std::string dir = MakeTempDir("tune");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    XmModule m;
    m.Channels = 2;
    m.Orders = {0};
    XmPattern p;
    p.Rows = 64;
    p.Cells.resize(p.Rows * m.Channels);
    p.Cells[0].Note = uint8_t(c.Midi - 11);
    p.Cells[0].Instrument = 1;
    m.Patterns = {p};
    m.Instruments = {c.Instrument};
    std::string file = dir + "/tune.xm";
    WriteBinaryFile(file, EncodeXm(m));
    ASSERT_TRUE(FSOUND_Init(44100, 42, 0));
    FMUSIC_MODULE* song = FMUSIC_LoadSong(file.c_str());
    ASSERT_NE(song, nullptr);
    FMUSIC_PlaySong(song);
    WaitRecorded(out, 700);
    FMUSIC_FreeSong(song);
    FSOUND_Close();
    std::vector<int16_t> rec = RecordedSamples(out, FramesOf(150), FramesOf(550));
    std::vector<double> left;
    for (size_t i = 0; i < rec.size(); i += 2) left.push_back(rec[i]);
    ASSERT_GT(left.size(), 8000u);
    double hz = 440.0 * std::pow(2.0, (c.Midi - 69) / 12.0);
    double period = RecordRate / hz;
    int bestLag = 0;
    double best = -1e300;
    for (int lag = int(period * 0.75); lag <= int(period * 1.35); lag++) {
      double sum = 0;
      for (size_t i = 0; i + lag < 8000; i++) sum += left[i] * left[i + lag];
      if (sum > best) {
        best = sum;
        bestLag = lag;
      }
    }
    EXPECT_NEAR(RecordRate / double(bestLag), hz, hz * 0.02);
  }
}
