// Backgrounds of the level map and options, the credits, the race result and loading.
#include <algorithm>
#include <cmath>
#include <vector>

#include "picture_noise.h"
#include "picture_paint.h"
#include "picture_scene.h"
#include "picture_shapes.h"
#include "picture_text.h"
#include "picture_widgets.h"
#include "pictures_parts.h"

namespace {

void Heading(Canvas& canvas, const char* words, int cx, int baseline, float pixels) {
  TextImage text = RenderText(words, {kFontSerifBoldItalic, pixels}, 8);
  Spot at = CentreBaseline(text, cx, baseline);
  PaintShadow(canvas, text.mask, at, 3, 1, 2, 0.85f);
  PaintRamp(canvas, text.mask, at, at.y + text.inkTop, at.y + text.inkBottom, EmberRamp);
}

// Pixels from the rectangle, 0 inside it.
float DistanceTo(PixelRect r, int x, int y) {
  float dx = std::max({r.x0 - x, 0, x - r.x1}), dy = std::max({r.y0 - y, 0, y - r.y1});
  return std::sqrt(dx * dx + dy * dy);
}

// Faint height lines, as on a river chart. They fade out around the arrows, whose
// ground must stay flat: 8 pixels beyond each arrow every JPEG block is one colour.
void DrawContours(Canvas& canvas, PixelRect r, const std::vector<PixelRect>& keepFlat) {
  for (int y = r.y0; y <= r.y1; ++y)
    for (int x = r.x0; x <= r.x1; ++x) {
      float h = Fbm(x * 0.006f, y * 0.006f, 4, 601) * 14;
      float line = std::fabs(h - std::round(h));
      float ink = std::clamp(1 - line * 14, 0.0f, 1.0f);
      for (PixelRect k : keepFlat)
        ink *= std::clamp((DistanceTo(k, x, y) - 9) / 12, 0.0f, 1.0f);
      if (ink > 0) canvas.Blend(x, y, {0.20f, 0.38f, 0.46f}, 0.16f * ink);
    }
}

// A chequered finish flag on a pole, waving; `side` -1 flies it to the left.
void DrawFinishFlag(Canvas& canvas, Point pole, int side) {
  const int columns = 8, rows = 5;
  const float cell = 11;
  auto corner = [&](int i, int j) {
    float u = float(i) / columns;
    float wave = std::sin(u * 3.14159f * 1.6f) * 6 * u;
    return Point{pole.x + side * i * cell, pole.y + j * cell + wave + u * 4};
  };
  for (int i = 0; i < columns; ++i)
    for (int j = 0; j < rows; ++j) {
      bool light = (i + j) % 2 == 0;
      float shade = 0.75f + 0.25f * std::cos(i * 0.9f);
      Rgb colour = light ? Scale({0.95f, 0.96f, 1.0f}, shade) : Rgb{0.04f, 0.05f, 0.07f};
      FillPolygon(canvas, {corner(i, j), corner(i + 1, j), corner(i + 1, j + 1), corner(i, j + 1)},
                  colour);
    }
  DrawLine(canvas, {pole.x, pole.y - 6}, {pole.x, pole.y + 84}, 3, {0.75f, 0.78f, 0.82f});
  GlowDisc(canvas, {pole.x, pole.y - 7}, 3, {1.0f, 0.6f, 0.2f}, 0.9f);
}

}  // namespace

Canvas MakeLevelMapBackground() {
  Canvas canvas(800, 600);
  SceneLook look;
  look.sunX = 180;
  look.boatX = -10;
  look.boatY = 430;
  look.riverBend = -0.8f;
  PaintDuskScene(canvas, look);
  DimScene(canvas, 0.35f);
  DrawLogo(canvas, 400, 84, 76);
  DrawRule(canvas, 250, 550, 140);
  // Level title, description, minimap, arrows and toggles sit on this panel, whose
  // face is the arrows' own ground colour.
  DrawPanel(canvas, {282, 186, 790, 582}, 1.0f, kArrowGround);
  DrawContours(canvas, {290, 194, 782, 574}, {{300, 290, 356, 362}, {700, 290, 756, 362}});
  DrawWell(canvas, {392, 370, 551, 529});
  DrawButton(canvas, {50, 500, 200, 599}, "Back", 26);
  return canvas;
}

Canvas MakeCreditsBackground() {
  Canvas canvas(800, 600);
  SceneLook look;
  look.sunX = 260;
  look.boatX = -30;
  look.boatY = 415;
  PaintDuskScene(canvas, look);
  DimScene(canvas, 0.2f);
  DrawLogo(canvas, 225, 112, 80);
  Heading(canvas, "Credits", 225, 200, 34);
  DrawRule(canvas, 90, 360, 217);
  // The scrolling text runs in a black panel from 456,192 to the right edge.
  DrawPanel(canvas, {446, 182, 812, 571}, 0.9f);
  FillRect(canvas, 456, 192, 799, 560, {0, 0, 0});
  DrawButton(canvas, {50, 500, 178, 599}, "Back", 26);
  DrawButton(canvas, {182, 500, 340, 599}, "Quit", 26);
  return canvas;
}

Canvas MakeResultBackground() {
  Canvas canvas(800, 600);
  SceneLook look;
  look.sunX = 420;
  look.boatX = -30;
  look.boatY = 500;
  PaintDuskScene(canvas, look);
  DimScene(canvas, 0.3f);
  TextImage title = RenderText("Hall of Fame", {kFontSansBold, 62, 1.0f, 1.0f}, 30);
  Spot at = CentreOn(title, 400, 70);
  PaintGlow(canvas, title.mask, at, 14, {1.0f, 0.45f, 0.12f}, 0.4f);
  DrawChromeText(canvas, title, at, 3);
  DrawRule(canvas, 200, 600, 112);
  DrawFinishFlag(canvas, {150, 34}, -1);
  DrawFinishFlag(canvas, {650, 34}, 1);
  // Result sentence, name entry and the best-times columns sit on this panel.
  DrawPanel(canvas, {104, 124, 744, 318}, 0.82f);
  DrawButton(canvas, {638, 519, 799, 599}, "Back", 26);
  return canvas;
}

Canvas MakeLoadingPicture() {
  Canvas canvas(800, 600);
  SceneLook look;
  look.sunX = 400;
  look.boatX = 0;
  look.boatY = 480;
  look.riverBend = 0.3f;
  PaintDuskScene(canvas, look);
  DimScene(canvas, 0.1f);
  DrawLogo(canvas, 400, 150, 128);
  Heading(canvas, "a river race", 400, 245, 30);
  TextImage loading = RenderText("Loading ...", {kFontSansBold, 30}, 10);
  Spot at = CentreOn(loading, 400, 560);
  PaintShadow(canvas, loading.mask, at, 4, 1, 2, 0.9f);
  PaintSolid(canvas, loading.mask, at, {0.92f, 0.95f, 1.0f});
  DrawRule(canvas, 280, 520, 584);
  return canvas;
}
