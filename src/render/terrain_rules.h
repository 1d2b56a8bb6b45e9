#pragma once
// The decisions of the terrain drawing that need no GL: the window of cells around the
// camera, which cells get land and water, and the vertex colours of each season.
#include <cstdint>
#include <string>

// Cells (j, i) visited: i from -Ri to -Ri + 64, j from -Rj to -Rj + 64.
struct TTerrainWindow {
  int Rj, Ri;
};
TTerrainWindow TerrainWindow(float cx, float cz);

// Only these cells have all four corners on the heightmap grid.
bool CellDrawable(int j, int i);

// Height byte of grid index n. The cell at j = 319, i = -1 asks for index 102400, one past
// the end of the map; that corner takes the last byte of the map (its neighbour along i).
uint8_t CornerByte(const uint8_t* heights, int n);

// Corner bytes of cell (j, i) in drawing order: (j, i), (j + 1, i), (j + 1, i + 1), (j, i + 1).
void CellCorners(const uint8_t* heights, int j, int i, uint8_t corners[4]);

bool CellGetsLand(const uint8_t corners[4], bool transparentWater);  // a corner above 90
bool CellGetsWater(const uint8_t corners[4]);                        // a corner below 120

enum TSeasonKind { SeasonNormal, SeasonWinter, SeasonOther };
TSeasonKind SeasonKind(const std::string& season);

struct TLandColor {
  float R, G, B;
};
// Vertex colour of a land corner with height byte h (components above 1 are left to GL).
TLandColor LandColor(TSeasonKind season, uint8_t h);

// Land height of a corner: 10 units plus a tenth of its byte.
inline float LandHeight(uint8_t h) { return (h + 100) / 10.0f; }
