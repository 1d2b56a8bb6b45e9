#pragma once
// The checker of a data directory: every file the game opens, in the format the game reads,
// and every level finishable by the autopilot under its target time.
#include <string>
#include <vector>

struct CheckReport {
  std::vector<std::string> problems;  // sentences, each naming its file
  std::vector<std::string> figures;   // per level: autopilot time and target
};

CheckReport CheckDataDirectory(const std::string& dir);

void CheckConfigFile(const std::string& dir, std::vector<std::string>& problems);
void CheckModels(const std::string& dir, std::vector<std::string>& problems);
// The grids of one terrain; `checkpointCount` 0 for the intro scene, which has no race.
// Returns false when a grid is missing or short.
bool CheckGrids(const std::string& dir, const std::string& terrain, int checkpointCount,
                std::vector<std::string>& problems);
