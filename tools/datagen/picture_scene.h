#pragma once
// The dusk river landscape behind every screen picture.
#include <cstdint>

#include "picture_canvas.h"

struct SceneLook {
  int horizon = 300;       // row of the horizon
  float sunX = 250;        // where the sun has just set
  float riverBend = 1.0f;  // how far the river swings on its way to the viewer
  bool boat = true;
  float boatX = 0, boatY = 470;  // boatX: from the middle of the river
  float flash = 0;         // 0 = calm dusk, 1 = the sky lit by lightning
  float bolt = 0;          // brightness of the lightning bolt itself
  uint32_t boltSeed = 1;
  float boltX = 150;       // where the bolt starts in the sky
};

void PaintDuskScene(Canvas& canvas, const SceneLook& look);

// Darkens everything by `amount` (0..1), leaving a gentle vignette.
void DimScene(Canvas& canvas, float amount);
