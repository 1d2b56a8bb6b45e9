#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "gl_context.h"
#include "gl_feedback.h"
#include "race/race_state.h"
#include "render/camera.h"
#include "render/render_state.h"
#include "render/scene.h"

namespace {

const float Range = 1000;

// One triangle with corners one unit along x, y and z, lit colour left out.
uint32_t MarkerModel() {
  uint32_t list = glGenLists(1);
  glNewList(list, GL_COMPILE);
  glBegin(GL_TRIANGLES);
  glVertex3f(1, 0, 0);
  glVertex3f(0, 1, 0);
  glVertex3f(0, 0, 1);
  glEnd();
  glEndList();
  return list;
}

struct Placed {
  float x, y, z, angle;
};

// Window coordinates of the marker model placed at world (x, y, z) and turned by angle
// about y, seen through the world transform of the race start.
std::vector<TFedVertex> Expected(const float world[16], Placed p) {
  const float corners[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  double a = p.angle * 3.14159265358979 / 180;
  std::vector<TFedVertex> out;
  for (const auto& c : corners) {
    double wx = p.x + c[0] * std::cos(a) + c[2] * std::sin(a);
    double wy = p.y + c[1];
    double wz = p.z - c[0] * std::sin(a) + c[2] * std::cos(a);
    double ex = world[0] * wx + world[4] * wy + world[8] * wz + world[12];
    double ey = world[1] * wx + world[5] * wy + world[9] * wz + world[13];
    out.push_back({(float)((ex / Range + 1) * 400), (float)((ey / Range + 1) * 300), 0, 0, 0, 0, 0});
  }
  return out;
}

class SceneryDraw : public testing::Test {
 protected:
  void SetUp() override {
    OpenTestContext();
    glDisable(GL_LIGHTING);
    glDisable(GL_FOG);
    UseWideProjection(Range);
    std::memset(LevelGrids, 0, sizeof LevelGrids);
    std::memset(ModelTable, 0, sizeof ModelTable);
    BoatX = 32, BoatZ = -56, BoatHeading = 0, CameraYaw = 0, WavePhase = 0, Throttle = 0;
    glLoadIdentity();
    ApplyWorldTransform((float)BoatZ, 0, (float)BoatX);
    glGetFloatv(GL_MODELVIEW_MATRIX, world);
    glLoadIdentity();
  }
  void Put(int j, int c, uint8_t code, uint8_t height = 0) {
    CheckpointLayer[320 * j + c] = code;
    Heightmap[320 * j + c] = height;
  }
  void ExpectDrawn(const std::vector<TFedPolygon>& drawn, std::vector<Placed> objects) {
    ASSERT_EQ(drawn.size(), objects.size());
    for (size_t k = 0; k < objects.size(); ++k) {
      std::vector<TFedVertex> expected = Expected(world, objects[k]);
      ASSERT_EQ(drawn[k].size(), 3u);
      for (int v = 0; v < 3; ++v) {
        EXPECT_NEAR(drawn[k][v].X, expected[v].X, 0.01) << "object " << k << " corner " << v;
        EXPECT_NEAR(drawn[k][v].Y, expected[v].Y, 0.01) << "object " << k << " corner " << v;
      }
    }
  }
  float world[16];
};

}  // namespace

TEST_F(SceneryDraw, PlacesAndTurnsObjects) {
  ModelTable[5] = ModelTable[7] = MarkerModel();
  struct Case {
    std::vector<int> markerSteps;  // byte offsets from n holding code + 1
    float angle;
  } cases[] = {
      {{}, 0}, {{+1}, 90}, {{+320, -321}, 315}, {{-320}, 0}, {{-1}, 270}, {{+319}, 225},
  };
  for (const Case& c : cases) {
    std::memset(CheckpointLayer, 0, GridBytes);
    Put(10, 300, 7, 50);  // world (40, 15, -80)
    for (int step : c.markerSteps) CheckpointLayer[320 * 10 + 300 + step] = 8;
    ExpectDrawn(CaptureFeedback([] { glLoadIdentity(); DrawSceneObjects(0, 0, 0); }), {{40, 15, -80, c.angle}});
  }
}

TEST_F(SceneryDraw, CodeFiveFloatsOnTheWater) {
  ModelTable[5] = MarkerModel();
  Put(12, 305, 5, 200);
  ExpectDrawn(CaptureFeedback([] { glLoadIdentity(); DrawSceneObjects(0, 0, 0); }), {{48, 20, -60, 0}});
}

TEST_F(SceneryDraw, OtherCodesAndEmptySlotsDrawNothing) {
  for (int slot = 0; slot < 256; ++slot) ModelTable[slot] = MarkerModel();
  ModelTable[9] = 0;  // a code beyond the model list
  const uint8_t codes[] = {1, 3, 4, 8, 254, 255, 9};
  for (int k = 0; k < 7; ++k) Put(10, 290 + 3 * k, codes[k], 30);
  EXPECT_TRUE(CaptureFeedback([] { glLoadIdentity(); DrawSceneObjects(0, 0, 0); }).empty());
}

// The race draws the 65 x 65 cells around the camera, the intro the whole layer.
TEST_F(SceneryDraw, WindowAndWholeLayer) {
  ModelTable[7] = MarkerModel();
  Put(10, 300, 7, 0);   // inside the window (columns 280..344, rows -18..46)
  Put(10, 279, 7, 0);   // one column before it
  Put(47, 300, 7, 0);   // one row after it
  Put(100, 200, 7, 0);  // far away
  ExpectDrawn(CaptureFeedback([] { glLoadIdentity(); DrawSceneObjects(0, 0, 0); }), {{40, 10, -80, 0}});
  std::vector<TFedPolygon> all = CaptureFeedback([] { glLoadIdentity(); DrawAllSceneObjects(0, 0, 0); });
  EXPECT_EQ(all.size(), 4u);
}

TEST_F(SceneryDraw, LeavesTheWorldTransform) {
  ModelTable[7] = MarkerModel();
  for (int k = 0; k < 20; ++k) {
    Put(5 + k, 290 + k, 7, (uint8_t)(k * 13));
    CheckpointLayer[320 * (5 + k) + 291 + k] = 8;
  }
  DrawSceneObjects(0, 0, 0);
  float after[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, after);
  for (int k = 0; k < 16; ++k) EXPECT_NEAR(after[k], world[k], 1e-3) << k;
  EXPECT_TRUE(glIsEnabled(GL_COLOR_MATERIAL));
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

// The boat hangs 24 units ahead of the eye and 14 below it, turned by its swing only.
TEST_F(SceneryDraw, BoatBeforeTheCamera) {
  ModelTable[0] = MarkerModel();
  BoatHeading = 90;  // turns the world, not the boat
  BoatSwing = 0;
  std::vector<TFedPolygon> drawn =
      CaptureFeedback([] { DrawBoat((float)BoatZ, 0, (float)BoatX); });
  ASSERT_EQ(drawn.size(), 1u);
  // Model (0, 1, 0) is scaled by 0.4 and lands at (0, -13.6, -24) in the tilted frame.
  double t = 25 * 3.14159265358979 / 180;
  double ey = -13.6 * std::cos(t) - (-24) * std::sin(t);
  EXPECT_NEAR(drawn[0][1].X, 400, 0.01);
  EXPECT_NEAR(drawn[0][1].Y, (ey / Range + 1) * 300, 0.01);
  float after[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, after);
  EXPECT_FLOAT_EQ(after[12], 0);
  EXPECT_FLOAT_EQ(after[0], 1);
}
