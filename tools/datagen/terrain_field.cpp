#include <algorithm>
#include <cmath>
#include <limits>

#include "terrain_grid.h"

RiverField MeasureRiver(const CoursePath& path, double reach) {
  RiverField field;
  field.distance.assign(MapCells, std::numeric_limits<float>::max());
  field.nearest.assign(MapCells, -1);
  // The channel ends square at its source behind the boat's start, so the water stays
  // inside the map however close to the edge the start lies.
  const CourseSample& source = path.samples.front();
  double sourceReach = source.halfWidth + reach + 20;
  for (size_t k = 0; k < path.samples.size(); ++k) {
    const CourseSample& s = path.samples[k];
    bool nearSource = s.along < sourceReach;
    double radius = s.halfWidth + reach;
    int c0 = std::max(0, (int)std::floor(s.col - radius));
    int c1 = std::min(MapSize - 1, (int)std::ceil(s.col + radius));
    int r0 = std::max(0, (int)std::floor(s.row - radius));
    int r1 = std::min(MapSize - 1, (int)std::ceil(s.row + radius));
    for (int r = r0; r <= r1; ++r) {
      for (int c = c0; c <= c1; ++c) {
        double dc = c - s.col, dr = r - s.row;
        float d = (float)std::sqrt(dc * dc + dr * dr);
        int n = CellIndex(c, r);
        if (d > radius) continue;
        double behind = -((c - source.col) * source.dirCol + (r - source.row) * source.dirRow);
        if (nearSource && behind > 0) d = std::max(d, (float)(s.halfWidth + 1 + behind));
        // Ties go to the earlier sample, so the field is the same on every run.
        if (d < field.distance[n]) {
          field.distance[n] = d;
          field.nearest[n] = (int)k;
        }
      }
    }
  }
  return field;
}
