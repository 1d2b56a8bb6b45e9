#include "level_build.h"

#include "course_scenery.h"
#include "terrain_carve.h"

namespace {
// Cells beyond the water's edge over which the banks and hills are shaped.
constexpr double BankReach = 34;
}

BuiltLevel BuildLevel(const LevelDescription& level) {
  BuiltLevel built;
  built.path = WalkCourse(level.course, level.startHalfWidth);
  ValidateCourse(built.path, level.terrainName);
  RiverField river = MeasureRiver(built.path, BankReach);
  CarveTerrain(level, built.path, river, built.grids);
  if (level.number > 0) {
    built.gates = PlaceGates(level, built.path);
    PaintGates(built.gates, built.path, river, built.grids);
  }
  built.objects = PlaceScenery(level, built.path, river, built.grids);
  return built;
}
