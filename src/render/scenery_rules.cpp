#include "render/scenery_rules.h"

#include "render/wave.h"

bool IsObjectCode(uint8_t v) { return v >= 5 && v <= 253 && (v & 1) == 1; }

struct TMarkerPlace {
  int RowStep, ColumnStep, Angle;
};

// Order matters: a later match overrides an earlier one. The cell straight above
// (row - 1, same column) is not a marker place.
static const TMarkerPlace MarkerPlaces[] = {
    {+1, 0, 180}, {0, -1, 270}, {0, +1, 90}, {+1, +1, 135},
    {+1, -1, 225}, {-1, +1, 45}, {-1, -1, 315},
};

int ObjectAngle(const uint8_t* layer, int j, int c) {
  uint8_t marker = (uint8_t)(layer[320 * j + c] + 1);
  int angle = 0;
  for (const TMarkerPlace& place : MarkerPlaces) {
    int row = j + place.RowStep, column = c + place.ColumnStep;
    if (row < 0 || row > 319 || column < 0 || column > 319) continue;
    if (layer[320 * row + column] == marker) angle = place.Angle;
  }
  return angle;
}

TSceneryWindow SceneryWindow(double boatX, double boatZ) {
  int r = RoundHalfEven(boatX / 4.0), s = RoundHalfEven(boatZ / 4.0);
  return {288 - r, 352 - r, -s - 32, -s + 32};
}
