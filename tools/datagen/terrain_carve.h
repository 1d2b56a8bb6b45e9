#pragma once
#include "level_catalog.h"
#include "terrain_grid.h"

// The heightmap of a level: a channel no higher than RiverBedTop, banks that rise at once
// to ShoreHeight and beyond, hills further out, and the islands of the description.
void CarveTerrain(const LevelDescription& level, const CoursePath& path, const RiverField& river,
                  LevelGrids& grids);
