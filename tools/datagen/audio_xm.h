#pragma once
// The parts of an XM module this generator writes, and the writer. One sample per
// instrument, 16-bit, linear frequency table, no effects that change the song's length.
#include <cstdint>
#include <string>
#include <vector>

inline constexpr uint8_t XmNoteOff = 97;

struct XmCell {
  uint8_t Note = 0;        // 1 = C-0 .. 96, XmNoteOff; 0 empty
  uint8_t Instrument = 0;  // 1-based, 0 empty
  uint8_t Volume = 0;      // volume column: 0x10..0x50 sets 0..64, 0 empty
  uint8_t Effect = 0;
  uint8_t Param = 0;
};

struct XmPattern {
  int Rows = 64;
  std::vector<XmCell> Cells;  // Rows x channel count, row by row
};

struct XmEnvelope {
  std::vector<std::pair<int, int>> Points;  // (tick, level 0..64)
  int Sustain = -1;                         // point index, -1 none
};

struct XmInstrument {
  std::string Name;
  std::vector<int16_t> Data;
  int LoopStart = 0, LoopLength = 0;  // in samples; length 0: no loop
  int Volume = 64;                    // 0..64
  int Finetune = 0;                   // -128..127
  int RelativeNote = 0;
  int Panning = 128;
  XmEnvelope VolumeEnvelope;          // no points: envelope off
  int Fadeout = 0;
};

struct XmModule {
  std::string Name;
  int Channels = 8;
  int Speed = 6;   // ticks per row
  int Bpm = 125;
  int Restart = 0;
  std::vector<uint8_t> Orders;
  std::vector<XmPattern> Patterns;
  std::vector<XmInstrument> Instruments;
};

std::vector<uint8_t> EncodeXm(const XmModule& m);
// Seconds the module plays before it repeats (no effect in these modules alters timing).
double XmSongSeconds(const XmModule& m);
