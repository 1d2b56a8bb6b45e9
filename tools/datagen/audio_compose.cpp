// The composer. A song is a row of four-bar sections (intro, verses, choruses, a break,
// an outro); each order of the song is a pattern of its own, written from two melodic
// motifs of the song varied per section, over the style's chords, bass line and groove.
#include "audio_compose.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "audio_synth.h"

const int MajorScale[7] = {0, 2, 4, 5, 7, 9, 11};
const int MinorScale[7] = {0, 2, 3, 5, 7, 8, 10};
const int DorianScale[7] = {0, 2, 3, 5, 7, 9, 10};
const int MixolydianScale[7] = {0, 2, 4, 5, 7, 9, 10};
const int HarmonicMinorScale[7] = {0, 2, 3, 5, 7, 8, 11};

enum Channel { ChLead, ChArp, ChBass, ChPad1, ChPad2, ChPad3, ChKick, ChSnare, ChHat, ChEcho, ChannelCount };
enum Instrument { InLead = 1, InArp, InBass, InPad, InKick, InSnare, InHat };
enum class Section { Intro, Verse, Chorus, Break, Outro };

static const int StepsPerBar = 16;
static const int BarsPerPattern = 4;
static const int RowsPerPattern = StepsPerBar * BarsPerPattern;

struct MotifNote {
  int Step;    // 0..31 over two bars
  int Length;  // in steps
  int Degree;  // scale degree above the lead's tonic
};
using Motif = std::vector<MotifNote>;

// MIDI note of a scale degree counted from `tonic` (negative degrees go down).
static int DegreeNote(const SongStyle& s, int tonic, int degree) {
  int octave = degree >= 0 ? degree / 7 : -((-degree + 6) / 7);
  return tonic + 12 * octave + s.Scale[degree - 7 * octave];
}

// The chord tone (chord root, third or fifth, any octave) nearest to `degree`.
static int NearestChordTone(int degree, int chordRoot) {
  int best = degree, bestDistance = 99;
  for (int d = degree - 3; d <= degree + 3; d++) {
    int rel = ((d - chordRoot) % 7 + 7) % 7;
    if ((rel == 0 || rel == 2 || rel == 4) && std::abs(d - degree) < bestDistance) {
      best = d;
      bestDistance = std::abs(d - degree);
    }
  }
  return best;
}

// Note starts fall mostly on beats and eighths; pitches walk by small steps in a range.
static Motif MakeMotif(SynthRandom& rng, double density, int low, int high) {
  Motif m;
  int degree = (low + high) / 2;
  for (int step = 0; step < 32; step++) {
    double chance = step % 4 == 0 ? 0.75 : step % 2 == 0 ? 0.45 * density : 0.12 * density;
    if (step == 0 || (step < 28 && rng.Uniform() < chance)) {
      static const int moves[] = {-2, -1, -1, 0, 1, 1, 2, 3, -3};
      degree = std::clamp(degree + moves[rng.Below(9)], low, high);
      m.push_back({step, 1, degree});
    }
  }
  m.push_back({28, 4, m.back().Degree});  // a held note closes the phrase
  for (size_t i = 0; i + 1 < m.size(); i++) {
    int gap = m[i + 1].Step - m[i].Step;
    m[i].Length = gap > 6 ? 4 + rng.Below(3) : gap;
  }
  return m;
}

// Each instrument's default volume is its level in the mix: the volume column of every
// note is scaled by it (the column replaces the default, so the writer applies it).
struct PatternWriter {
  XmPattern Pattern;
  const std::vector<XmInstrument>& Instruments;
  explicit PatternWriter(const std::vector<XmInstrument>& instruments) : Instruments(instruments) {
    Pattern.Rows = RowsPerPattern;
    Pattern.Cells.resize(RowsPerPattern * ChannelCount);
  }
  XmCell& At(int row, int channel) { return Pattern.Cells[row * ChannelCount + channel]; }
  bool Free(int row, int channel) { return row < RowsPerPattern && At(row, channel).Note == 0; }
  void Note(int row, int channel, int midi, int instrument, int volume) {
    if (row < 0 || row >= RowsPerPattern) return;
    XmCell& c = At(row, channel);
    c.Note = uint8_t(std::clamp(midi - 11, 1, 96));  // XM C-4 (49) is MIDI 60
    c.Instrument = uint8_t(instrument);
    int level = volume * Instruments[instrument - 1].Volume / 52;
    c.Volume = uint8_t(0x10 + std::clamp(level, 0, 64));
  }
  // A release past the pattern's end falls on its last row, so no note rings on into the
  // next section.
  void Off(int row, int channel) {
    row = std::min(row, RowsPerPattern - 1);
    if (row >= 0 && Free(row, channel)) At(row, channel).Note = XmNoteOff;
  }
};

struct SongContext {
  const SongStyle& Style;
  const std::vector<XmInstrument>& Instruments;
  int LeadTonic;
  bool LeadSustains;  // looped lead: its notes need note-offs
  Motif A, B;
};

static int ChordOf(const SongStyle& s, int globalBar) { return s.Chords[globalBar % 8]; }

static void WriteMotif(PatternWriter& w, const SongContext& c, const Motif& m, int firstBar,
                       int globalBar, SynthRandom& rng, bool sparse, bool echo) {
  int index = 0;
  for (const MotifNote& n : m) {
    index++;
    if (sparse && index % 2 == 0) continue;
    int bar = n.Step / StepsPerBar;
    int chord = ChordOf(c.Style, globalBar + bar);
    int degree = n.Degree;
    if (n.Step % 4 == 0) {
      degree = NearestChordTone(degree, chord);
    } else if (rng.Uniform() < 0.25) {
      degree += rng.Below(2) ? 1 : -1;
    }
    int row = (firstBar + bar) * StepsPerBar + n.Step % StepsPerBar;
    int midi = DegreeNote(c.Style, c.LeadTonic, degree);
    int volume = n.Step % 4 == 0 ? 62 : 50;
    w.Note(row, ChLead, midi, InLead, volume);
    if (c.LeadSustains) w.Off(row + n.Length, ChLead);
    if (echo) {
      w.Note(row + 3, ChEcho, midi, InLead, volume * 2 / 5);
      if (c.LeadSustains) w.Off(row + 3 + n.Length, ChEcho);
    }
  }
}

static void WriteBass(PatternWriter& w, const SongContext& c, Section section, int bar, int globalBar) {
  const SongStyle& s = c.Style;
  int chord = ChordOf(s, globalBar);
  int tonic = s.Root - 24;
  int root = DegreeNote(s, tonic, chord);
  int fifth = DegreeNote(s, tonic, chord + 4);
  int base = bar * StepsPerBar;
  if (section == Section::Intro || section == Section::Outro || section == Section::Break) {
    w.Note(base, ChBass, root, InBass, 48);
    if (section == Section::Outro && bar == BarsPerPattern - 1) w.Off(base + 12, ChBass);
    return;
  }
  struct Hit { int Step; int Which; };  // 0 root, 1 fifth, 2 octave
  static const std::vector<Hit> rock = {{0, 0}, {2, 0}, {4, 0}, {6, 0}, {8, 0}, {10, 0}, {12, 0}, {14, 1}};
  static const std::vector<Hit> four = {{2, 0}, {6, 0}, {10, 0}, {14, 2}};
  static const std::vector<Hit> half = {{0, 0}, {6, 0}, {10, 1}, {14, 0}};
  static const std::vector<Hit> brk = {{0, 0}, {3, 0}, {8, 2}, {11, 0}, {14, 1}};
  const std::vector<Hit>* hits = &rock;
  if (s.Drums == Groove::FourOnFloor) hits = &four;
  if (s.Drums == Groove::HalfTime) hits = &half;
  if (s.Drums == Groove::Breakbeat) hits = &brk;
  for (const Hit& h : *hits) {
    int note = h.Which == 0 ? root : h.Which == 1 ? fifth : root + 12;
    w.Note(base + h.Step, ChBass, note, InBass, h.Step % 4 == 0 ? 52 : 44);
    w.Off(base + h.Step + 2, ChBass);
  }
}

// The chord's root, third and fifth as the inversion that moves least from the last one.
static void WritePad(PatternWriter& w, const SongContext& c, int bar, int globalBar, int voices[3]) {
  const SongStyle& s = c.Style;
  int chord = ChordOf(s, globalBar);
  int best[3] = {0, 0, 0}, bestMove = 1 << 30;
  for (int lowest = -3; lowest <= 5; lowest++) {  // which chord tone is lowest, and its octave
    int tones[3];
    for (int v = 0; v < 3; v++) {
      int index = lowest + v;  // consecutive chord tones: root, third, fifth, root + octave...
      int octave = index >= 0 ? index / 3 : -((-index + 2) / 3);
      tones[v] = DegreeNote(s, s.Root - 12, chord + 2 * (index - 3 * octave) + 7 * octave);
    }
    int move = 0;
    for (int v = 0; v < 3; v++) move += std::abs(tones[v] - voices[v]);
    if (tones[0] < s.Root - 14 || tones[2] > s.Root + 14) move += 100;  // keep to the middle
    if (move < bestMove) {
      bestMove = move;
      std::copy(tones, tones + 3, best);
    }
  }
  for (int v = 0; v < 3; v++) {
    voices[v] = best[v];
    w.Note(bar * StepsPerBar, ChPad1 + v, best[v], InPad, 48);
  }
}

static void WriteArp(PatternWriter& w, const SongContext& c, int bar, int globalBar, bool sixteenths) {
  const SongStyle& s = c.Style;
  int chord = ChordOf(s, globalBar);
  static const int upDown[] = {0, 2, 4, 7, 9, 7, 4, 2};
  static const int up[] = {0, 2, 4, 7};
  int stride = sixteenths ? 1 : 2;
  for (int step = 0, i = 0; step < StepsPerBar; step += stride, i++) {
    int k = sixteenths ? upDown[i % 8] : up[i % 4];
    int midi = DegreeNote(s, s.Root, chord + k);
    w.Note(bar * StepsPerBar + step, ChArp, midi, InArp, step % 4 == 0 ? 30 : 22);
  }
}

static const char* const DrumRows[4][3] = {
    // kick, snare, hi-hat over sixteen steps
    {"x.......x.x.....", "....x.......x...", "x.x.x.x.x.x.x.x."},  // rock
    {"x...x...x...x...", "....x.......x...", "..x...x...x...x."},  // four on the floor
    {"x.........x.....", "........x.......", "x.x.x.x.x.x.x.x."},  // half time
    {"x.....x...x.....", "....x..x.x..x..x", "xxxxxxxxxxxxxxxx"},  // breakbeat
};

static void WriteDrums(PatternWriter& w, const SongContext& c, Section section, int bar) {
  const char* const* rows = DrumRows[int(c.Style.Drums)];
  int base = bar * StepsPerBar;
  bool fill = (section == Section::Verse || section == Section::Chorus) && bar == BarsPerPattern - 1;
  for (int step = 0; step < StepsPerBar; step++) {
    int row = base + step;
    bool kick = rows[0][step] == 'x', snare = rows[1][step] == 'x', hat = rows[2][step] == 'x';
    int hatVolume = step % 4 == 0 ? 40 : step % 2 == 0 ? 32 : 22;
    switch (section) {
      case Section::Intro:
        if (hat) w.Note(row, ChHat, 60, InHat, hatVolume - 8);
        if (bar >= 2 && step == 0) w.Note(row, ChKick, 60, InKick, 50);
        continue;
      case Section::Break:
        if (step == 0) w.Note(row, ChKick, 60, InKick, 56);
        if (step % 4 == 2) w.Note(row, ChHat, 60, InHat, 26);
        continue;
      case Section::Outro:
        if (bar == BarsPerPattern - 1) {
          if (step == 0) w.Note(row, ChKick, 60, InKick, 60);
          continue;
        }
        break;
      default:
        break;
    }
    if (kick) w.Note(row, ChKick, 60, InKick, 64);
    if (fill && step >= 12) {
      w.Note(row, ChSnare, 60, InSnare, 36 + (step - 12) * 8);
    } else if (snare) {
      w.Note(row, ChSnare, 60, InSnare, step % 4 == 0 ? 56 : 34);
    }
    if (hat) w.Note(row, ChHat, 60, InHat, section == Section::Chorus ? hatVolume + 6 : hatVolume);
  }
}

static XmPattern WriteSection(const SongContext& c, Section section, int order, int pad[3]) {
  PatternWriter w(c.Instruments);
  SynthRandom rng(c.Style.Seed ^ (uint32_t(order + 1) * 0x9e3779b9u));
  int firstGlobalBar = order * BarsPerPattern;
  switch (section) {
    case Section::Verse:
      WriteMotif(w, c, c.A, 0, firstGlobalBar, rng, false, false);
      WriteMotif(w, c, c.A, 2, firstGlobalBar + 2, rng, false, false);
      break;
    case Section::Chorus:
      WriteMotif(w, c, c.B, 0, firstGlobalBar, rng, false, true);
      WriteMotif(w, c, c.B, 2, firstGlobalBar + 2, rng, false, true);
      break;
    case Section::Break:
      WriteMotif(w, c, c.A, 2, firstGlobalBar + 2, rng, true, true);
      break;
    case Section::Outro: {
      int last = DegreeNote(c.Style, c.LeadTonic, 7);
      w.Note(0, ChLead, DegreeNote(c.Style, c.LeadTonic, NearestChordTone(9, ChordOf(c.Style, firstGlobalBar))), InLead, 44);
      w.Note(2 * StepsPerBar, ChLead, last, InLead, 44);
      w.Off(3 * StepsPerBar + 12, ChLead);
      break;
    }
    case Section::Intro:
      break;
  }
  for (int bar = 0; bar < BarsPerPattern; bar++) {
    int globalBar = firstGlobalBar + bar;
    WriteBass(w, c, section, bar, globalBar);
    WritePad(w, c, bar, globalBar, pad);
    WriteDrums(w, c, section, bar);
    bool arp = section == Section::Chorus || section == Section::Break ||
               (section == Section::Intro && bar >= 2);
    if (arp && (c.Style.Arp != Arpeggio::None || section == Section::Break)) {
      WriteArp(w, c, bar, globalBar, c.Style.Arp == Arpeggio::Sixteenths);
    }
  }
  if (section == Section::Outro) {
    for (int ch : {ChArp, ChPad1, ChPad2, ChPad3, ChEcho}) w.Off(3 * StepsPerBar + 12, ch);
  }
  return w.Pattern;
}

XmModule ComposeSong(const SongStyle& style) {
  XmModule m;
  m.Name = style.Name;
  m.Channels = ChannelCount;
  m.Speed = style.Speed;
  m.Bpm = style.Bpm;
  m.Instruments = {MakeLead(style.Lead, style.Seed),   MakeLead(style.ArpVoice, style.Seed + 1),
                   MakeBass(style.Bass),               MakePad(style.Pad),
                   MakeKick(),                         MakeSnare(style.Seed + 2),
                   MakeHat(style.Seed + 3)};
  m.Instruments[1].Volume = m.Instruments[1].Volume * 3 / 4;

  SongContext c{style, m.Instruments, style.Root <= 60 ? style.Root : style.Root - 12,
                style.Lead != LeadTimbre::Pluck && style.Lead != LeadTimbre::Bell, {}, {}};
  SynthRandom rng(style.Seed);
  c.A = MakeMotif(rng, 0.8, 0, 9);
  c.B = MakeMotif(rng, 1.1, 5, 14);

  double patternSeconds = RowsPerPattern * style.Speed * 2.5 / style.Bpm;
  int count = std::max(3, int(std::ceil(MinimumSongSeconds / patternSeconds)));
  static const Section body[] = {Section::Verse, Section::Verse, Section::Chorus, Section::Chorus,
                                 Section::Break, Section::Verse, Section::Chorus, Section::Chorus};
  std::vector<Section> sections = {Section::Intro};
  for (int i = 0; int(sections.size()) < count - 1; i++) sections.push_back(body[i % 8]);
  sections.push_back(Section::Outro);

  int pad[3] = {style.Root - 5, style.Root, style.Root + 4};
  for (size_t order = 0; order < sections.size(); order++) {
    m.Patterns.push_back(WriteSection(c, sections[order], int(order), pad));
    m.Orders.push_back(uint8_t(order));
  }
  return m;
}
