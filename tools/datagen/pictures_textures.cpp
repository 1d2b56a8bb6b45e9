// The textures of the 3D views: land, winter land, water, smoke and the snowflake.
#include <algorithm>
#include <cmath>

#include "picture_noise.h"
#include "picture_shapes.h"
#include "pictures_parts.h"

namespace {

const float kPi = 3.14159265f;

// Short strokes that wrap around the edges, so the texture still tiles.
void WrappedStroke(Canvas& canvas, Point a, Point b, float width, Rgb colour, float alpha) {
  for (int oy = -1; oy <= 1; ++oy)
    for (int ox = -1; ox <= 1; ++ox) {
      float dx = ox * canvas.width, dy = oy * canvas.height;
      DrawLine(canvas, {a.x + dx, a.y + dy}, {b.x + dx, b.y + dy}, width, colour, alpha);
    }
}

float Smoothstep(float a, float b, float v) {
  float t = std::clamp((v - a) / (b - a), 0.0f, 1.0f);
  return t * t * (3 - 2 * t);
}

}  // namespace

Canvas MakeSummerLand() {
  // Kept light, fine-grained and even: the terrain tints it green by height, and it
  // repeats on every map cell, so large patches would show the grid.
  const int size = 256;
  Canvas canvas(size, size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      float u = x / float(size), v = y / float(size);
      float soft = TileFbm(u * 4, v * 4, 4, 4, 101);
      float fine = TileFbm(u * 48, v * 48, 48, 2, 103);
      Rgb earth{0.70f, 0.66f, 0.55f}, grass{0.78f, 0.84f, 0.66f};
      Rgb c = Mix(earth, grass, 0.55f + 0.5f * (soft - 0.5f));
      c = Scale(c, 0.90f + 0.18f * fine);
      canvas.At(x, y) = c;
    }
  PictureRng rng(107);
  for (int k = 0; k < 2600; ++k) {
    Point root{rng.Range(0, size), rng.Range(0, size)};
    float angle = -kPi / 2 + rng.Range(-0.7f, 0.7f), length = rng.Range(3, 7);
    Point tip{root.x + std::cos(angle) * length, root.y + std::sin(angle) * length};
    bool light = rng.Unit() < 0.5f;
    WrappedStroke(canvas, root, tip, 1.0f,
                  light ? Rgb{0.90f, 0.95f, 0.78f} : Rgb{0.52f, 0.58f, 0.44f}, 0.35f);
  }
  for (int k = 0; k < 60; ++k) {  // small pebbles
    Point p{rng.Range(0, size), rng.Range(0, size)};
    WrappedStroke(canvas, p, {p.x + 1.2f, p.y + 0.6f}, 2.0f, {0.82f, 0.78f, 0.70f}, 0.5f);
  }
  return canvas;
}

Canvas MakeWinterLand() {
  const int size = 256;
  Canvas canvas(size, size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      float u = x / float(size), v = y / float(size);
      float drifts = TileFbm(u * 8, v * 8, 8, 4, 201);
      float crust = TileFbm(u * 32, v * 32, 32, 3, 203);
      Rgb snow{0.96f, 0.97f, 1.0f}, shade{0.85f, 0.89f, 0.97f};
      Rgb c = Mix(shade, snow, Smoothstep(0.2f, 0.8f, drifts));
      c = Scale(c, 0.95f + 0.07f * crust);
      // A faint blue glaze of ice in the hollows.
      float ice = Smoothstep(0.6f, 0.75f, TileFbm(u * 8, v * 8, 8, 3, 207));
      c = Mix(c, Rgb{0.76f, 0.85f, 0.94f}, ice * 0.35f);
      canvas.At(x, y) = c;
    }
  PictureRng rng(211);
  for (int k = 0; k < 40; ++k) {  // small stones showing through
    Point p{rng.Range(0, size), rng.Range(0, size)};
    WrappedStroke(canvas, p, {p.x + rng.Range(0.5f, 2), p.y + 0.5f}, 1.8f,
                  {0.55f, 0.55f, 0.58f}, 0.45f);
  }
  for (int k = 0; k < 600; ++k) {  // glitter
    int x = int(rng.Range(0, size)), y = int(rng.Range(0, size));
    canvas.Glow(x, y, {1, 1, 1}, rng.Range(0.05f, 0.3f));
  }
  return canvas;
}

Canvas MakeWater() {
  const int size = 256;
  Canvas canvas(size, size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      float u = x / float(size) * 4, v = y / float(size) * 4;
      // Warped ridged noise gives the criss-cross lines of small ripples.
      float wx = TileFbm(u, v, 4, 3, 301) * 1.6f, wy = TileFbm(u, v, 4, 3, 303) * 1.6f;
      float n = TileFbm(u * 2 + wx * 2, v * 2 + wy * 2, 8, 4, 307);
      float ridge = 1 - std::fabs(2 * n - 1);
      float crest = std::pow(ridge, 6.0f);
      float depth = TileFbm(u * 2, v * 2, 8, 3, 311);
      Rgb deep{0.08f, 0.23f, 0.35f}, shallow{0.12f, 0.31f, 0.42f};
      Rgb c = Mix(deep, shallow, depth);
      c = Add(c, Scale({0.50f, 0.66f, 0.76f}, crest * 0.65f));
      canvas.At(x, y) = c;
    }
  return canvas;
}

Canvas MakeSmoke() {
  // A soft puff fading to pure black well inside the edges: drawn additively.
  const int size = 128;
  Canvas canvas(size, size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      float dx = (x + 0.5f - size / 2.0f) / (size / 2.0f);
      float dy = (y + 0.5f - size / 2.0f) / (size / 2.0f);
      float r = std::sqrt(dx * dx + dy * dy);
      float billow = Fbm(x * 0.05f, y * 0.05f, 4, 401);
      float body = std::clamp(1 - r / (0.62f + 0.3f * billow), 0.0f, 1.0f);
      float light = std::pow(body, 1.4f) * (0.55f + 0.6f * billow);
      light *= 1 - Smoothstep(0.8f, 0.94f, r);
      canvas.At(x, y) = Scale({0.96f, 0.97f, 1.0f}, std::min(light, 1.0f));
    }
  return canvas;
}

Canvas MakeSnowflake() {
  const int size = 64;
  Canvas canvas(size, size);
  Point centre{32, 32};
  GlowDisc(canvas, centre, 10, {0.5f, 0.6f, 0.8f}, 0.35f);
  for (int arm = 0; arm < 6; ++arm) {
    float a = arm * kPi / 3 + kPi / 6;
    Point dir{std::cos(a), std::sin(a)};
    Point tip{centre.x + dir.x * 24, centre.y + dir.y * 24};
    DrawLine(canvas, centre, tip, 2.2f, {1, 1, 1});
    for (int k = 1; k <= 2; ++k) {  // side branches
      float along = 8.0f * k, len = 8.0f - 2 * k;
      Point base{centre.x + dir.x * along, centre.y + dir.y * along};
      for (int side = -1; side <= 1; side += 2) {
        float b = a + side * kPi / 3;
        DrawLine(canvas, base, {base.x + std::cos(b) * len, base.y + std::sin(b) * len}, 1.5f,
                 {0.95f, 0.97f, 1.0f});
      }
    }
  }
  // Keep the outermost pixels black so the quads show no edges.
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      if (x < 3 || y < 3 || x >= size - 3 || y >= size - 3) canvas.At(x, y) = {};
  return canvas;
}
