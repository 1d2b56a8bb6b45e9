// The race's on-screen display strip. Only its top eighth is on screen, stretched over
// the bottom band of the picture and added to it, so black is clear.
#include <algorithm>
#include <cmath>
#include <vector>

#include "picture_paint.h"
#include "picture_shapes.h"
#include "picture_text.h"
#include "pictures_parts.h"

namespace {

// Texture rows from the top that reach the screen (t from about 0.874 to 1).
const int kVisibleRows = 64;
// A texture pixel shows about 0.81 screen pixels wide and 1.42 high, so shapes are
// drawn wider by this factor to look right.
const float kWiden = 1.75f;

void Chevron(Canvas& canvas, float cx, float cy, float size, int direction, Rgb colour) {
  // An arrowhead made of two slanted strokes, pointing along `direction` (+1 right).
  float w = size * 0.5f * kWiden * direction;
  DrawLine(canvas, {cx - w, cy - size}, {cx + w, cy}, 4.0f * kWiden * 0.6f, colour);
  DrawLine(canvas, {cx + w, cy}, {cx - w, cy + size}, 4.0f * kWiden * 0.6f, colour);
}

}  // namespace

Canvas MakeOsd() {
  Canvas canvas(1024, 512);
  const int centreRow = 34;
  // Fine rules along the top and bottom of the band.
  for (int x = 40; x < 984; ++x) {
    float t = (x - 40) / 944.0f;
    float fade = std::pow(std::sin(t * 3.14159f), 0.5f);
    canvas.Glow(x, 6, {0.45f, 0.65f, 0.85f}, 0.8f * fade);
    canvas.Glow(x, 7, {0.45f, 0.65f, 0.85f}, 0.35f * fade);
    canvas.Glow(x, 60, {1.0f, 0.55f, 0.16f}, 0.7f * fade);
  }
  // Arrowheads leading in to the word, brighter towards the middle.
  for (int k = 0; k < 6; ++k) {
    float brightness = 0.25f + 0.15f * k;
    Rgb colour = Scale({1.0f, 0.55f, 0.15f}, brightness);
    Chevron(canvas, 84 + k * 36.0f, centreRow, 11, +1, colour);
    Chevron(canvas, 940 - k * 36.0f, centreRow, 11, -1, colour);
  }
  TextImage word = RenderText("CHECKPOINT", {kFontSansBold, 30, kWiden, 2.0f}, 12);
  Spot at = CentreOn(word, 512, centreRow);
  // Added to the scene, dark tones would vanish: bright gold letters in an orange glow.
  PaintGlow(canvas, word.mask, at, 8, {1.0f, 0.5f, 0.12f}, 0.9f);
  PaintRamp(canvas, word.mask, at, at.y + word.inkTop, at.y + word.inkBottom, EmberRamp);
  // Nothing below the visible band: keep it black.
  for (int y = kVisibleRows + 2; y < canvas.height; ++y)
    for (int x = 0; x < canvas.width; ++x) canvas.At(x, y) = {};
  return canvas;
}
