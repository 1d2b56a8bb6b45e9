// The XM writer: header, packed patterns, instruments with their delta-coded samples.
#include "audio_xm.h"

#include <algorithm>
#include <cstring>

static void Put8(std::vector<uint8_t>& b, int v) { b.push_back(uint8_t(v)); }

static void Put16(std::vector<uint8_t>& b, int v) {
  Put8(b, v & 0xff);
  Put8(b, (v >> 8) & 0xff);
}

static void Put32(std::vector<uint8_t>& b, uint32_t v) {
  Put16(b, v & 0xffff);
  Put16(b, v >> 16);
}

static void PutText(std::vector<uint8_t>& b, const std::string& s, size_t width) {
  for (size_t i = 0; i < width; i++) Put8(b, i < s.size() ? s[i] : 0);
}

static void Set32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; i++) b[at + i] = uint8_t(v >> (8 * i));
}

static void PutPattern(std::vector<uint8_t>& b, const XmPattern& p, int channels) {
  std::vector<uint8_t> packed;
  for (const XmCell& c : p.Cells) {
    uint8_t mask = 0x80 | (c.Note ? 1 : 0) | (c.Instrument ? 2 : 0) | (c.Volume ? 4 : 0) |
                   (c.Effect ? 8 : 0) | (c.Param ? 16 : 0);
    if (mask == 0x9f) {
      Put8(packed, c.Note);  // all five: the plain form is as short
    } else {
      Put8(packed, mask);
      if (c.Note) Put8(packed, c.Note);
    }
    if (c.Instrument) Put8(packed, c.Instrument);
    if (c.Volume) Put8(packed, c.Volume);
    if (c.Effect) Put8(packed, c.Effect);
    if (c.Param) Put8(packed, c.Param);
  }
  Put32(b, 9);  // header length
  Put8(b, 0);   // packing type
  Put16(b, p.Rows);
  Put16(b, int(packed.size()));
  b.insert(b.end(), packed.begin(), packed.end());
}

static void PutInstrument(std::vector<uint8_t>& b, const XmInstrument& in) {
  Put32(b, 263);  // instrument header size, including the reserved tail
  PutText(b, in.Name, 22);
  Put8(b, 0);
  Put16(b, 1);   // one sample
  Put32(b, 40);  // sample header size
  for (int i = 0; i < 96; i++) Put8(b, 0);  // every note uses sample 0
  const XmEnvelope& env = in.VolumeEnvelope;
  for (int i = 0; i < 12; i++) {
    bool has = i < int(env.Points.size());
    Put16(b, has ? env.Points[i].first : 0);
    Put16(b, has ? env.Points[i].second : 0);
  }
  for (int i = 0; i < 24; i++) Put16(b, 0);  // panning envelope
  Put8(b, int(env.Points.size()));
  Put8(b, 0);
  Put8(b, std::max(env.Sustain, 0));
  Put8(b, 0);
  Put8(b, 0);
  Put8(b, 0);
  Put8(b, 0);
  Put8(b, 0);
  int volumeType = env.Points.empty() ? 0 : 1 | (env.Sustain >= 0 ? 2 : 0);
  Put8(b, volumeType);
  Put8(b, 0);  // panning envelope off
  Put8(b, 0);  // vibrato type, sweep, depth, rate
  Put8(b, 0);
  Put8(b, 0);
  Put8(b, 0);
  Put16(b, in.Fadeout);
  for (int i = 0; i < 22; i++) Put8(b, 0);  // reserved

  // sample header: lengths in bytes for 16-bit data
  Put32(b, uint32_t(in.Data.size() * 2));
  Put32(b, uint32_t(in.LoopStart * 2));
  Put32(b, uint32_t(in.LoopLength * 2));
  Put8(b, in.Volume);
  Put8(b, int8_t(in.Finetune));
  Put8(b, (in.LoopLength > 0 ? 1 : 0) | 0x10);  // forward loop, 16-bit
  Put8(b, in.Panning);
  Put8(b, int8_t(in.RelativeNote));
  Put8(b, 0);
  PutText(b, in.Name, 22);
  int16_t last = 0;
  for (int16_t s : in.Data) {
    Put16(b, uint16_t(int16_t(s - last)));
    last = s;
  }
}

std::vector<uint8_t> EncodeXm(const XmModule& m) {
  std::vector<uint8_t> b;
  PutText(b, "Extended Module: ", 17);
  PutText(b, m.Name, 20);
  Put8(b, 0x1a);
  PutText(b, "vontel datagen", 20);
  Put16(b, 0x0104);
  size_t headerAt = b.size();
  Put32(b, 0);
  Put16(b, int(m.Orders.size()));
  Put16(b, m.Restart);
  Put16(b, m.Channels);
  Put16(b, int(m.Patterns.size()));
  Put16(b, int(m.Instruments.size()));
  Put16(b, 1);  // linear frequency table
  Put16(b, m.Speed);
  Put16(b, m.Bpm);
  for (int i = 0; i < 256; i++) Put8(b, i < int(m.Orders.size()) ? m.Orders[i] : 0);
  Set32(b, headerAt, uint32_t(b.size() - headerAt));
  for (const XmPattern& p : m.Patterns) PutPattern(b, p, m.Channels);
  for (const XmInstrument& in : m.Instruments) PutInstrument(b, in);
  return b;
}

double XmSongSeconds(const XmModule& m) {
  double rows = 0;
  for (uint8_t o : m.Orders) rows += m.Patterns[o].Rows;
  return rows * m.Speed * 2.5 / m.Bpm;
}
