#pragma once
// The game opens its files as data/... relative to the working directory. These run the
// race code's autopilot on a data directory wherever it lies, by working from a directory
// in which "data" names it.
#include <string>

#include "race/race_simulator.h"

// Throws what LoadLevel throws, and std::runtime_error when the directory cannot be used.
RaceSimResult AutopilotRace(const std::string& dataDir, const std::string& terrainName,
                            bool recordTrack = false);
