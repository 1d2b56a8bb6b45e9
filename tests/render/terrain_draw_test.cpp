#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstring>

#include "gl_context.h"
#include "gl_feedback.h"
#include "race/race_state.h"
#include "render/scene.h"
#include "shell/state.h"

namespace {

struct Counts {
  int land = 0, water = 0;
};

// Draws the terrain at the race start and sorts what GL received: water quads carry the
// colour (0.9, 0.9, 1.0, 0.5), land quads their opaque vertex colours.
Counts DrawAtRaceStart() {
  OpenTestContext();
  glDisable(GL_LIGHTING);
  glDisable(GL_FOG);
  UseWideProjection();
  BoatX = 32;
  BoatZ = -56;
  Counts counts;
  for (const TFedPolygon& polygon :
       CaptureFeedback([] { DrawTerrain((float)BoatZ, 0.0f, (float)BoatX); })) {
    bool water = polygon[0].A < 0.75f;
    // Quads may reach feedback as one polygon or split in two triangles.
    int share = polygon.size() == 3 ? 1 : 2;
    (water ? counts.water : counts.land) += share;
  }
  counts.land /= 2;
  counts.water /= 2;
  return counts;
}

}  // namespace

// At the race start 46 x 40 cells of the window lie on the map.
TEST(TerrainDraw, LandAndWaterQuads) {
  struct Case {
    uint8_t height;
    const char* season;
    bool transparent;
    int land, water;
  } cases[] = {
      {120, "normal", false, 1840, 0},    {90, "normal", false, 0, 1840},
      {90, "normal", true, 1840, 1840},   {100, "normal", false, 1840, 1840},
      {100, "winter", false, 1840, 1840}, {100, "autumn", false, 0, 1840},
  };
  for (const Case& c : cases) {
    std::memset(Heightmap, c.height, GridBytes);
    Season = c.season;
    TransparentWater = c.transparent;
    Counts counts = DrawAtRaceStart();
    EXPECT_EQ(counts.land, c.land) << int(c.height) << " " << c.season << " " << c.transparent;
    EXPECT_EQ(counts.water, c.water) << int(c.height) << " " << c.season << " " << c.transparent;
  }
}

TEST(TerrainDraw, LeavesStateForTheNextPass) {
  std::memset(Heightmap, 100, GridBytes);
  Season = "normal";
  TransparentWater = true;
  DrawAtRaceStart();
  float matrix[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
  for (int k = 0; k < 16; ++k) EXPECT_FLOAT_EQ(matrix[k], k % 5 == 0 ? 1.0f : 0.0f);
  EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
  EXPECT_TRUE(glIsEnabled(GL_COLOR_MATERIAL));
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
  float fog[4];
  glGetFloatv(GL_FOG_COLOR, fog);
  EXPECT_FLOAT_EQ(fog[0], 0.5f);
  EXPECT_FLOAT_EQ(fog[3], 0.0f);
}

// A window over the far corner reaches the last cell, whose fourth corner lies one past
// the map; that corner takes the map's last byte, not what follows the map in memory.
TEST(TerrainDraw, LastCellTakesTheMapsLastByte) {
  std::memset(Heightmap, 100, GridBytes);
  CheckpointLayer[0] = 255;
  Season = "normal";
  TransparentWater = false;
  OpenTestContext();
  glDisable(GL_LIGHTING);
  glDisable(GL_FOG);
  UseWideProjection();
  int landCorners = 0;
  for (const TFedPolygon& polygon :
       CaptureFeedback([] { DrawTerrain(-1148.0f, 0.0f, 0.0f); }))  // j 255..319, i -32..32
    for (const TFedVertex& v : polygon)
      if (v.A > 0.75f) {
        ++landCorners;
        EXPECT_NEAR(v.R, 156.0f / 256, 1e-3);  // a byte of 255 would give 1/256
      }
  EXPECT_GT(landCorners, 0);
}
