#pragma once
// A small composer: from a song's style (key, scale, tempo, chords, instruments, groove
// and a seed) it writes sections of melody, arpeggio, bass, pad chords and drums.
#include <cstdint>
#include <string>

#include "audio_instruments.h"
#include "audio_xm.h"

enum class Groove { Rock, FourOnFloor, HalfTime, Breakbeat };
enum class Arpeggio { None, Eighths, Sixteenths };

struct SongStyle {
  std::string Name;
  int Root;               // MIDI note of the key's tonic, 55..66
  const int* Scale;       // seven semitone steps from the tonic
  int Bpm;
  int Speed;              // ticks per row; four rows make a beat
  int Chords[8];          // scale degree of each bar's chord, repeating every eight bars
  LeadTimbre Lead;
  LeadTimbre ArpVoice;    // Pluck or Bell: the arpeggio's notes die away by themselves
  BassTimbre Bass;
  PadTimbre Pad;
  Groove Drums;
  Arpeggio Arp;
  uint32_t Seed;
};

extern const int MajorScale[7];
extern const int MinorScale[7];
extern const int DorianScale[7];
extern const int MixolydianScale[7];
extern const int HarmonicMinorScale[7];

// The song plays at least this long before it repeats.
inline constexpr double MinimumSongSeconds = 62.0;

XmModule ComposeSong(const SongStyle& style);
