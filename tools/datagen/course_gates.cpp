#include "course_gates.h"

#include <cmath>
#include <stdexcept>

namespace {
constexpr double FirstGateAfter = 70;   // cells of run-up before the first gate
constexpr double FinishBeforeEnd = 32;  // cells of water left behind the finish to stop in
constexpr double GateHalfThickness = 1.5;
constexpr double IslandClearance = 14;

bool NearIsland(const LevelDescription& level, double along) {
  for (const IslandDescription& island : level.islands) {
    if (std::fabs(island.along - along) < island.radiusAlong + IslandClearance) return true;
  }
  return false;
}
}  // namespace

std::vector<GatePlacement> PlaceGates(const LevelDescription& level, const CoursePath& path) {
  int gateCount = level.checkpointCount - 1;
  if (gateCount < 1 || level.checkpointCount > MaxCheckpointCount) {
    throw std::runtime_error(level.terrainName + ": a level needs 2 to " +
                             std::to_string(MaxCheckpointCount) + " checkpoints");
  }
  double first = FirstGateAfter, last = path.length - FinishBeforeEnd;
  if (last <= first) throw std::runtime_error(level.terrainName + ": the course is too short");
  std::vector<GatePlacement> gates;
  for (int k = 1; k <= gateCount; ++k) {
    double along = gateCount == 1 ? last : first + (last - first) * (k - 1) / (gateCount - 1);
    // Step off an island, forwards for all gates but the finish, which steps back.
    double step = k == gateCount ? -1 : 1;
    int tries = 0;
    while (NearIsland(level, along) && tries++ < 200) along += step;
    if (NearIsland(level, along)) {
      throw std::runtime_error(level.terrainName + ": no room for gate " + std::to_string(k));
    }
    gates.push_back({k, along});
  }
  for (size_t k = 1; k < gates.size(); ++k) {
    if (gates[k].along - gates[k - 1].along < 20) {
      throw std::runtime_error(level.terrainName + ": gates " + std::to_string(k) + " and " +
                               std::to_string(k + 1) + " are too close together");
    }
  }
  return gates;
}

void PaintGates(const std::vector<GatePlacement>& gates, const CoursePath& path,
                const RiverField& river, LevelGrids& grids) {
  for (const GatePlacement& gate : gates) {
    const CourseSample& s = SampleAt(path, gate.along);
    double reach = s.halfWidth + 4;
    for (int r = (int)std::floor(s.row - reach); r <= (int)std::ceil(s.row + reach); ++r) {
      for (int c = (int)std::floor(s.col - reach); c <= (int)std::ceil(s.col + reach); ++c) {
        if (!grids.IsWater(c, r)) continue;
        int n = CellIndex(c, r);
        // Only the stretch of river the gate stands in, never a neighbouring one.
        int k = river.nearest[n];
        if (k < 0 || std::fabs(path.samples[k].along - gate.along) > s.halfWidth + 10) continue;
        double dc = c - s.col, dr = r - s.row;
        double u = dc * s.dirCol + dr * s.dirRow;
        double v = -dc * s.dirRow + dr * s.dirCol;
        if (std::fabs(u) <= GateHalfThickness && std::fabs(v) <= s.halfWidth + 3)
          grids.layer[n] = (uint8_t)gate.number;
      }
    }
  }
}
