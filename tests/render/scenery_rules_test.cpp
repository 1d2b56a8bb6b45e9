#include <gtest/gtest.h>

#include <vector>

#include "render/scenery_rules.h"

TEST(SceneryCodes, OnlyOddCodesFromFive) {
  for (int v = 0; v < 256; ++v) {
    bool expected = v >= 5 && v <= 253 && v % 2 == 1;
    EXPECT_EQ(IsObjectCode((uint8_t)v), expected) << v;
  }
}

// Marker places as (row step, column step); the object is code 7 in row 100, column 100.
TEST(SceneryOrientation, MarkersAroundTheObject) {
  struct Case {
    std::vector<std::pair<int, int>> markers;
    int angle;
  } cases[] = {
      {{}, 0},
      {{{0, +1}}, 90},            // n + 1
      {{{+1, 0}}, 180},           // n + 320
      {{{0, -1}}, 270},           // n - 1
      {{{+1, +1}}, 135},          // n + 321
      {{{+1, -1}}, 225},          // n + 319
      {{{-1, +1}}, 45},           // n - 319
      {{{-1, -1}}, 315},          // n - 321
      {{{-1, 0}}, 0},             // n - 320 is not a marker place
      {{{+1, 0}, {-1, -1}}, 315}, // the later test wins
      {{{0, +1}, {0, -1}}, 90},
      {{{+2, 0}}, 0},             // not a neighbour
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> layer(320 * 320, 0);
    layer[320 * 100 + 100] = 7;
    for (auto [row, column] : c.markers) layer[320 * (100 + row) + 100 + column] = 8;
    EXPECT_EQ(ObjectAngle(layer.data(), 100, 100), c.angle) << c.markers.size();
  }
}

TEST(SceneryOrientation, OtherValuesAreNoMarkers) {
  std::vector<uint8_t> layer(320 * 320, 0);
  layer[320 * 100 + 100] = 7;
  layer[320 * 100 + 101] = 9;
  layer[320 * 101 + 100] = 6;
  EXPECT_EQ(ObjectAngle(layer.data(), 100, 100), 0);
}

// A neighbour outside the layer holds no marker: the bytes just before or after a row in
// memory belong to other rows.
TEST(SceneryOrientation, NeighboursOffTheLayerHoldNoMarker) {
  struct Case {
    int j, c, markerIndex;
  } cases[] = {
      {5, 0, 320 * 5 - 1},        // n - 1 is the end of the row above
      {5, 319, 320 * 6},          // n + 1 is the start of the row below
      {5, 0, 320 * 6 - 1},        // n + 319
      {5, 319, 320 * 4 + 320},    // n - 319 is the start of this row's next
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> layer(320 * 320, 0);
    layer[320 * c.j + c.c] = 7;
    layer[c.markerIndex] = 8;
    EXPECT_EQ(ObjectAngle(layer.data(), c.j, c.c), 0) << c.c;
  }
  std::vector<uint8_t> corner(320 * 320, 0);
  corner[0] = 7;  // row 0, column 0: the neighbours above do not exist
  EXPECT_EQ(ObjectAngle(corner.data(), 0, 0), 0);
  corner[320 * 319 + 319] = 9;
  EXPECT_EQ(ObjectAngle(corner.data(), 319, 319), 0);
}

TEST(SceneryWindow, RaceStartAndHalves) {
  TSceneryWindow start = SceneryWindow(32.0, -56.0);  // R = 8, S = -14
  EXPECT_EQ(start.FirstColumn, 280);
  EXPECT_EQ(start.LastColumn, 344);
  EXPECT_EQ(start.FirstRow, -18);
  EXPECT_EQ(start.LastRow, 46);
  TSceneryWindow halves = SceneryWindow(10.0, -6.0);  // 2.5 -> 2, -1.5 -> -2
  EXPECT_EQ(halves.FirstColumn, 286);
  EXPECT_EQ(halves.FirstRow, -30);
}
