#pragma once
// Anti-aliased shapes for the screen pictures.
#include <vector>

#include "picture_canvas.h"

struct Point {
  float x = 0, y = 0;
};

// Coverage of a rounded rectangle whose pixel centres x0..x1, y0..y1 are inside.
Mask RoundedRectMask(int width, int height, float x0, float y0, float x1, float y1,
                     float radius);
// Coverage of a closed polygon, 4 x 4 samples per pixel.
Mask PolygonMask(int width, int height, const std::vector<Point>& points);
// Blends a closed polygon straight onto the canvas, anti-aliased.
void FillPolygon(Canvas& canvas, const std::vector<Point>& points, Rgb colour, float alpha = 1.0f);
void FillRect(Canvas& canvas, int x0, int y0, int x1, int y1, Rgb colour, float alpha = 1.0f);
// A line of the given width with round ends, blended.
void DrawLine(Canvas& canvas, Point a, Point b, float width, Rgb colour, float alpha = 1.0f);
// Additive light along a segment, falling off over `radius` pixels.
void GlowLine(Canvas& canvas, Point a, Point b, float radius, Rgb colour, float amount);
void FillDisc(Canvas& canvas, Point centre, float radius, Rgb colour, float alpha = 1.0f);
// Soft round light.
void GlowDisc(Canvas& canvas, Point centre, float radius, Rgb colour, float amount);
