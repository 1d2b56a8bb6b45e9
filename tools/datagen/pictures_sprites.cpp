// The keyed sprites: the menu selector and the two level-map arrows, each painted on the
// flat colour its screen shows under it.
#include <algorithm>
#include <cmath>
#include <vector>

#include "picture_shapes.h"
#include "pictures_parts.h"

const Rgb kSelectorGround{0.010f, 0.020f, 0.035f};
const Rgb kArrowGround{0.045f, 0.085f, 0.125f};

namespace {

// Distance in pixels from each inside pixel to the nearest outside pixel (up to `limit`).
Mask InsideDepth(const Mask& shape, int limit) {
  Mask depth(shape.width, shape.height);
  for (int y = 0; y < shape.height; ++y)
    for (int x = 0; x < shape.width; ++x) {
      if (shape.At(x, y) <= 0) continue;
      float best = float(limit);
      for (int dy = -limit; dy <= limit; ++dy)
        for (int dx = -limit; dx <= limit; ++dx)
          if (shape.Sample(x + dx, y + dy) < 0.5f)
            best = std::min(best, std::sqrt(float(dx * dx + dy * dy)));
      depth.At(x, y) = best;
    }
  return depth;
}

// Fills the shape: a dark rim, a chrome bevel, then an ember face lit from above. The
// outline is anti-aliased against the ground colour, which is what the screen shows.
void ShadeShape(Canvas& canvas, const Mask& shape) {
  Mask depth = InsideDepth(shape, 6);
  for (int y = 0; y < canvas.height; ++y)
    for (int x = 0; x < canvas.width; ++x) {
      float cover = shape.At(x, y);
      if (cover <= 0) continue;
      float d = depth.At(x, y);
      float t = y / float(canvas.height - 1);
      Rgb face = Mix(Rgb{1.0f, 0.82f, 0.45f}, Rgb{0.90f, 0.36f, 0.06f}, t);
      Rgb bevel = Mix(Rgb{0.95f, 0.97f, 1.0f}, Rgb{0.35f, 0.45f, 0.58f}, t);
      Rgb c;
      if (d < 1.5f)
        c = {0.05f, 0.04f, 0.06f};
      else if (d < 3.5f)
        c = bevel;
      else
        c = Mix(bevel, face, std::clamp((d - 3.5f) / 1.5f, 0.0f, 1.0f));
      canvas.Blend(x, y, c, cover);
    }
}

}  // namespace

Canvas MakeSelector() {
  Canvas canvas(50, 61, kSelectorGround);
  // A pointed chevron aimed at the item on its right.
  std::vector<Point> chevron{{6, 10}, {22, 10}, {45, 30.5f}, {22, 51}, {6, 51}, {27, 30.5f}};
  ShadeShape(canvas, PolygonMask(canvas.width, canvas.height, chevron));
  return canvas;
}

Canvas MakeArrow(bool pointsRight) {
  Canvas canvas(57, 73, kArrowGround);
  std::vector<Point> arrow{{5, 24}, {27, 24}, {27, 7}, {52, 36.5f},
                           {27, 66}, {27, 49}, {5, 49}};
  if (!pointsRight)
    for (Point& p : arrow) p.x = 57 - p.x;
  ShadeShape(canvas, PolygonMask(canvas.width, canvas.height, arrow));
  return canvas;
}
