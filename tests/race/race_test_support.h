#pragma once
// Small helpers for the race tests: a temporary working directory with a data/ folder,
// files written into it, hand-made grids and a recorder standing in for the sound code.
#include <gtest/gtest.h>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "audio/sound.h"

// Makes a fresh directory with data/ inside, chdir()s into it, and removes it afterwards.
class TempDataDir {
 public:
  TempDataDir();
  ~TempDataDir();
  std::string Root;

 private:
  std::string OldDir;
};

void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
bool FileExists(const std::string& path);

// Sounds the race asked for, in order, as (channel, sample).
extern std::vector<std::pair<int, FSOUND_SAMPLE*>> RecordedSounds;
extern bool EngineChannelBusy;  // what the stand-in says FSOUND_IsPlaying(40) returns

// Installs the recorder and gives every race sample a distinct stand-in pointer; restores
// the sound code's samples when it goes.
class SoundRecorder {
 public:
  SoundRecorder();
  ~SoundRecorder();
  int Count(int channel, FSOUND_SAMPLE* sample) const;

 private:
  FSOUND_SAMPLE* Saved[7];
};

// The race state of a fresh race on the loaded grids, without files: boat at its start,
// TickCount 0, ScreenState 6, LastCheckpoint -1.
void ResetRaceState(int checkpointCount);
// Fills the heightmap with one height and the checkpoint layer with one value.
void FillGrids(uint8_t height, uint8_t checkpoint);
void SetHeight(int row, int col, uint8_t height);
void SetCheckpoint(int row, int col, uint8_t value);

// A river course: the heightmap is land (150) except a channel of the given half width
// (water 20) along the polyline through `points` (row, column); checkpoint i (from 0) is a
// disc across the channel at points[i + 1]. Writes nothing; fills LevelGrids.
struct CellPoint {
  double Row, Col;
};
void BuildCourse(const std::vector<CellPoint>& points, double halfWidth);

// Writes data/<name>.raw, data/<name>add.raw from LevelGrids, a level file with the
// checkpoint count, and data/vontel.cfg.
void WriteLevelFiles(const std::string& name, int checkpointCount);
void WriteConfig(const std::string& detailLine, const std::string& particleLine);
