#pragma once
// The probe cell: the heightmap cell 7 cells ahead of the boat, where collisions and
// checkpoints are tested.
#include <cstdint>

inline constexpr int ProbeDistance = 7;
// A probe outside the grid reads as this height: higher than any bank, so it blocks.
inline constexpr int OutsideHeight = 255;

// The offset (row * 320 + column) of the probe cell for a boat at x, z with the heading in
// degrees, or -1 when the cell lies outside rows and columns 0..319.
int ProbeOffset(double x, double z, double heading);
// The same with cos and sin of the heading already worked out (as heading / 2 * pi / 90).
int ProbeOffsetAt(double x, double z, double cosTheta, double sinTheta);
int ProbeHeightAt(const uint8_t* heightmap, double x, double z, double cosTheta,
                  double sinTheta);
// The probe cell of the shared boat state.
int ProbeCell();
// Height under the probe; OutsideHeight outside the grid.
int ProbeHeight(const uint8_t* heightmap, double x, double z, double heading);
