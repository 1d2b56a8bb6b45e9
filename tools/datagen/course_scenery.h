#pragma once
// Scenery on the land of a level: trees, bushes and rocks spread along the banks, reeds,
// jetties and huts at the water's edge turned towards the river, rocks on islands. Objects
// keep two free cells between them, so every orientation marker touches its own object only.
#include "level_catalog.h"
#include "terrain_grid.h"

// Returns the number of objects placed.
int PlaceScenery(const LevelDescription& level, const CoursePath& path, const RiverField& river,
                 LevelGrids& grids);
