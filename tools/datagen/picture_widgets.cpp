#include "picture_widgets.h"

#include <algorithm>
#include <cmath>

#include "picture_paint.h"
#include "picture_shapes.h"
#include "picture_text.h"

namespace {

const Rgb kSteel{0.55f, 0.66f, 0.78f};
const Rgb kEmber{1.0f, 0.55f, 0.16f};

void BlendMask(Canvas& canvas, const Mask& mask, Rgb colour, float alpha) {
  for (int y = 0; y < mask.height; ++y)
    for (int x = 0; x < mask.width; ++x) {
      float m = mask.At(x, y);
      if (m > 0) canvas.Blend(x, y, colour, m * alpha);
    }
}

}  // namespace

void DrawButton(Canvas& canvas, PixelRect r, const std::string& word, float textPixels) {
  const float radius = 9;
  Mask outer = RoundedRectMask(canvas.width, canvas.height, r.x0, r.y0, r.x1, r.y1, radius);
  Mask inner = RoundedRectMask(canvas.width, canvas.height, r.x0 + 2, r.y0 + 2, r.x1 - 2,
                               r.y1 - 2, radius - 2);
  // Soft shadow under the button, then the chrome rim, then the glass face.
  Mask shadow = outer;
  BlurMask(shadow, 8);
  BlendMask(canvas, shadow, {0, 0, 0}, 0.6f);
  for (int y = r.y0; y <= r.y1; ++y) {
    float t = (y - r.y0) / float(std::max(1, r.y1 - r.y0));
    Rgb rim = ChromeRamp(t);
    float rows = r.y1 - r.y0;
    Rgb top{0.16f, 0.30f, 0.42f}, middle{0.05f, 0.11f, 0.18f}, bottom{0.10f, 0.16f, 0.22f};
    Rgb face = t < 0.5f ? Mix(top, middle, t * 2) : Mix(middle, bottom, (t - 0.5f) * 2);
    // The lower rows pick up the warm light of the sunset.
    face = Add(face, Scale(kEmber, 0.18f * std::pow(t, 3.0f)));
    for (int x = r.x0; x <= r.x1; ++x) {
      if (!canvas.Inside(x, y)) continue;
      float o = outer.At(x, y), i = inner.At(x, y);
      canvas.Blend(x, y, rim, o);
      canvas.Blend(x, y, face, i * 0.93f);
      // Glassy highlight over the top third.
      if (y - r.y0 < rows * 0.42f && i > 0)
        canvas.Glow(x, y, {0.7f, 0.85f, 1.0f}, 0.10f * i * (1 - (y - r.y0) / (rows * 0.42f)));
    }
  }
  // An orange line along the bottom of the glass.
  for (int x = r.x0 + 10; x <= r.x1 - 10; ++x) {
    float along = (x - r.x0) / float(r.x1 - r.x0);
    float fade = std::sin(along * 3.14159f);
    canvas.Blend(x, r.y1 - 5, kEmber, 0.85f * fade);
    canvas.Glow(x, r.y1 - 6, kEmber, 0.25f * fade);
  }
  TextImage text = RenderText(word, {kFontCondensedBold, textPixels}, 6);
  Spot at = CentreOn(text, (r.x0 + r.x1) / 2, (r.y0 + r.y1) / 2 - 1);
  PaintShadow(canvas, text.mask, at, 3, 1, 2, 0.9f);
  PaintGlow(canvas, text.mask, at, 6, {0.3f, 0.55f, 0.8f}, 0.35f);
  PaintRamp(canvas, text.mask, at, at.y + text.inkTop, at.y + text.inkBottom,
            [](float t) { return Mix(Rgb{1.0f, 1.0f, 1.0f}, Rgb{0.85f, 0.90f, 0.98f}, t); });
}

void DrawPanel(Canvas& canvas, PixelRect r, float darkness, Rgb faceColour) {
  Mask face = RoundedRectMask(canvas.width, canvas.height, r.x0, r.y0, r.x1, r.y1, 6);
  Mask shadow = face;
  BlurMask(shadow, 10);
  BlendMask(canvas, shadow, {0, 0, 0}, 0.5f * darkness);
  BlendMask(canvas, face, faceColour, darkness);
  // Steel rim: the outline of the face.
  for (int y = std::max(0, r.y0 - 1); y <= std::min(canvas.height - 1, r.y1 + 1); ++y)
    for (int x = std::max(0, r.x0 - 1); x <= std::min(canvas.width - 1, r.x1 + 1); ++x) {
      float m = face.At(x, y);
      float rim = std::min(m, 1 - std::min({face.Sample(x - 1, y), face.Sample(x + 1, y),
                                            face.Sample(x, y - 1), face.Sample(x, y + 1)}));
      if (rim > 0) canvas.Blend(x, y, kSteel, rim * 0.55f);
    }
  // Orange corner marks.
  const int len = 18;
  auto mark = [&](int x, int y, int dx, int dy) {
    DrawLine(canvas, {float(x), float(y)}, {float(x + dx * len), float(y)}, 2, kEmber, 0.9f);
    DrawLine(canvas, {float(x), float(y)}, {float(x), float(y + dy * len)}, 2, kEmber, 0.9f);
  };
  mark(r.x0 + 3, r.y0 + 3, 1, 1);
  mark(r.x1 - 3, r.y0 + 3, -1, 1);
  mark(r.x0 + 3, r.y1 - 3, 1, -1);
  mark(r.x1 - 3, r.y1 - 3, -1, -1);
}

void DrawWell(Canvas& canvas, PixelRect r) {
  FillRect(canvas, r.x0 - 3, r.y0 - 3, r.x1 + 3, r.y1 + 3, {0.10f, 0.14f, 0.20f}, 0.8f);
  FillRect(canvas, r.x0, r.y0, r.x1, r.y1, {0, 0, 0});
  // Steel brackets on the corners, just outside the picture the game puts here.
  const float len = 22, gap = 6;
  auto bracket = [&](float x, float y, float dx, float dy) {
    DrawLine(canvas, {x, y}, {x + dx * len, y}, 2, kSteel, 0.9f);
    DrawLine(canvas, {x, y}, {x, y + dy * len}, 2, kSteel, 0.9f);
  };
  bracket(r.x0 - gap, r.y0 - gap, 1, 1);
  bracket(r.x1 + gap, r.y0 - gap, -1, 1);
  bracket(r.x0 - gap, r.y1 + gap, 1, -1);
  bracket(r.x1 + gap, r.y1 + gap, -1, -1);
}

void DrawLogo(Canvas& canvas, int cx, int cy, float pixels) {
  TextImage text = RenderText("VONTEL", {kFontSansBold, pixels, 1.0f, pixels * 0.04f},
                              int(pixels * 0.5f));
  Spot at = CentreOn(text, cx, cy);
  int rim = std::max(2, int(pixels / 28));
  PaintGlow(canvas, text.mask, at, int(pixels / 5), {1.0f, 0.45f, 0.12f}, 0.45f);
  DrawChromeText(canvas, text, at, rim);
}

void DrawRule(Canvas& canvas, int x0, int x1, int y) {
  for (int x = x0; x <= x1; ++x) {
    float t = (x - x0) / float(std::max(1, x1 - x0));
    float fade = std::sin(t * 3.14159f);
    canvas.Blend(x, y, kEmber, fade);
    canvas.Glow(x, y - 1, kEmber, 0.3f * fade);
    canvas.Glow(x, y + 1, kEmber, 0.3f * fade);
  }
}
