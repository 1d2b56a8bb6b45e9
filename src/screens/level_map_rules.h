#pragma once
// The level map's decisions, free of forms and files: the info text, the minimap, the
// best-times columns and the arrow steps.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct TBitmap;

// Multi-line labels of the map and result screens break lines with LF CR.
inline constexpr const char* LabelBreak = "\n\r";

// Label2: a break; each description line and a break; a break, "Checkpoints: " and the
// count as read; a break, "Time: ", the target time and " min".
std::string LevelInfoText(const std::vector<std::string>& description,
                          const std::string& checkpointCount, int targetTime);

inline constexpr int MinimapSize = 160;
// Red of the height at every second row and column; 16 bits per pixel keep five bits of it.
void DrawMinimap(const uint8_t* heightmap, TBitmap& minimap);

// Appends one line per entry: "m:ss min" to `times`, the name to `names`.
void AppendBestTimeLine(int seconds, const std::string& name, std::string& times,
                        std::string& names);

// The arrows. `findLevel` gives the number of the n-th existing level file or 0 for
// none; `showLevel` shows level file N and returns false when it is locked (then the
// shown level stays). Both return the new LevelOrdinal.
using FindLevelFunction = std::function<int(int ordinal)>;
using ShowLevelFunction = std::function<bool(int number)>;
int NextArrowStep(int ordinal, const FindLevelFunction& findLevel,
                  const ShowLevelFunction& showLevel);
int PrevArrowStep(int ordinal, const FindLevelFunction& findLevel,
                  const ShowLevelFunction& showLevel);
