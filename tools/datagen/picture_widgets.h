#pragma once
// Buttons and framed panels painted into the screen pictures.
#include <string>

#include "picture_canvas.h"

// A rectangle of screen pixels, both corners inclusive.
struct PixelRect {
  int x0, y0, x1, y1;
};

// A glass button filling the rectangle, its word centred on it.
void DrawButton(Canvas& canvas, PixelRect rect, const std::string& word, float textPixels);
// A dark panel with a thin steel rim and orange corner marks; at darkness 1 its inside
// is exactly the colour `face`.
void DrawPanel(Canvas& canvas, PixelRect rect, float darkness,
               Rgb face = {0.010f, 0.020f, 0.035f});
// A flat black well with corner brackets, for places where the game draws its own picture.
void DrawWell(Canvas& canvas, PixelRect rect);
// The game's name in chrome letters, centred on (cx, cy).
void DrawLogo(Canvas& canvas, int cx, int cy, float pixels);
// A thin orange rule that fades out at both ends.
void DrawRule(Canvas& canvas, int x0, int x1, int y);
