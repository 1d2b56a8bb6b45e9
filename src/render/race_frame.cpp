#include "render/display.h"
#include "render/race_scene.h"

void RaceFrame() {
  DrawRaceScene();
  SwapGameBuffers();
}
