#include "picture_scene.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "picture_noise.h"
#include "picture_shapes.h"

namespace {

Rgb SkyGradient(float t) {  // t = 0 at the top of the sky, 1 at the horizon
  struct Stop {
    float t;
    Rgb c;
  };
  static const Stop stops[] = {
      {0.00f, {0.020f, 0.035f, 0.085f}}, {0.40f, {0.050f, 0.120f, 0.210f}},
      {0.68f, {0.120f, 0.260f, 0.340f}}, {0.84f, {0.420f, 0.330f, 0.330f}},
      {0.94f, {0.880f, 0.470f, 0.220f}}, {1.00f, {1.000f, 0.700f, 0.360f}},
  };
  for (size_t i = 1; i < std::size(stops); ++i)
    if (t <= stops[i].t)
      return Mix(stops[i - 1].c, stops[i].c, (t - stops[i - 1].t) / (stops[i].t - stops[i - 1].t));
  return stops[std::size(stops) - 1].c;
}

// Sky colour with clouds, without the lightning, for any row above the horizon.
Rgb SkyAt(float x, float y, const SceneLook& look) {
  float h = look.horizon;
  float t = std::clamp(y / h, 0.0f, 1.0f);
  Rgb sky = SkyGradient(t);
  // Glow of the sun just below the horizon.
  float dx = (x - look.sunX) / 260.0f, dy = (h - y) / 120.0f;
  float sun = std::exp(-(dx * dx + dy * dy));
  sky = Add(sky, Scale(Rgb{1.0f, 0.55f, 0.22f}, sun * 0.55f));
  // Long cloud bands, lit orange from below near the horizon, steel blue above.
  float n = Fbm(x * 0.0045f, y * 0.021f, 5, 11);
  float band = std::clamp((n - 0.47f) * 3.2f, 0.0f, 1.0f) * std::clamp(t * 2.2f, 0.0f, 1.0f);
  float lit = std::clamp((t - 0.45f) * 2.0f, 0.0f, 1.0f);
  Rgb cloud = Mix(Rgb{0.10f, 0.13f, 0.21f}, Rgb{0.78f, 0.36f, 0.20f}, lit * (0.4f + sun));
  float edge = Fbm(x * 0.02f, y * 0.05f, 3, 23);
  sky = Mix(sky, cloud, band * (0.55f + 0.35f * edge));
  return sky;
}

float Ridge(float x, uint32_t seed, float scale) { return Fbm(x * scale, 0.5f, 5, seed); }

float RiverDepth(int y, const SceneLook& look, int height) {  // 0 at the horizon, 1 at the bottom
  return std::clamp((y - look.horizon) / float(height - look.horizon), 0.0f, 1.0f);
}

float RiverCentre(float d, const SceneLook& look) {
  return look.sunX + 40 + look.riverBend * 150 * d * std::sin(3.3f * d + 0.4f) + 60 * d;
}

float RiverHalfWidth(float d) { return 5 + 270 * std::pow(d, 1.3f); }

// The banks wander a little, each on its own.
float BankOffset(int y, int side) { return Fbm(y * 0.035f, side * 7.0f, 3, 83) - 0.5f; }

// A shrub on the bank: a few dark rounded leaves with the last light on their tops.
void PaintBush(Canvas& canvas, Point base, float size, PictureRng& rng, float flash) {
  int lobes = 3 + int(rng.Unit() * 3);
  for (int k = 0; k < lobes; ++k) {
    Point c{base.x + rng.Range(-1, 1) * size, base.y - rng.Range(0.3f, 1.2f) * size};
    float r = size * rng.Range(0.5f, 0.9f);
    FillDisc(canvas, c, r, {0.015f, 0.04f, 0.035f});
    FillDisc(canvas, {c.x, c.y - r * 0.35f}, r * 0.55f, {0.08f, 0.10f, 0.07f}, 0.35f + flash * 0.3f);
  }
}

// A small house on the bank with one window still lit.
void PaintCabin(Canvas& canvas, Point base, float size) {
  Rgb wall{0.02f, 0.03f, 0.04f};
  FillPolygon(canvas, {{base.x - size, base.y}, {base.x - size, base.y - size * 0.9f},
                       {base.x + size, base.y - size * 0.9f}, {base.x + size, base.y}},
              wall);
  FillPolygon(canvas, {{base.x - size * 1.25f, base.y - size * 0.85f},
                       {base.x, base.y - size * 1.7f},
                       {base.x + size * 1.25f, base.y - size * 0.85f}},
              wall);
  Point window{base.x + size * 0.35f, base.y - size * 0.45f};
  float half = std::max(0.8f, size * 0.2f);
  FillPolygon(canvas, {{window.x - half, window.y - half}, {window.x + half, window.y - half},
                       {window.x + half, window.y + half}, {window.x - half, window.y + half}},
              {1.0f, 0.72f, 0.32f});
  GlowDisc(canvas, window, half * 4, {1.0f, 0.55f, 0.2f}, 0.35f);
}

void PaintBolt(Canvas& canvas, const SceneLook& look) {
  PictureRng rng(look.boltSeed);
  struct Branch {
    Point start;
    float heading, length, width;
  };
  std::vector<Branch> todo{{{look.boltX, 0}, 1.57f + rng.Range(-0.2f, 0.2f),
                            float(look.horizon - 10), 2.4f}};
  Rgb core{0.95f, 0.97f, 1.0f}, halo{0.55f, 0.65f, 1.0f};
  while (!todo.empty()) {
    Branch b = todo.back();
    todo.pop_back();
    Point p = b.start;
    float travelled = 0;
    while (travelled < b.length && p.y < look.horizon - 4) {
      float step = rng.Range(6, 15);
      float heading = b.heading + rng.Range(-0.95f, 0.95f);
      Point q{p.x + std::cos(heading) * step, p.y + std::sin(heading) * step};
      GlowLine(canvas, p, q, 7 * b.width, halo, 0.035f * look.bolt);
      GlowLine(canvas, p, q, 1.6f * b.width, core, 0.18f * look.bolt);
      DrawLine(canvas, p, q, b.width, core, look.bolt);
      if (b.width > 1.0f && rng.Unit() < 0.14f)
        todo.push_back({q, b.heading + (rng.Unit() < 0.5f ? -0.7f : 0.7f),
                        (b.length - travelled) * 0.45f, b.width * 0.5f});
      p = q;
      travelled += step;
    }
  }
}

void PaintBoat(Canvas& canvas, const SceneLook& look) {
  float y = look.boatY;
  float x = RiverCentre(RiverDepth(int(y), look, canvas.height), look) + look.boatX;
  // Wake: two foaming lines opening out behind the boat, towards the viewer.
  for (int side = -1; side <= 1; side += 2) {
    for (int k = 0; k < 14; ++k) {
      float t0 = k / 14.0f, t1 = (k + 1) / 14.0f;
      Point a{x + side * (10 + 150 * t0), y + 10 + 120 * t0};
      Point b{x + side * (10 + 150 * t1), y + 10 + 120 * t1};
      float fade = 1 - t0;
      DrawLine(canvas, a, b, 2.5f + 3 * t0, {0.85f, 0.90f, 0.95f}, 0.55f * fade);
      GlowLine(canvas, a, b, 6 + 6 * t0, {0.35f, 0.45f, 0.55f}, 0.12f * fade);
    }
  }
  // Churned water straight behind the stern.
  for (int k = 0; k < 40; ++k) {
    float t = k / 40.0f;
    GlowDisc(canvas, {x + 6 * std::sin(k * 1.7f), y + 14 + 110 * t}, 6 + 10 * t,
             {0.45f, 0.55f, 0.62f}, 0.10f * (1 - t));
  }
  // Hull seen from behind and a little above: the deck narrows to the bow ahead.
  std::vector<Point> hull{{x - 34, y}, {x + 34, y}, {x + 30, y + 11}, {x - 30, y + 11}};
  std::vector<Point> deck{{x - 34, y},      {x - 27, y - 10}, {x - 12, y - 19}, {x, y - 22},
                          {x + 12, y - 19}, {x + 27, y - 10}, {x + 34, y}};
  std::vector<Point> screen{{x - 20, y - 5}, {x - 13, y - 14}, {x + 13, y - 14}, {x + 20, y - 5}};
  std::vector<Point> stripe{{x - 33, y + 2}, {x + 33, y + 2}, {x + 32, y + 5}, {x - 32, y + 5}};
  std::vector<Point> motor{{x - 7, y + 8}, {x + 7, y + 8}, {x + 6, y + 17}, {x - 6, y + 17}};
  auto fill = [&](const std::vector<Point>& pts, Rgb c) { FillPolygon(canvas, pts, c); };
  GlowDisc(canvas, {x, y + 16}, 12, {0.7f, 0.8f, 0.9f}, 0.35f);
  fill(hull, {0.05f, 0.06f, 0.09f});
  fill(deck, {0.80f, 0.82f, 0.86f});
  fill(stripe, {1.0f, 0.50f, 0.12f});
  fill(screen, {0.08f, 0.14f, 0.22f});
  fill(motor, {0.12f, 0.12f, 0.14f});
  DrawLine(canvas, {x - 13, y - 14}, {x + 13, y - 14}, 1.2f, {0.8f, 0.9f, 1.0f}, 0.8f);
  fill({{x - 3, y - 6}, {x + 3, y - 6}, {x + 3, y - 12}, {x - 3, y - 12}}, {0.02f, 0.02f, 0.03f});
  // Two tail lights.
  GlowDisc(canvas, {x - 22, y + 8}, 3, {1.0f, 0.25f, 0.1f}, 0.9f);
  GlowDisc(canvas, {x + 22, y + 8}, 3, {1.0f, 0.25f, 0.1f}, 0.9f);
}

}  // namespace

void PaintDuskScene(Canvas& canvas, const SceneLook& look) {
  const int w = canvas.width, h = canvas.height, horizon = look.horizon;
  // Sky, with faint stars high up.
  for (int y = 0; y < horizon; ++y)
    for (int x = 0; x < w; ++x) canvas.At(x, y) = SkyAt(x, y, look);
  PictureRng stars(5);
  for (int k = 0; k < 260; ++k) {
    float sx = stars.Range(0, w), sy = stars.Range(0, horizon * 0.55f);
    float bright = stars.Range(0.1f, 0.7f) * (1 - sy / (horizon * 0.55f));
    GlowDisc(canvas, {sx, sy}, stars.Range(0.5f, 1.1f), {0.8f, 0.85f, 1.0f}, bright);
  }
  // Lightning lights the sky from above the bolt.
  if (look.flash > 0)
    for (int y = 0; y < horizon; ++y)
      for (int x = 0; x < w; ++x) {
        float dx = (x - look.boltX) / 420.0f, dy = y / float(horizon);
        float light = look.flash * (0.35f + 0.65f * std::exp(-dx * dx)) * (1.1f - 0.6f * dy);
        float cloud = Fbm(x * 0.0045f, y * 0.021f, 5, 11);
        light *= 0.55f + 0.9f * std::clamp(cloud - 0.35f, 0.0f, 1.0f);
        canvas.Glow(x, y, {0.55f, 0.62f, 0.85f}, light);
      }
  if (look.bolt > 0) PaintBolt(canvas, look);

  // Two mountain ridges in the haze, the far one pale, the near one dark teal.
  for (int x = 0; x < w; ++x) {
    float far = horizon - 18 - 52 * Ridge(x, 31, 0.006f);
    float nearTop = horizon - 6 - 30 * Ridge(x + 300, 37, 0.009f);
    for (int y = std::max(0, (int)far); y < horizon; ++y) {
      float cover = std::clamp(y - far, 0.0f, 1.0f);
      Rgb haze = Mix(SkyAt(x, y, look), Rgb{0.09f, 0.14f, 0.22f}, 0.55f);
      haze = Add(haze, Scale({0.5f, 0.55f, 0.75f}, look.flash * 0.25f));
      canvas.Blend(x, y, haze, cover);
    }
    for (int y = std::max(0, (int)nearTop); y < horizon; ++y) {
      float cover = std::clamp(y - nearTop, 0.0f, 1.0f);
      Rgb ridge = Mix(Rgb{0.03f, 0.07f, 0.10f}, Rgb{0.06f, 0.11f, 0.14f}, (y - nearTop) / 30);
      ridge = Add(ridge, Scale({0.35f, 0.40f, 0.55f}, look.flash * 0.18f));
      canvas.Blend(x, y, ridge, cover);
    }
  }

  // Land and river below the horizon.
  for (int y = horizon; y < h; ++y) {
    float d = RiverDepth(y, look, h);
    float centre = RiverCentre(d, look), half = RiverHalfWidth(d);
    float left = centre - half * (1 + 0.25f * BankOffset(y, 0));
    float right = centre + half * (1 + 0.25f * BankOffset(y, 1));
    float mirror = std::max(0.0f, horizon - (y - horizon) * 1.05f);
    for (int x = 0; x < w; ++x) {
      float fromBank = std::min(x - left, right - x);
      Rgb land = Mix(Rgb{0.035f, 0.065f, 0.060f}, Rgb{0.075f, 0.115f, 0.085f},
                     Fbm(x * 0.03f / (0.2f + d), y * 0.09f, 4, 41));
      land = Add(land, Scale({1.0f, 0.5f, 0.2f}, 0.05f * (1 - d)));
      land = Add(land, Scale({0.4f, 0.45f, 0.6f}, look.flash * 0.12f));
      if (fromBank < -1) {
        canvas.At(x, y) = land;
        continue;
      }
      // Water: the sky mirrored, broken by ripples that grow towards the viewer.
      float ripple = Fbm(x * 0.012f / (0.15f + d), y * 0.35f / (0.1f + d), 4, 53);
      float sx = x + (ripple - 0.5f) * 40 * d;
      Rgb water = SkyAt(sx, std::min(mirror + (ripple - 0.5f) * 30 * d, horizon - 1.0f), look);
      water = Scale(water, 0.45f + 0.35f * ripple);
      water = Mix(water, Rgb{0.03f, 0.09f, 0.12f}, 0.35f + 0.3f * d);
      // The sun's broken path of light.
      float path = std::exp(-std::pow((x - look.sunX - 40 * d) / (18 + 90 * d), 2.0f));
      float glitter = std::clamp((Fbm(x * 0.08f, y * 0.9f, 3, 59) - 0.5f) * 4, 0.0f, 1.0f);
      water = Add(water, Scale({1.0f, 0.58f, 0.25f}, path * glitter * (0.9f - 0.5f * d)));
      water = Add(water, Scale({0.45f, 0.5f, 0.7f}, look.flash * 0.25f * ripple));
      // A bright rim where the water meets the bank.
      float shore = std::clamp(1 - std::fabs(fromBank) / (1.5f + 3 * d), 0.0f, 1.0f);
      water = Mix(water, Rgb{0.30f, 0.34f, 0.36f}, shore * 0.5f);
      canvas.At(x, y) = Mix(land, water, std::clamp(fromBank + 1, 0.0f, 1.0f));
    }
  }

  // A dark tree line along the far banks, leaving a gap where the river comes in.
  for (int x = 0; x < w; ++x) {
    float gap = std::fabs(x - RiverCentre(0, look)) - 14;
    if (gap < 0) continue;
    float rise = std::clamp(gap / 30, 0.0f, 1.0f);
    float n = Fbm(x * 0.09f, 3.0f, 3, 71);
    float spikes = std::fabs(std::sin(x * 0.9f + n * 6)) * 6;
    float top = horizon - rise * (4 + 12 * n + spikes);
    for (int y = std::max(0, (int)top); y <= horizon + 3; ++y) {
      float cover = std::clamp(y - top, 0.0f, 1.0f);
      canvas.Blend(x, y, Rgb{0.015f, 0.035f, 0.04f}, cover);
    }
  }

  // Two cabins on the far banks.
  const float cabinDepths[] = {0.06f, 0.16f};
  for (int k = 0; k < 2; ++k) {
    float d = cabinDepths[k];
    int y = horizon + int(d * (h - horizon));
    int side = k == 0 ? 1 : 0;
    float half = RiverHalfWidth(d) * (1 + 0.25f * BankOffset(y, side));
    float x = RiverCentre(d, look) + (side ? 1 : -1) * (half + 14 + 30 * d);
    PaintCabin(canvas, {x, float(y)}, 4 + 22 * d);
  }

  // Shrubs along both banks, growing as they come nearer.
  PictureRng rng(91);
  for (int k = 0; k < 70; ++k) {
    int y = horizon + 4 + int(std::pow(rng.Unit(), 0.8f) * (h - horizon - 4));
    float d = RiverDepth(y, look, h);
    int side = rng.Unit() < 0.5f ? 0 : 1;
    float half = RiverHalfWidth(d) * (1 + 0.25f * BankOffset(y, side));
    float x = RiverCentre(d, look) + (side ? 1 : -1) * (half + rng.Range(2, 40) * (0.1f + d));
    PaintBush(canvas, {x, float(y)}, 2 + 13 * d, rng, look.flash);
  }

  if (look.boat) PaintBoat(canvas, look);
}

void DimScene(Canvas& canvas, float amount) {
  for (int y = 0; y < canvas.height; ++y)
    for (int x = 0; x < canvas.width; ++x) {
      float dx = (x - canvas.width / 2.0f) / canvas.width;
      float dy = (y - canvas.height / 2.0f) / canvas.height;
      float vignette = 1 - 1.2f * (dx * dx + dy * dy);
      canvas.At(x, y) = Scale(canvas.At(x, y), (1 - amount) * vignette);
    }
}
