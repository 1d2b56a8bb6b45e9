#include "picture_paint.h"

#include <algorithm>
#include <cmath>

Spot CentreOn(const TextImage& text, int cx, int cy) {
  return {cx - (text.inkLeft + text.inkRight) / 2, cy - (text.inkTop + text.inkBottom) / 2};
}

Spot CentreBaseline(const TextImage& text, int cx, int baselineY) {
  return {cx - (text.inkLeft + text.inkRight) / 2, baselineY - text.baseline};
}

void PaintSolid(Canvas& canvas, const Mask& mask, Spot at, Rgb colour, float opacity) {
  for (int y = 0; y < mask.height; ++y)
    for (int x = 0; x < mask.width; ++x) {
      float m = mask.At(x, y);
      if (m > 0) canvas.Blend(at.x + x, at.y + y, colour, m * opacity);
    }
}

void PaintRamp(Canvas& canvas, const Mask& mask, Spot at, int top, int bottom,
               Rgb (*ramp)(float)) {
  float span = std::max(1, bottom - top);
  for (int y = 0; y < mask.height; ++y) {
    float t = std::clamp((at.y + y - top) / span, 0.0f, 1.0f);
    Rgb colour = ramp(t);
    for (int x = 0; x < mask.width; ++x) {
      float m = mask.At(x, y);
      if (m > 0) canvas.Blend(at.x + x, at.y + y, colour, m);
    }
  }
}

void PaintShadow(Canvas& canvas, const Mask& mask, Spot at, int radius, int dx, int dy,
                 float opacity) {
  Mask soft = PadMask(mask, radius * 2);
  BlurMask(soft, radius);
  Spot s{at.x - radius * 2 + dx, at.y - radius * 2 + dy};
  PaintSolid(canvas, soft, s, {0, 0, 0}, opacity);
}

void PaintGlow(Canvas& canvas, const Mask& mask, Spot at, int radius, Rgb colour,
               float strength) {
  Mask soft = PadMask(mask, radius * 2);
  BlurMask(soft, radius);
  for (int y = 0; y < soft.height; ++y)
    for (int x = 0; x < soft.width; ++x) {
      float m = soft.At(x, y);
      if (m > 0) canvas.Glow(at.x - radius * 2 + x, at.y - radius * 2 + y, colour, m * strength);
    }
}

void PaintOutline(Canvas& canvas, const Mask& mask, Spot at, int radius, Rgb colour,
                  float opacity) {
  Mask grown = DilateMask(PadMask(mask, radius + 1), radius);
  PaintSolid(canvas, grown, {at.x - radius - 1, at.y - radius - 1}, colour, opacity);
}

Rgb ChromeRamp(float t) {
  struct Stop {
    float t;
    Rgb c;
  };
  static const Stop stops[] = {
      {0.00f, {1.00f, 1.00f, 1.00f}}, {0.22f, {0.80f, 0.89f, 0.98f}},
      {0.50f, {0.36f, 0.49f, 0.66f}}, {0.53f, {0.13f, 0.10f, 0.12f}},
      {0.64f, {0.42f, 0.24f, 0.14f}}, {0.84f, {0.98f, 0.62f, 0.26f}},
      {1.00f, {1.00f, 0.93f, 0.72f}},
  };
  for (size_t i = 1; i < std::size(stops); ++i)
    if (t <= stops[i].t)
      return Mix(stops[i - 1].c, stops[i].c, (t - stops[i - 1].t) / (stops[i].t - stops[i - 1].t));
  return stops[std::size(stops) - 1].c;
}

Rgb EmberRamp(float t) {
  if (t < 0.5f) return Mix({1.0f, 0.90f, 0.62f}, {1.0f, 0.58f, 0.16f}, t * 2);
  return Mix({1.0f, 0.58f, 0.16f}, {0.62f, 0.24f, 0.06f}, (t - 0.5f) * 2);
}

void DrawChromeText(Canvas& canvas, const TextImage& text, Spot at, int rim) {
  PaintShadow(canvas, text.mask, at, rim * 3, rim, rim * 2, 0.8f);
  PaintOutline(canvas, text.mask, at, rim, {0.03f, 0.04f, 0.07f});
  PaintRamp(canvas, text.mask, at, at.y + text.inkTop, at.y + text.inkBottom, ChromeRamp);
  // A fine bright line just inside the top edge of every stroke catches the light.
  Mask edge(text.mask.width, text.mask.height);
  for (int y = 1; y < edge.height; ++y)
    for (int x = 0; x < edge.width; ++x)
      edge.At(x, y) = std::max(0.0f, text.mask.At(x, y) - text.mask.Sample(x, y - 1 - rim / 2));
  PaintSolid(canvas, edge, at, {1, 1, 1}, 0.55f);
}
