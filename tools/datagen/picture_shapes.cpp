#include "picture_shapes.h"

#include <algorithm>
#include <cmath>

namespace {

float SegmentDistance(Point p, Point a, Point b) {
  float vx = b.x - a.x, vy = b.y - a.y;
  float len2 = vx * vx + vy * vy;
  float t = len2 > 0 ? std::clamp(((p.x - a.x) * vx + (p.y - a.y) * vy) / len2, 0.0f, 1.0f) : 0;
  float dx = p.x - (a.x + vx * t), dy = p.y - (a.y + vy * t);
  return std::sqrt(dx * dx + dy * dy);
}

bool InsidePolygon(const std::vector<Point>& pts, float x, float y) {
  bool inside = false;
  for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
    if ((pts[i].y > y) != (pts[j].y > y) &&
        x < (pts[j].x - pts[i].x) * (y - pts[i].y) / (pts[j].y - pts[i].y) + pts[i].x)
      inside = !inside;
  }
  return inside;
}

struct Box {
  int x0, y0, x1, y1;
};

Box Bounds(const std::vector<Point>& pts, int width, int height, int grow) {
  float minX = 1e9f, minY = 1e9f, maxX = -1e9f, maxY = -1e9f;
  for (Point p : pts) {
    minX = std::min(minX, p.x);
    maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y);
    maxY = std::max(maxY, p.y);
  }
  return {std::max(0, (int)minX - grow), std::max(0, (int)minY - grow),
          std::min(width - 1, (int)maxX + grow), std::min(height - 1, (int)maxY + grow)};
}

}  // namespace

Mask RoundedRectMask(int width, int height, float x0, float y0, float x1, float y1,
                     float radius) {
  Mask mask(width, height);
  float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
  float hx = (x1 - x0) / 2 + 0.5f, hy = (y1 - y0) / 2 + 0.5f;
  for (int y = std::max(0, (int)y0 - 1); y <= std::min(height - 1, (int)y1 + 1); ++y)
    for (int x = std::max(0, (int)x0 - 1); x <= std::min(width - 1, (int)x1 + 1); ++x) {
      float qx = std::fabs(x - cx) - hx + radius, qy = std::fabs(y - cy) - hy + radius;
      float outside = std::sqrt(std::max(qx, 0.0f) * std::max(qx, 0.0f) +
                                std::max(qy, 0.0f) * std::max(qy, 0.0f));
      float d = outside + std::min(std::max(qx, qy), 0.0f) - radius;
      mask.At(x, y) = std::clamp(0.5f - d, 0.0f, 1.0f);
    }
  return mask;
}

Mask PolygonMask(int width, int height, const std::vector<Point>& points) {
  Mask mask(width, height);
  Box box = Bounds(points, width, height, 1);
  for (int y = box.y0; y <= box.y1; ++y)
    for (int x = box.x0; x <= box.x1; ++x) {
      int hits = 0;
      for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx)
          hits += InsidePolygon(points, x + (sx + 0.5f) / 4, y + (sy + 0.5f) / 4);
      mask.At(x, y) = hits / 16.0f;
    }
  return mask;
}

void FillPolygon(Canvas& canvas, const std::vector<Point>& points, Rgb colour, float alpha) {
  Box box = Bounds(points, canvas.width, canvas.height, 1);
  for (int y = box.y0; y <= box.y1; ++y)
    for (int x = box.x0; x <= box.x1; ++x) {
      int hits = 0;
      for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx)
          hits += InsidePolygon(points, x + (sx + 0.5f) / 4, y + (sy + 0.5f) / 4);
      if (hits) canvas.Blend(x, y, colour, alpha * hits / 16.0f);
    }
}

void FillRect(Canvas& canvas, int x0, int y0, int x1, int y1, Rgb colour, float alpha) {
  for (int y = std::max(0, y0); y <= std::min(canvas.height - 1, y1); ++y)
    for (int x = std::max(0, x0); x <= std::min(canvas.width - 1, x1); ++x)
      canvas.Blend(x, y, colour, alpha);
}

void DrawLine(Canvas& canvas, Point a, Point b, float width, Rgb colour, float alpha) {
  float r = width / 2;
  int x0 = std::max(0, (int)(std::min(a.x, b.x) - r - 2));
  int x1 = std::min(canvas.width - 1, (int)(std::max(a.x, b.x) + r + 2));
  int y0 = std::max(0, (int)(std::min(a.y, b.y) - r - 2));
  int y1 = std::min(canvas.height - 1, (int)(std::max(a.y, b.y) + r + 2));
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      float d = SegmentDistance({x + 0.5f, y + 0.5f}, a, b);
      float cover = std::clamp(r + 0.5f - d, 0.0f, 1.0f);
      if (cover > 0) canvas.Blend(x, y, colour, cover * alpha);
    }
}

void GlowLine(Canvas& canvas, Point a, Point b, float radius, Rgb colour, float amount) {
  int x0 = std::max(0, (int)(std::min(a.x, b.x) - radius * 3));
  int x1 = std::min(canvas.width - 1, (int)(std::max(a.x, b.x) + radius * 3));
  int y0 = std::max(0, (int)(std::min(a.y, b.y) - radius * 3));
  int y1 = std::min(canvas.height - 1, (int)(std::max(a.y, b.y) + radius * 3));
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      float d = SegmentDistance({x + 0.5f, y + 0.5f}, a, b) / radius;
      float light = std::exp(-d * d);
      if (light > 0.002f) canvas.Glow(x, y, colour, light * amount);
    }
}

void GlowDisc(Canvas& canvas, Point centre, float radius, Rgb colour, float amount) {
  int x0 = std::max(0, (int)(centre.x - radius * 3)), x1 = std::min(canvas.width - 1, (int)(centre.x + radius * 3));
  int y0 = std::max(0, (int)(centre.y - radius * 3)), y1 = std::min(canvas.height - 1, (int)(centre.y + radius * 3));
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      float dx = (x + 0.5f - centre.x) / radius, dy = (y + 0.5f - centre.y) / radius;
      float light = std::exp(-(dx * dx + dy * dy));
      if (light > 0.002f) canvas.Glow(x, y, colour, light * amount);
    }
}

void FillDisc(Canvas& canvas, Point centre, float radius, Rgb colour, float alpha) {
  int x0 = std::max(0, (int)(centre.x - radius - 1)), x1 = std::min(canvas.width - 1, (int)(centre.x + radius + 1));
  int y0 = std::max(0, (int)(centre.y - radius - 1)), y1 = std::min(canvas.height - 1, (int)(centre.y + radius + 1));
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      float dx = x + 0.5f - centre.x, dy = y + 0.5f - centre.y;
      float cover = std::clamp(radius + 0.5f - std::sqrt(dx * dx + dy * dy), 0.0f, 1.0f);
      if (cover > 0) canvas.Blend(x, y, colour, cover * alpha);
    }
}
