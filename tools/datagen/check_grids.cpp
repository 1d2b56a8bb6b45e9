#include <string>
#include <vector>

#include "check_data.h"
#include "level_io.h"
#include "model_catalog.h"
#include "terrain_grid.h"

namespace {
std::string Cell(int c, int r) {
  return "column " + std::to_string(c) + ", row " + std::to_string(r);
}

bool LoadGrid(const std::string& path, std::string& bytes, std::vector<std::string>& problems) {
  if (!ReadFileBytes(path, bytes)) {
    problems.push_back("The grid file " + path + " is missing.");
    return false;
  }
  if (bytes.size() < (size_t)MapCells) {
    problems.push_back("The grid file " + path + " holds " + std::to_string(bytes.size()) +
                       " bytes; it must hold 102400 (320 rows of 320).");
    return false;
  }
  return true;
}
}  // namespace

bool CheckGrids(const std::string& dir, const std::string& terrain, int checkpointCount,
                std::vector<std::string>& problems) {
  std::string heightPath = JoinPath(dir, terrain + ".raw"), layerPath = JoinPath(dir, terrain + "add.raw");
  std::string h, l;
  bool ok = LoadGrid(heightPath, h, problems);
  ok = LoadGrid(layerPath, l, problems) && ok;
  if (!ok) return false;
  auto height = [&](int c, int r) { return (int)(uint8_t)h[CellIndex(c, r)]; };
  auto value = [&](int c, int r) { return (int)(uint8_t)l[CellIndex(c, r)]; };

  // The boat starts at column 311, row 14 heading for smaller columns; its probe is
  // 7 cells ahead.
  if (height(311, 14) > HighestWater || height(304, 14) > HighestWater)
    problems.push_back("The heightmap " + heightPath +
                       " has no open water at the boat's start (column 311, row 14, and 7 cells ahead).");

  // Heights 77 to 90 block the boat but are drawn as water: only a thin seam at a drawn shore
  // is acceptable.
  int hidden = 0, firstC = 0, firstR = 0;
  for (int r = 0; r < MapSize; ++r)
    for (int c = 0; c < MapSize; ++c) {
      int v = height(c, r);
      if (v <= HighestWater || v >= LowestDrawnLand) continue;
      bool shore = false;
      for (int dr = -1; dr <= 1; ++dr)
        for (int dc = -1; dc <= 1; ++dc) {
          int cc = c + dc, rr = r + dr;
          if (cc >= 0 && rr >= 0 && cc < MapSize && rr < MapSize && height(cc, rr) >= LowestDrawnLand)
            shore = true;
        }
      if (!shore && hidden++ == 0) firstC = c, firstR = r;
    }
  if (hidden)
    problems.push_back("The heightmap " + heightPath + " has " + std::to_string(hidden) +
                       " cells that block the boat but look like open water, the first at " +
                       Cell(firstC, firstR) + ".");

  int models = (int)SceneryModels().size();
  int inWater = 0, emptySlot = 0, wc = 0, wr = 0;
  std::vector<bool> gateSeen(256, false);
  for (int r = 0; r < MapSize; ++r)
    for (int c = 0; c < MapSize; ++c) {
      int v = value(c, r);
      bool water = height(c, r) <= HighestWater;
      if (water && v < checkpointCount) gateSeen[v] = true;
      bool object = v >= 5 && v <= 253 && v % 2 == 1;
      if (!object || (water && v < checkpointCount)) continue;
      // Code 5 floats at water level; every other object stands on the ground.
      if (water && v != 5 && inWater++ == 0) wc = c, wr = r;
      if ((v - 3) / 2 > models) ++emptySlot;
    }
  if (inWater)
    problems.push_back("The checkpoint layer " + layerPath + " puts " + std::to_string(inWater) +
                       " scenery objects in the water, the first at " + Cell(wc, wr) + ".");
  if (emptySlot)
    problems.push_back("The checkpoint layer " + layerPath + " has " + std::to_string(emptySlot) +
                       " objects whose code names no model of the model list; they draw nothing.");
  for (int k = 0; k < checkpointCount; ++k)
    if (k > 255 || !gateSeen[k]) {
      problems.push_back("The checkpoint layer " + layerPath + " has no water cell holding checkpoint " +
                         std::to_string(k) + ", so the race cannot be finished.");
      break;
    }
  return true;
}
