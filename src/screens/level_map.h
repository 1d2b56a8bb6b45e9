#pragma once
// Selected-level state, read by the race, the result screen and the upload.
// Texts taken from the level file keep its single-byte code page.
#include <string>

#include "platform/bitmap.h"

extern int LevelOrdinal;
extern std::string CurrentLevelFile;  // e.g. "level3.dcc", without "data/"
extern std::string LevelName;
extern int TargetTime;
extern std::string TerrainName;
extern std::string MusicFile;
extern std::string BestTimeText;
extern std::string BestName;
extern TBitmap Minimap;  // 160 x 160, drawn from the heightmap of the level shown

inline constexpr const char* LevelLockedMessage = "Level not availible. First play this!";

// Reads level file `fileName` (under data/) into the map screen and the selected-level
// state. Returns false when the level is locked: then only the message changes.
// Throws FileError or ConvertError; what was filled before the failure stays.
bool LoadLevelInfo(const std::string& fileName);

void StartRace();
// The level map's status line, emptied by the tick once TickCount passes 100.
void ClearLevelMapStatus();
