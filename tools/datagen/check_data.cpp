#include "check_data.h"

#include <cstdio>
#include <filesystem>

#include "audio_data.h"
#include "check_level_file.h"
#include "level_dataset.h"
#include "level_io.h"
#include "level_sim_dir.h"
#include "pictures.h"

namespace {
std::string Seconds(double s) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f s", s);
  return text;
}

void CheckRace(const std::string& dir, const std::string& path, const LevelFileFields& fields,
               CheckReport& report) {
  RaceSimResult run;
  try {
    run = AutopilotRace(dir, fields.TerrainName);
  } catch (const std::exception& e) {
    report.problems.push_back("The level " + path + " cannot be raced: " + e.what());
    return;
  }
  if (!run.Finished) {
    report.problems.push_back("The autopilot could not finish the level " + path + " (its course " +
                              fields.TerrainName + ") within " + Seconds(run.RaceSeconds) + ".");
    return;
  }
  report.figures.push_back(fields.TerrainName + ": autopilot " + Seconds(run.RaceSeconds) +
                           ", target " + std::to_string(fields.TargetTime) + " s, " +
                           std::to_string(run.Crashes) + " crashes");
  if (run.RaceSeconds >= fields.TargetTime) {
    report.problems.push_back("The autopilot needs " + Seconds(run.RaceSeconds) + " for the level " + path +
                              ", which does not beat its target time of " +
                              std::to_string(fields.TargetTime) + " seconds.");
  } else if (fields.TargetTime > TargetFromAutopilot(run.RaceSeconds) * 1.1 + 2) {
    report.problems.push_back("The target time of the level " + path + " (" +
                              std::to_string(fields.TargetTime) + " seconds) is so loose that it is met " +
                              "without racing; the autopilot needs " + Seconds(run.RaceSeconds) + ".");
  }
}
}  // namespace

CheckReport CheckDataDirectory(const std::string& dir) {
  CheckReport report;
  auto& problems = report.problems;
  if (!std::filesystem::is_directory(dir)) {
    problems.push_back("The data directory " + dir + " does not exist.");
    return report;
  }
  CheckConfigFile(dir, problems);
  CheckModels(dir, problems);

  LevelFileFields intro;
  std::string introPath = JoinPath(dir, "intro.dcc");
  if (CheckLevelFile(introPath, "", intro, problems, false)) CheckGrids(dir, "intro", 0, problems);

  int levels = 0;
  bool configOk = std::filesystem::exists(JoinPath(dir, "vontel.cfg"));
  if (!std::filesystem::exists(JoinPath(dir, "level1.dcc")))
    problems.push_back("The first level file " + JoinPath(dir, "level1.dcc") + " is missing.");
  for (int n = 1; n < 999; ++n) {
    std::string path = JoinPath(dir, "level" + std::to_string(n) + ".dcc");
    if (!std::filesystem::exists(path)) continue;
    ++levels;
    LevelFileFields fields;
    size_t before = problems.size();
    if (!CheckLevelFile(path, dir, fields, problems)) continue;
    std::string own = "level" + std::to_string(n);
    if (fields.TerrainName != own)
      problems.push_back("The level file " + path + " names the terrain " + fields.TerrainName +
                         "; the race reads its checkpoint count from " + fields.TerrainName +
                         ".dcc, so it should be " + own + ".");
    bool gridsOk = CheckGrids(dir, fields.TerrainName, fields.CheckpointCount, problems);
    if (n == 1 && fields.Available != "1")
      problems.push_back("The first level " + path + " is locked, so no level can ever be played.");
    // Race only what loads cleanly; the problems above already name what is wrong.
    if (gridsOk && configOk && problems.size() == before) CheckRace(dir, path, fields, report);
  }
  CheckPictures(dir, problems);
  CheckAudio(dir, problems);
  report.figures.push_back(std::to_string(levels) + " levels");
  return report;
}
