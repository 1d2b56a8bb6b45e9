#include "level_dataset.h"

#include <cmath>
#include <stdexcept>

#include "level_build.h"
#include "level_catalog.h"
#include "level_io.h"
#include "level_sim_dir.h"
#include "race/level_file.h"

namespace {

constexpr double TargetAllowance = 1.15;

LevelFileFields Fields(const LevelDescription& level, int targetSeconds) {
  LevelFileFields f;
  f.Available = level.available ? "1" : "0";
  f.LevelName = level.title;
  f.Description = level.description;
  f.CheckpointCount = level.checkpointCount;
  f.TargetTime = targetSeconds;
  f.TerrainName = level.terrainName;
  // Free text for whoever opens the file; the game never reads it.
  f.ReservedLine = "river course ";
  f.ReservedLine += level.terrainName;
  f.MusicFile = level.song;
  f.Season = level.season;
  return f;
}

void WriteGrids(const std::string& dataDir, const LevelDescription& level, const BuiltLevel& built) {
  const LevelGrids& g = built.grids;
  WriteFileBytes(JoinPath(dataDir, level.terrainName + ".raw"),
                 std::string(g.height.begin(), g.height.end()));
  WriteFileBytes(JoinPath(dataDir, level.terrainName + "add.raw"),
                 std::string(g.layer.begin(), g.layer.end()));
}

void WriteLevelFile(const std::string& dataDir, const LevelDescription& level, int target) {
  WriteFileBytes(JoinPath(dataDir, level.terrainName + ".dcc"), BuildLevelFile(Fields(level, target)));
}

}  // namespace

int TargetFromAutopilot(double autopilotSeconds) {
  return (int)std::ceil(autopilotSeconds * TargetAllowance - 1e-9);
}

std::vector<LevelTiming> WriteLevels(const std::string& dataDir) {
  const LevelDescription& intro = IntroDescription();
  BuiltLevel introBuilt = BuildLevel(intro);
  WriteGrids(dataDir, intro, introBuilt);
  WriteLevelFile(dataDir, intro, 0);

  std::vector<LevelTiming> timings;
  LevelTiming introTiming;
  introTiming.terrainName = intro.terrainName;
  introTiming.finished = true;  // nothing to race
  introTiming.objects = introBuilt.objects;
  introTiming.courseLength = introBuilt.path.length;
  timings.push_back(introTiming);
  for (const LevelDescription& level : LevelCatalogue()) {
    BuiltLevel built = BuildLevel(level);
    WriteGrids(dataDir, level, built);
    // Written once without a target so the race code can load it, then again with it.
    WriteLevelFile(dataDir, level, 0);
    RaceSimResult run = AutopilotRace(dataDir, level.terrainName);
    LevelTiming t;
    t.terrainName = level.terrainName;
    t.finished = run.Finished;
    t.autopilotSeconds = run.RaceSeconds;
    t.crashes = run.Crashes;
    t.objects = built.objects;
    t.courseLength = built.path.length;
    // An unfinished course keeps the target 0 and is reported by the caller.
    if (run.Finished) t.targetSeconds = TargetFromAutopilot(run.RaceSeconds);
    WriteLevelFile(dataDir, level, t.targetSeconds);
    timings.push_back(t);
  }
  return timings;
}
