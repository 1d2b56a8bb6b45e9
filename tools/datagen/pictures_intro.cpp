// The eight title cards of the intro. They are added to the flight over the river, so
// black is clear; each is drawn at the shape it has on screen, then fitted to its
// power-of-two texture.
#include <cmath>
#include <stdexcept>
#include <string>

#include "picture_paint.h"
#include "picture_shapes.h"
#include "picture_text.h"
#include "picture_widgets.h"
#include "pictures_parts.h"

namespace {

const Rgb kEmberGlow{1.0f, 0.45f, 0.12f};

void GlowWords(Canvas& canvas, const std::string& words, const FontFace& font, float pixels,
               int cx, int cy, Rgb (*ramp)(float)) {
  TextImage text = RenderText(words, {font, pixels, 1.0f, pixels * 0.02f}, int(pixels * 0.6f));
  Spot at = CentreOn(text, cx, cy);
  PaintGlow(canvas, text.mask, at, int(pixels / 4), kEmberGlow, 0.5f);
  PaintRamp(canvas, text.mask, at, at.y + text.inkTop, at.y + text.inkBottom, ramp);
}

Rgb WhiteRamp(float t) { return Mix(Rgb{1, 1, 1}, Rgb{0.72f, 0.82f, 0.95f}, t); }

// The makers' mark: a ring with three waves running through it.
void DrawEmblem(Canvas& canvas, Point c, float r) {
  for (int k = 0; k < 360; ++k) {
    float a0 = k * 3.14159f / 180, a1 = (k + 1) * 3.14159f / 180;
    DrawLine(canvas, {c.x + std::cos(a0) * r, c.y + std::sin(a0) * r},
             {c.x + std::cos(a1) * r, c.y + std::sin(a1) * r}, 5, {1.0f, 0.6f, 0.2f});
  }
  GlowDisc(canvas, c, r * 0.8f, kEmberGlow, 0.25f);
  for (int wave = -1; wave <= 1; ++wave)
    for (int k = 0; k < 40; ++k) {
      float x0 = c.x - r * 0.7f + k * r * 1.4f / 40, x1 = x0 + r * 1.4f / 40;
      float y = c.y + wave * r * 0.32f;
      DrawLine(canvas, {x0, y + std::sin(k * 0.5f) * r * 0.08f},
               {x1, y + std::sin((k + 1) * 0.5f) * r * 0.08f}, 3.5f, {0.8f, 0.9f, 1.0f});
    }
}

Canvas StudioCard() {
  Canvas c(512, 512);
  DrawEmblem(c, {256, 170}, 78);
  GlowWords(c, "DRIFTWOOD", kFontSansBold, 56, 256, 315, WhiteRamp);
  GlowWords(c, "INTERACTIVE", kFontSans, 26, 256, 365, WhiteRamp);
  GlowWords(c, "presents", kFontSerifItalic, 28, 256, 440, EmberRamp);
  return c;
}

Canvas OneLine(const char* words, const FontFace& font, float pixels, Rgb (*ramp)(float)) {
  Canvas c(512, 256);
  GlowWords(c, words, font, pixels, 256, 128, ramp);
  return c;
}

Canvas TwoLines(const char* first, const char* second) {
  Canvas c(512, 256);
  GlowWords(c, first, kFontSansBold, 40, 256, 88, WhiteRamp);
  GlowWords(c, second, kFontSansBold, 40, 256, 164, WhiteRamp);
  return c;
}

Canvas TitleCard() {
  Canvas c(640, 512);
  TextImage text = RenderText("VONTEL", {kFontSansBold, 118, 1.0f, 5.0f}, 60);
  Spot at = CentreOn(text, 320, 215);
  PaintGlow(c, text.mask, at, 30, kEmberGlow, 0.6f);
  DrawChromeText(c, text, at, 4);
  GlowWords(c, "Stay high, Stay free", kFontSerifItalic, 34, 320, 360, EmberRamp);
  return c;
}

Canvas CreditCard(const char* role, const char* names) {
  Canvas c(598, 256);
  GlowWords(c, role, kFontSerifBoldItalic, 40, 299, 82, EmberRamp);
  GlowWords(c, names, kFontSansBold, 40, 299, 162, WhiteRamp);
  return c;
}

Canvas SkipCard() {
  Canvas c(512, 256);
  TextImage text = RenderText("VONTEL", {kFontSansBold, 88, 1.0f, 4.0f}, 40);
  Spot at = CentreOn(text, 256, 100);
  PaintGlow(c, text.mask, at, 18, kEmberGlow, 0.55f);
  DrawChromeText(c, text, at, 3);
  GlowWords(c, "Press Esc to skip", kFontSans, 24, 256, 200, WhiteRamp);
  return c;
}

}  // namespace

Canvas MakeIntroCard(int number) {
  switch (number) {
    case 1: return StudioCard();
    case 2: return OneLine("a speedboat river race", kFontSerifItalic, 40, EmberRamp);
    case 3: return Resample(TitleCard(), 512, 512);
    case 4: return Resample(CreditCard("code", "the engine crew"), 512, 256);
    case 5: return Resample(CreditCard("graphics", "the picture makers"), 512, 256);
    case 6: return Resample(CreditCard("music", "the tracker band"), 512, 256);
    case 7: return TwoLines("Summer rapids.", "Winter ice.");
    case 8: return SkipCard();
  }
  throw std::invalid_argument("no intro card " + std::to_string(number));
}
