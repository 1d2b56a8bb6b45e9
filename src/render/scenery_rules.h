#pragma once
// The decisions of the scenery drawing that need no GL: which layer bytes are objects,
// how a neighbouring marker turns them, and the window of cells around the camera.
#include <cstdint>

// Odd values from 5 to 253 name a model of the model table.
bool IsObjectCode(uint8_t v);

// Angle about y (degrees) of the object in row j, column c of the layer: the neighbour
// cells holding code + 1 are tested in a fixed order, a later match winning; neighbours
// outside the layer hold no marker.
int ObjectAngle(const uint8_t* layer, int j, int c);

// Cells of the race's scenery pass: columns c and rows j, both inclusive, before clipping
// to the layer.
struct TSceneryWindow {
  int FirstColumn, LastColumn, FirstRow, LastRow;
};
TSceneryWindow SceneryWindow(double boatX, double boatZ);
