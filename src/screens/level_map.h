#pragma once
// Selected-level state, read by the race, the result screen and the upload.
#include <string>

extern int LevelOrdinal;
extern std::string CurrentLevelFile;  // e.g. "level3.dcc", without "data/"
extern std::string LevelName;
extern int TargetTime;
extern std::string TerrainName;
extern std::string MusicFile;
extern std::string BestTimeText;
extern std::string BestName;

void StartRace();
// The level map's status line, emptied by the tick once TickCount passes 100.
void ClearLevelMapStatus();
