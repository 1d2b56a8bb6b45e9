#include <GL/gl.h>

#include "race/boat_physics.h"
#include "race/race_state.h"
#include "render/race_scene.h"
#include "render/render_state.h"
#include "render/scene.h"
#include "shell/state.h"

// The on-screen display: a textured quad one unit in front of the eye whose top edge sits
// near row 508 of 600; only the top of its picture is seen. Drawn additively over all.
void DrawOsdQuad() {
  glLoadIdentity();
  glDisable(GL_DEPTH_TEST);
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
  glBindTexture(GL_TEXTURE_2D, OsdTexture);
  glColor4f(1.0f, 1.0f, 1.0f, 20.0f);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  glDisable(GL_COLOR_MATERIAL);
  glBegin(GL_QUADS);
  glTexCoord2f(1, 1); glVertex3f(0.8f, -0.4f, -1.0f);
  glTexCoord2f(0, 1); glVertex3f(-0.8f, -0.4f, -1.0f);
  glTexCoord2f(0, 0); glVertex3f(-0.8f, -1.8f, -1.0f);
  glTexCoord2f(1, 0); glVertex3f(0.8f, -1.8f, -1.0f);
  glEnd();
  glEnable(GL_COLOR_MATERIAL);
  glDisable(GL_BLEND);
  glEnable(GL_DEPTH_TEST);
}

void DrawRaceScene() {
  if (ScreenState == StateRace) PhysicsStep();
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  DrawBoat((float)BoatZ, 0.0f, (float)BoatX);
  DrawTerrain((float)BoatZ, 0.0f, (float)BoatX);
  if (SmokeOn) {
    DrawSpray(0, 0.8f, 0.0f, 0.0f, 10.0f);
    DrawSpray(1, -0.8f, 0.0f, 0.0f, 10.0f);
    DrawSpray(2, 0.0f, -10.0f, 0.0f, 0.0f);
    if (Season == "winter") DrawSnow();
  }
  DrawSceneObjects(0.0f, 0.0f, 0.0f);
  if (OverlayOn) DrawOsdQuad();
}
