#include "terrain_carve.h"

#include <algorithm>
#include <cmath>

#include "terrain_noise.h"

namespace {

double Smoothstep(double edge0, double edge1, double x) {
  double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

// Height of the river bed at `edge` = distance / half width (0 centre, 1 bank).
int BedHeight(double edge, double grain) {
  double bed = RiverBedTop - 42 * (1 - edge * edge) + grain * 3;
  return (int)std::clamp(bed, 24.0, (double)RiverBedTop);
}

// Height of land `t` cells beyond the water's edge.
int LandHeight(const LevelDescription& level, double t, double hills, double grain) {
  double lip = ShoreHeight + 5 * std::min(t, 3.0);  // a steep first step out of the water
  double slope = level.bankRise * std::clamp(t - 3, 0.0, 28.0);
  double hill = level.hillHeight * (0.5 + 0.5 * hills) * Smoothstep(2, 22, t);
  double h = lip + slope + hill + grain * 3;
  return (int)std::clamp(h, (double)ShoreHeight, 235.0);
}

void RaiseIsland(const LevelDescription& level, const CoursePath& path,
                 const IslandDescription& island, LevelGrids& grids) {
  const CourseSample& s = SampleAt(path, island.along);
  double nc = -s.dirRow, nr = s.dirCol;  // to the right of travel
  double cc = s.col + nc * island.offset, cr = s.row + nr * island.offset;
  double reach = std::max(island.radiusAlong, island.radiusAcross) + 1;
  for (int r = (int)std::floor(cr - reach); r <= (int)std::ceil(cr + reach); ++r) {
    for (int c = (int)std::floor(cc - reach); c <= (int)std::ceil(cc + reach); ++c) {
      if (c < 0 || r < 0 || c >= MapSize || r >= MapSize) continue;
      double dc = c - cc, dr = r - cr;
      double u = dc * s.dirCol + dr * s.dirRow, v = dc * nc + dr * nr;
      double e = (u / island.radiusAlong) * (u / island.radiusAlong) +
                 (v / island.radiusAcross) * (v / island.radiusAcross);
      if (e > 1) continue;
      int n = CellIndex(c, r);
      int h = (int)(ShoreHeight + 6 + 55 * (1 - e) + 4 * UnitHash(level.seed + 7, c, r));
      grids.height[n] = (uint8_t)std::max<int>(grids.height[n], std::min(h, 235));
    }
  }
}

}  // namespace

void CarveTerrain(const LevelDescription& level, const CoursePath& path, const RiverField& river,
                  LevelGrids& grids) {
  for (int r = 0; r < MapSize; ++r) {
    for (int c = 0; c < MapSize; ++c) {
      int n = CellIndex(c, r);
      double grain = UnitHash(level.seed, c, r) * 2 - 1;
      int k = river.nearest[n];
      if (k >= 0 && river.distance[n] < path.samples[k].halfWidth) {
        grids.height[n] = (uint8_t)BedHeight(river.distance[n] / path.samples[k].halfWidth, grain);
        continue;
      }
      double t = k >= 0 ? river.distance[n] - path.samples[k].halfWidth : 40.0;
      double hills = HillNoise(level.seed + 17, c, r, 48);
      grids.height[n] = (uint8_t)LandHeight(level, t, hills, grain);
    }
  }
  for (const IslandDescription& island : level.islands) RaiseIsland(level, path, island, grids);
}
