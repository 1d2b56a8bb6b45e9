#include "render/camera.h"

#include <GL/gl.h>

#include "race/race_state.h"
#include "render/wave.h"

float CurrentBob() { return (float)BobOffset(WavePhase, Throttle); }

void ApplyWorldTransform(float cx, float dy, float cz) {
  glRotatef(25.0f, 1, 0, 0);
  glRotatef((float)BoatHeading, 0, 1, 0);
  glRotatef((float)CameraYaw, 0, 1, 0);
  glTranslatef(cx, -35.0f - CurrentBob() + dy, cz);
}
