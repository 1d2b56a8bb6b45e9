#include "race/probe_cell.h"

#include <cmath>

#include "race/race_state.h"

// Nearest integer, halves to the even neighbour (the default rounding mode); false when
// the value lies far outside the grid or is not a number.
static bool RoundToCell(double v, int& cell) {
  if (!(v > -1000.0 && v < 1000.0)) return false;
  cell = (int)std::nearbyint(v);
  return true;
}

int ProbeOffsetAt(double x, double z, double cosTheta, double sinTheta) {
  int col, row;
  if (!RoundToCell(319 - x / 4 - ProbeDistance * cosTheta, col)) return -1;
  if (!RoundToCell(ProbeDistance * sinTheta - z / 4, row)) return -1;
  if (col < 0 || col >= GridSize || row < 0 || row >= GridSize) return -1;
  return row * GridSize + col;
}

int ProbeOffset(double x, double z, double heading) {
  double theta = heading / 2 * M_PI / 90;
  return ProbeOffsetAt(x, z, std::cos(theta), std::sin(theta));
}

int ProbeHeightAt(const uint8_t* heightmap, double x, double z, double cosTheta,
                  double sinTheta) {
  int offset = ProbeOffsetAt(x, z, cosTheta, sinTheta);
  return offset < 0 ? OutsideHeight : heightmap[offset];
}

int ProbeCell() { return ProbeOffset(BoatX, BoatZ, BoatHeading); }

int ProbeHeight(const uint8_t* heightmap, double x, double z, double heading) {
  int offset = ProbeOffset(x, z, heading);
  return offset < 0 ? OutsideHeight : heightmap[offset];
}
