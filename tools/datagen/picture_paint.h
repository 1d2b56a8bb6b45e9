#pragma once
// Painting coverage masks (text, shapes) onto a canvas: solid, chrome, shadow, glow.
#include "picture_canvas.h"
#include "picture_text.h"

struct Spot {
  int x = 0, y = 0;  // canvas position of the mask's top-left pixel
};

// Places the ink box of the text with its centre at (cx, cy).
Spot CentreOn(const TextImage& text, int cx, int cy);
// Centred horizontally on cx, baseline on row y.
Spot CentreBaseline(const TextImage& text, int cx, int baselineY);

void PaintSolid(Canvas& canvas, const Mask& mask, Spot at, Rgb colour, float opacity = 1.0f);
// Colour by height: ramp(0) at row `top` of the canvas, ramp(1) at row `bottom`.
void PaintRamp(Canvas& canvas, const Mask& mask, Spot at, int top, int bottom,
               Rgb (*ramp)(float));
// Soft dark copy of the mask, offset and blurred.
void PaintShadow(Canvas& canvas, const Mask& mask, Spot at, int radius, int dx, int dy,
                 float opacity);
// Additive light around the mask.
void PaintGlow(Canvas& canvas, const Mask& mask, Spot at, int radius, Rgb colour,
               float strength);
void PaintOutline(Canvas& canvas, const Mask& mask, Spot at, int radius, Rgb colour,
                  float opacity = 1.0f);

// Polished metal reflecting a dusk sky: pale blue above the horizon line, dark earth
// below it, warming to orange at the bottom.
Rgb ChromeRamp(float t);
// Brushed gold-orange, for accents.
Rgb EmberRamp(float t);

// The title treatment used throughout: shadow, dark rim, chrome face, thin highlight.
void DrawChromeText(Canvas& canvas, const TextImage& text, Spot at, int rim);
