#include <GL/gl.h>

#include "race/race_state.h"
#include "render/camera.h"
#include "render/render_state.h"
#include "render/scene.h"
#include "render/scenery_rules.h"
#include "render/terrain_rules.h"

void DrawBoat(float bx, float by, float bz) {
  float bob = CurrentBob();
  glRotatef(25.0f, 1, 0, 0);
  glRotatef((float)CameraYaw, 0, 1, 0);
  glTranslatef((float)BoatZ, -35.0f - bob, (float)BoatX);
  glDisable(GL_TEXTURE_2D);
  glTranslatef(-bx, 21.0f - bob - by, -24.0f - bz);
  glScalef(0.4f, 0.4f, 0.4f);
  glRotatef(-90.0f, 0, 1, 0);
  glRotatef((float)-BoatSwing, 0, 1, 0);
  glCallList(ModelTable[0]);
  glLoadIdentity();
}

// Draws the objects of the layer cells in the given columns and rows (clipped to the
// layer). Each object's transform is undone by the inverse steps, back to the world.
static void DrawObjectsIn(int firstColumn, int lastColumn, int firstRow, int lastRow) {
  if (firstColumn < 0) firstColumn = 0;
  if (lastColumn > 319) lastColumn = 319;
  if (firstRow < 0) firstRow = 0;
  if (lastRow > 319) lastRow = 319;
  for (int c = firstColumn; c <= lastColumn; ++c)
    for (int j = firstRow; j <= lastRow; ++j) {
      int n = 320 * j + c;
      uint8_t v = CheckpointLayer[n];
      if (!IsObjectCode(v) || ModelTable[v] == 0) continue;
      float x = 4.0f * j, y = LandHeight(Heightmap[n]), z = 4.0f * (c - 320);
      float angle = (float)ObjectAngle(CheckpointLayer, j, c);
      glTranslatef(x, y, z);
      glRotatef(angle, 0, 1, 0);
      if (v == 5) {
        // Code 5 floats on the mean water level whatever the ground below it.
        glTranslatef(0, 20.0f - y, 0);
        glCallList(ModelTable[5]);
        glTranslatef(0, y - 20.0f, 0);
      } else {
        glCallList(ModelTable[v]);
      }
      glRotatef(-angle, 0, 1, 0);
      glTranslatef(-x, -y, -z);
    }
}

static void BeginScenery(float dx, float dy, float dz) {
  ApplyWorldTransform((float)(BoatZ + dx), dy, (float)(BoatX + dz));
  glEnable(GL_COLOR_MATERIAL);
  glDisable(GL_TEXTURE_2D);
}

void DrawSceneObjects(float dx, float dy, float dz) {
  BeginScenery(dx, dy, dz);
  TSceneryWindow window = SceneryWindow(BoatX, BoatZ);
  DrawObjectsIn(window.FirstColumn, window.LastColumn, window.FirstRow, window.LastRow);
}

void DrawAllSceneObjects(float dx, float dy, float dz) {
  BeginScenery(dx, dy, dz);
  DrawObjectsIn(0, 319, 0, 319);
}
