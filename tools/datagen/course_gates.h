#pragma once
// Checkpoints of a race. Checkpoint 0 is the open water itself: the layer holds 0 in every
// water cell, so the race counts it in its first substep. Checkpoints 1 .. count-1 are gates,
// bands three cells thick across the whole channel, in order down the river; the last gate
// is the finish.
#include <vector>

#include "level_catalog.h"
#include "terrain_grid.h"

// The most checkpoints a level may have: gate numbers stay below the first land scenery code,
// so a probe turned into the bank never reads a tree as a checkpoint.
inline constexpr int MaxCheckpointCount = 16;

struct GatePlacement {
  int number = 0;
  double along = 0;  // cells down the course
};

// Where the gates of a level go: evenly spread from the first stretch to the finish, kept
// clear of islands. Throws std::runtime_error for an impossible description.
std::vector<GatePlacement> PlaceGates(const LevelDescription& level, const CoursePath& path);
void PaintGates(const std::vector<GatePlacement>& gates, const CoursePath& path,
                const RiverField& river, LevelGrids& grids);
