#include <gtest/gtest.h>

#include "race/race_state.h"
#include "render/terrain_rules.h"

TEST(TerrainWindow, RoundsToTheNearestWithHalvesToEven) {
  struct Case {
    float cx, cz;
    int rj, ri;
  } cases[] = {
      {-56, 32, 18, 40},    // the race start
      {-54, 2, 18, 32},     // 18.5 -> 18, 32.5 -> 32
      {-50, 6, 20, 34},     // 19.5 -> 20, 33.5 -> 34
      {-130, -134, 0, -2},  // -0.5 -> 0, -1.5 -> -2
      {-55, 33, 18, 40},    // 18.25 -> 18, 40.25 -> 40
      {-53, 35, 19, 41},    // 18.75 -> 19, 40.75 -> 41
  };
  for (const Case& c : cases) {
    TTerrainWindow window = TerrainWindow(c.cx, c.cz);
    EXPECT_EQ(window.Rj, c.rj) << "cx " << c.cx;
    EXPECT_EQ(window.Ri, c.ri) << "cz " << c.cz;
  }
}

TEST(TerrainWindow, RaceStartDrawsOnlyCellsOnTheMap) {
  TTerrainWindow window = TerrainWindow(-56, 32);
  int firstJ = 1000, lastJ = -1000, firstI = 1000, lastI = -1000, drawn = 0;
  for (int i = -window.Ri; i <= -window.Ri + 64; ++i)
    for (int j = -window.Rj; j <= -window.Rj + 64; ++j) {
      if (!CellDrawable(j, i)) continue;
      ++drawn;
      firstJ = std::min(firstJ, j), lastJ = std::max(lastJ, j);
      firstI = std::min(firstI, i), lastI = std::max(lastI, i);
    }
  EXPECT_EQ(firstJ, 1);
  EXPECT_EQ(lastJ, 46);
  EXPECT_EQ(firstI, -40);
  EXPECT_EQ(lastI, -1);
  EXPECT_EQ(drawn, 46 * 40);
}

TEST(TerrainCells, DrawableRange) {
  struct Case {
    int j, i;
    bool drawable;
  } cases[] = {
      {1, -1, true},    {319, -319, true}, {319, -1, true}, {1, -319, true},
      {0, -1, false},   {320, -1, false},  {1, 0, false},   {1, -320, false},
      {-5, -10, false}, {100, 5, false},
  };
  for (const Case& c : cases) EXPECT_EQ(CellDrawable(c.j, c.i), c.drawable) << c.j << "," << c.i;
}

TEST(TerrainCells, LandAndWaterByCornerHeights) {
  struct Case {
    uint8_t corners[4];
    bool transparent, land, water;
  } cases[] = {
      {{91, 50, 50, 50}, false, true, true},      // shore
      {{50, 50, 91, 50}, false, true, true},      // any corner counts
      {{120, 120, 120, 119}, false, true, true},  // shore at the top
      {{120, 120, 120, 120}, false, true, false},
      {{255, 200, 130, 121}, false, true, false},
      {{90, 90, 90, 90}, false, false, true},     // river bed: water only
      {{0, 0, 0, 0}, false, false, true},
      {{90, 90, 90, 90}, true, true, true},       // transparent water shows the bed
      {{120, 120, 120, 120}, true, true, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CellGetsLand(c.corners, c.transparent), c.land)
        << int(c.corners[0]) << " transparent " << c.transparent;
    EXPECT_EQ(CellGetsWater(c.corners), c.water) << int(c.corners[0]);
  }
}

TEST(TerrainCells, CornersInDrawingOrder) {
  uint8_t heights[GridBytes] = {};
  int n = 320 * 10 - 5;  // cell (10, -5)
  heights[n] = 1, heights[n + 320] = 2, heights[n + 321] = 3, heights[n + 1] = 4;
  uint8_t corners[4];
  CellCorners(heights, 10, -5, corners);
  EXPECT_EQ(corners[0], 1);
  EXPECT_EQ(corners[1], 2);
  EXPECT_EQ(corners[2], 3);
  EXPECT_EQ(corners[3], 4);
}

// The last drawable cell needs index 102400, one past the map; it takes the map's last
// byte and never the checkpoint layer that follows the map in memory.
TEST(TerrainCells, LastCellStaysOnTheMap) {
  Heightmap[GridBytes - 1] = 77;
  CheckpointLayer[0] = 200;
  uint8_t corners[4];
  CellCorners(Heightmap, 319, -1, corners);
  EXPECT_EQ(corners[1], 77);  // index 102399
  EXPECT_EQ(corners[2], 77);  // index 102400 -> 102399
}

TEST(TerrainColours, PerSeason) {
  struct Case {
    TSeasonKind season;
    uint8_t h;
    float r, g, b;
  } cases[] = {
      {SeasonNormal, 0, 1.0f, 1.0f, 1.0f},
      {SeasonNormal, 255, 1.0f / 256, 1.0f, 1.0f / 256},
      {SeasonNormal, 128, 0.5f, 1.0f, 0.5f},
      {SeasonWinter, 0, 150.0f / 512 + 0.5f, 450.0f / 1024 + 0.25f, 150.0f / 256},
      // High ground goes above 1 and is clamped to white by GL.
      {SeasonWinter, 255, 405.0f / 512 + 0.5f, 1215.0f / 1024 + 0.25f, 405.0f / 256},
  };
  for (const Case& c : cases) {
    TLandColor colour = LandColor(c.season, c.h);
    EXPECT_FLOAT_EQ(colour.R, c.r) << int(c.h);
    EXPECT_FLOAT_EQ(colour.G, c.g) << int(c.h);
    EXPECT_FLOAT_EQ(colour.B, c.b) << int(c.h);
  }
}

TEST(TerrainColours, SeasonNames) {
  EXPECT_EQ(SeasonKind("normal"), SeasonNormal);
  EXPECT_EQ(SeasonKind("winter"), SeasonWinter);
  EXPECT_EQ(SeasonKind("Winter"), SeasonOther);
  EXPECT_EQ(SeasonKind("winter "), SeasonOther);
  EXPECT_EQ(SeasonKind(""), SeasonOther);
}

TEST(TerrainHeights, LandAndWater) {
  EXPECT_FLOAT_EQ(LandHeight(0), 10.0f);
  EXPECT_FLOAT_EQ(LandHeight(255), 35.5f);
}
