#pragma once
// The generator's parts of the data directory: configuration, models and model list,
// the intro scene and the river levels with their target times.
#include <string>
#include <vector>

void WriteInstallConfig(const std::string& dataDir);
void WriteModels(const std::string& dataDir);

struct LevelTiming {
  std::string terrainName;
  bool finished = false;
  double autopilotSeconds = 0;
  int targetSeconds = 0;
  int crashes = 0;
  int objects = 0;
  double courseLength = 0;
};

// The target a level gets from the autopilot's time: 15% more, rounded up to whole
// seconds. The autopilot drives close to the best line, so a player who crawls along the
// course misses the target, one who races it clean makes it.
int TargetFromAutopilot(double autopilotSeconds);

// Writes intro.*, level1.* .. levelN.* and returns their figures, the intro's first; needs vontel.cfg in place already (the autopilot
// loads every level as the game does). Throws std::runtime_error on failure.
std::vector<LevelTiming> WriteLevels(const std::string& dataDir);
