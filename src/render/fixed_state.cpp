#include "render/fixed_state.h"

#include <GL/gl.h>
#include <GL/glu.h>

void SetFixedGLState() {
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
  glViewport(0, 0, 800, 600);
  glEnable(GL_DITHER);
  glShadeModel(GL_SMOOTH);
  glClearColor(0.5f, 0.5f, 0.5f, 0.5f);
  glClearDepth(1.0);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);

  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(60.0, 4.0 / 3.0, 0.1, 600.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();

  // Set while the modelview matrix is the identity.
  const float ambient[4] = {0.1f, 0.1f, 0.1f, 1.0f};
  const float diffuse[4] = {0.2f, 0.2f, 0.2f, 1.0f};
  const float position[4] = {0.0f, 0.0f, 0.0f, -20.0f};
  glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
  glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
  glLightfv(GL_LIGHT0, GL_POSITION, position);
  glEnable(GL_LIGHT0);
  glEnable(GL_LIGHTING);

  const float fogColor[4] = {0.5f, 0.5f, 0.5f, 0.0f};
  glFogi(GL_FOG_MODE, GL_LINEAR);
  glFogfv(GL_FOG_COLOR, fogColor);
  glFogf(GL_FOG_DENSITY, 0.045f);
  glHint(GL_FOG_HINT, GL_DONT_CARE);
  glFogf(GL_FOG_START, 70.0f);
  glFogf(GL_FOG_END, 110.0f);
  glEnable(GL_FOG);
}
