#include "screens/intro.h"

#include <GL/gl.h>

#include "audio/sound.h"
#include "race/race_state.h"
#include "render/display.h"
#include "render/render_state.h"
#include "render/scene.h"
#include "screens/game_random.h"
#include "screens/intro_overlay.h"
#include "shell/form1.h"
#include "shell/state.h"

void IntroStart() {
  PlayTitleFile("data/title.vqf", 0);
  if (Form1) {
    Form1->ThreadedTimer1.SetInterval(30);
    Form1->ThreadedTimer1.SetEnabled(true);
  }
  IntroDistance = 1200.0;
  IntroSide = -60.0;
  CameraYaw = 180.0;
  ScreenState = StateIntro;
}

void IntroTick() {
  if (IntroDistance > 40.0) {
    IntroDistance -= 1.0;
    IntroSide += 0.05;
  }
}

void IntroDraw() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  DrawBoat((float)(BoatZ - IntroSide), 0, (float)(BoatX - IntroDistance));
  DrawTerrain((float)(BoatZ + IntroSide), 0, (float)(BoatX + IntroDistance));
  DrawAllSceneObjects((float)IntroSide, 0, (float)IntroDistance);

  glLoadIdentity();
  glDisable(GL_DEPTH_TEST);
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);

  TIntroOverlay overlay = IntroOverlayAt(TickCount);
  if (overlay.Found) glBindTexture(GL_TEXTURE_2D, IntroTexture[overlay.Picture]);
  if (TickCount > IntroLastTick) LeaveLoop = true;
  if (overlay.Found) {
    TQuadCorner corners[4];
    IntroQuadCorners(overlay, IntroShake(GameRandom(100)), corners);
    glColor4d(1, 1, 1, overlay.Alpha);
    glBegin(GL_QUADS);
    for (const TQuadCorner& c : corners) {
      glTexCoord2d(c.U, c.V);
      glVertex3d(c.X, c.Y, -2.0);
    }
    glEnd();
  }

  glDisable(GL_BLEND);
  glEnable(GL_DEPTH_TEST);
}

void IntroFrame() {
  IntroDraw();
  SwapGameBuffers();
}
