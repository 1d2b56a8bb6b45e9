#include "race_test_support.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "race/level_file.h"
#include "race/race_setup.h"
#include "race/race_sounds.h"
#include "race/race_state.h"
#include "shell/state.h"

TempDataDir::TempDataDir() {
  char buffer[] = "/tmp/vontel_race_XXXXXX";
  char* made = mkdtemp(buffer);
  if (!made) std::abort();
  Root = made;
  char cwd[4096];
  OldDir = getcwd(cwd, sizeof cwd) ? cwd : "/tmp";
  std::filesystem::create_directory(Root + "/data");
  if (chdir(Root.c_str()) != 0) std::abort();
}

TempDataDir::~TempDataDir() {
  if (chdir(OldDir.c_str()) != 0) return;
  std::error_code ignored;
  std::filesystem::remove_all(Root, ignored);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr) << path;
  ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), f), bytes.size());
  std::fclose(f);
}

std::string ReadBytes(const std::string& path) {
  std::string out;
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return out;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) out.append(buffer, n);
  std::fclose(f);
  return out;
}

bool FileExists(const std::string& path) { return std::filesystem::exists(path); }

std::vector<std::pair<int, FSOUND_SAMPLE*>> RecordedSounds;
bool EngineChannelBusy = false;

static void Record(int channel, FSOUND_SAMPLE* sample) {
  RecordedSounds.push_back(std::make_pair(channel, sample));
}
static bool Busy(int channel) { return channel == EngineChannel && EngineChannelBusy; }

static FSOUND_SAMPLE** const RaceSamples[7] = {&ThunderSample, &ClickSample, &EngineStartSample,
                                               &EngineSample1, &EngineSample2, &EngineSample3,
                                               &CrashSample};

SoundRecorder::SoundRecorder() {
  RecordedSounds.clear();
  EngineChannelBusy = false;
  RaceEffectListener = Record;
  RaceChannelPlayingOverride = Busy;
  for (int i = 0; i < 7; i++) {
    Saved[i] = *RaceSamples[i];
    // Never played: the recorder stands in for the sound code.
    *RaceSamples[i] = reinterpret_cast<FSOUND_SAMPLE*>((uintptr_t)(0x1000 + 16 * i));
  }
}

SoundRecorder::~SoundRecorder() {
  RaceEffectListener = nullptr;
  RaceChannelPlayingOverride = nullptr;
  for (int i = 0; i < 7; i++) *RaceSamples[i] = Saved[i];
}

int SoundRecorder::Count(int channel, FSOUND_SAMPLE* sample) const {
  int n = 0;
  for (auto& s : RecordedSounds)
    if (s.first == channel && s.second == sample) n++;
  return n;
}

void ResetRaceState(int checkpointCount) {
  BoatX = StartBoatX;
  BoatZ = StartBoatZ;
  BoatHeading = BoatSpeed = Throttle = Steering = BoatSwing = 0;
  TickCount = 0;
  LastPhysicsTick = 0;
  CrashSoundState = 0;
  EngineRequest = 0;
  FinishCounter = 0;
  OverlayOn = false;
  OverlayTimer = 0;
  LastCheckpoint = -1;
  CheckpointCount = checkpointCount;
  ScreenState = StateRace;
  LeaveLoop = false;
}

void FillGrids(uint8_t height, uint8_t checkpoint) {
  for (int i = 0; i < GridBytes; i++) {
    Heightmap[i] = height;
    CheckpointLayer[i] = checkpoint;
  }
}

void SetHeight(int row, int col, uint8_t height) { Heightmap[row * GridSize + col] = height; }
void SetCheckpoint(int row, int col, uint8_t value) {
  CheckpointLayer[row * GridSize + col] = value;
}

static double DistanceToSegment(double r, double c, CellPoint a, CellPoint b) {
  double dr = b.Row - a.Row, dc = b.Col - a.Col;
  double len2 = dr * dr + dc * dc;
  double t = len2 > 0 ? ((r - a.Row) * dr + (c - a.Col) * dc) / len2 : 0;
  t = std::fmax(0, std::fmin(1, t));
  double pr = a.Row + t * dr - r, pc = a.Col + t * dc - c;
  return std::sqrt(pr * pr + pc * pc);
}

void BuildCourse(const std::vector<CellPoint>& points, double halfWidth) {
  FillGrids(150, 255);
  for (int r = 0; r < GridSize; r++)
    for (int c = 0; c < GridSize; c++) {
      if (r < 2 || c < 2 || r > GridSize - 3 || c > GridSize - 3) continue;
      for (size_t i = 0; i + 1 < points.size(); i++)
        if (DistanceToSegment(r, c, points[i], points[i + 1]) <= halfWidth) {
          SetHeight(r, c, 20);
          break;
        }
    }
  for (size_t i = 1; i < points.size(); i++)
    for (int r = 0; r < GridSize; r++)
      for (int c = 0; c < GridSize; c++) {
        double dr = r - points[i].Row, dc = c - points[i].Col;
        if (std::sqrt(dr * dr + dc * dc) <= halfWidth + 2) SetCheckpoint(r, c, (uint8_t)(i - 1));
      }
}

void WriteConfig(const std::string& detailLine, const std::string& particleLine) {
  WriteBytes("data/vontel.cfg", "<#Vontel ][ Config File // do not edit // generated automatic\r\n" +
                                    detailLine + "\r\n" + particleLine + "\r\n0\r\n200\r\n200\r\n");
}

void WriteLevelFiles(const std::string& name, int checkpointCount) {
  WriteBytes("data/" + name + ".raw", std::string((const char*)Heightmap, GridBytes));
  WriteBytes("data/" + name + "add.raw", std::string((const char*)CheckpointLayer, GridBytes));
  LevelFileFields fields;
  fields.LevelName = "Test " + name;
  fields.CheckpointCount = checkpointCount;
  fields.TargetTime = 100;
  fields.TerrainName = name;
  fields.MusicFile = "race.xm";
  WriteBytes("data/" + name + ".dcc", BuildLevelFile(fields));
  if (!FileExists("data/vontel.cfg")) WriteConfig("2", "100");
}
