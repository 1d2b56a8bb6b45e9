#include "render/form7.h"

#include "race/boat_physics.h"

TForm7* Form7 = nullptr;

TForm7::TForm7() {
  Caption = "Vontel";
  Color = 0x000000;
  ShowsScene = true;
  SetBounds(0, 0, 800, 600);
}

void TForm7::FormKeyDown(int& key) {
  BoatKeyDown(key);
  if (key == VK_ESCAPE) Hide();  // Escape ends the intro or the race at once
}

void TForm7::FormKeyUp(int& key) { BoatKeyUp(key); }
