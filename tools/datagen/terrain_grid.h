#pragma once
// The two 320 x 320 grids of a level while they are being built, and the river's distance
// field that the terrain, the gates and the scenery are all derived from.
#include <cstdint>
#include <vector>

#include "course_path.h"

inline constexpr int MapSize = 320;
inline constexpr int MapCells = MapSize * MapSize;

// Heights the game compares against: above 76 blocks the boat, above 90 is drawn as land,
// below 120 also gets water drawn over it.
inline constexpr int HighestWater = 76;
inline constexpr int LowestDrawnLand = 91;
// Our water never comes near the blocking height, and our land starts high enough to stand
// above the water surface, so the drawn shore and the blocking agree.
inline constexpr int RiverBedTop = 70;
inline constexpr int ShoreHeight = 104;

inline int CellIndex(int col, int row) { return row * MapSize + col; }

struct LevelGrids {
  std::vector<uint8_t> height = std::vector<uint8_t>(MapCells, 0);
  std::vector<uint8_t> layer = std::vector<uint8_t>(MapCells, 0);
  bool IsWater(int col, int row) const {
    return col >= 0 && row >= 0 && col < MapSize && row < MapSize &&
           height[CellIndex(col, row)] <= HighestWater;
  }
};

struct RiverField {
  std::vector<float> distance;  // cells from the cell centre to the centreline
  std::vector<int> nearest;     // index of the nearest centreline sample, -1 when far away
};

// Distances within `reach` cells of the channel edge are exact; beyond, cells are far.
RiverField MeasureRiver(const CoursePath& path, double reach);
