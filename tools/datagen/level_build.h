#pragma once
// Turns a level description into its two grids.
#include <vector>

#include "course_gates.h"
#include "level_catalog.h"
#include "terrain_grid.h"

struct BuiltLevel {
  CoursePath path;
  LevelGrids grids;
  std::vector<GatePlacement> gates;
  int objects = 0;
};

// Throws std::runtime_error naming the level when its description cannot be built.
BuiltLevel BuildLevel(const LevelDescription& level);
