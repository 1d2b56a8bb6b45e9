// The songs of the data set: the menu song and one for each of the eight levels, each in
// a style of its own.
#include <string>

#include "audio_compose.h"
#include "audio_data.h"
#include "audio_synth.h"

using L = LeadTimbre;

static const SongStyle MenuSong = {
    "lomira", 57, MinorScale, 108, 6, {0, 5, 2, 6, 0, 5, 3, 4},
    L::Pluck, L::Bell, BassTimbre::Round, PadTimbre::Strings, Groove::HalfTime, Arpeggio::Eighths, 0x10a1u};

static const SongStyle LevelSongs[8] = {
    {"river run", 62, MajorScale, 128, 6, {0, 4, 5, 3, 0, 4, 5, 3},
     L::Square, L::Pluck, BassTimbre::Growl, PadTimbre::Strings, Groove::FourOnFloor, Arpeggio::Sixteenths, 0x2001u},
    {"deep water", 64, DorianScale, 96, 6, {0, 3, 0, 3, 0, 3, 6, 4},
     L::Organ, L::Bell, BassTimbre::Round, PadTimbre::Choir, Groove::Breakbeat, Arpeggio::Eighths, 0x3002u},
    {"white rapids", 55, MixolydianScale, 140, 6, {0, 6, 3, 0, 0, 6, 3, 4},
     L::Saw, L::Pluck, BassTimbre::Growl, PadTimbre::Strings, Groove::Rock, Arpeggio::None, 0x4003u},
    {"black forest", 60, HarmonicMinorScale, 116, 6, {0, 3, 4, 0, 5, 3, 4, 4},
     L::Square, L::Bell, BassTimbre::Round, PadTimbre::Choir, Groove::HalfTime, Arpeggio::Sixteenths, 0x5004u},
    {"sunny banks", 65, MajorScale, 150, 6, {0, 5, 1, 4, 0, 5, 1, 4},
     L::Pluck, L::Bell, BassTimbre::Growl, PadTimbre::Strings, Groove::Rock, Arpeggio::Eighths, 0x6005u},
    {"frozen falls", 59, MinorScale, 104, 6, {0, 6, 5, 6, 0, 6, 5, 4},
     L::Bell, L::Pluck, BassTimbre::Round, PadTimbre::Choir, Groove::FourOnFloor, Arpeggio::Eighths, 0x7006u},
    {"night current", 63, MajorScale, 132, 6, {3, 4, 2, 5, 3, 4, 0, 0},
     L::Saw, L::Bell, BassTimbre::Growl, PadTimbre::Strings, Groove::Breakbeat, Arpeggio::Sixteenths, 0x8007u},
    {"last descent", 66, MinorScale, 160, 6, {0, 0, 5, 6, 0, 0, 3, 4},
     L::Organ, L::Pluck, BassTimbre::Growl, PadTimbre::Choir, Groove::Rock, Arpeggio::Sixteenths, 0x9008u},
};

std::string LevelSongFile(int level) {
  return "song" + std::to_string(level) + ".xm";
}

void WriteMusic(const std::string& dataDir) {
  WriteBinaryFile(dataDir + "/lomira.xm", EncodeXm(ComposeSong(MenuSong)));
  for (int level = 1; level <= 8; level++) {
    WriteBinaryFile(dataDir + "/" + LevelSongFile(level), EncodeXm(ComposeSong(LevelSongs[level - 1])));
  }
}
