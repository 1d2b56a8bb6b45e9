#include "platform/cursor_image.h"

#include <cmath>

namespace {

// The arrow's outline, tip at the top-left corner.
const float Outline[][2] = {{0.0f, 0.0f},  {0.0f, 24.0f}, {6.5f, 18.5f}, {11.0f, 28.5f},
                            {15.0f, 26.5f}, {10.8f, 17.0f}, {18.5f, 17.0f}};
const int OutlineCount = sizeof Outline / sizeof Outline[0];

bool Inside(float x, float y) {
  bool in = false;
  for (int i = 0, j = OutlineCount - 1; i < OutlineCount; j = i++) {
    float xi = Outline[i][0], yi = Outline[i][1], xj = Outline[j][0], yj = Outline[j][1];
    if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) in = !in;
  }
  return in;
}

float DistanceToOutline(float x, float y) {
  float best = 1e9f;
  for (int i = 0, j = OutlineCount - 1; i < OutlineCount; j = i++) {
    float ax = Outline[j][0], ay = Outline[j][1], bx = Outline[i][0], by = Outline[i][1];
    float dx = bx - ax, dy = by - ay;
    float t = ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy);
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    float ex = ax + t * dx - x, ey = ay + t * dy - y;
    best = std::fmin(best, std::sqrt(ex * ex + ey * ey));
  }
  return best;
}

}  // namespace

std::vector<uint8_t> GameCursorPixels() {
  std::vector<uint8_t> rgba(GameCursorSize * GameCursorSize * 4, 0);
  const int samples = 4;  // 4 x 4 samples a pixel for smooth edges
  for (int py = 0; py < GameCursorSize; py++) {
    for (int px = 0; px < GameCursorSize; px++) {
      float r = 0, g = 0, b = 0, a = 0;
      for (int sy = 0; sy < samples; sy++) {
        for (int sx = 0; sx < samples; sx++) {
          float x = px + (sx + 0.5f) / samples, y = py + (sy + 0.5f) / samples;
          if (!Inside(x, y)) continue;
          a += 1;
          if (DistanceToOutline(x, y) < 1.3f) continue;  // black rim
          // Red body, lighter towards the tip, like the game's red captions.
          float shade = 1.0f - y / 40.0f;
          r += 0.55f + 0.45f * shade;
          g += 0.10f * shade;
          b += 0.05f;
        }
      }
      float n = (float)(samples * samples);
      uint8_t* out = &rgba[(py * GameCursorSize + px) * 4];
      if (a == 0) continue;
      out[0] = (uint8_t)std::lround(255 * r / a);
      out[1] = (uint8_t)std::lround(255 * g / a);
      out[2] = (uint8_t)std::lround(255 * b / a);
      out[3] = (uint8_t)std::lround(255 * a / n);
    }
  }
  return rgba;
}
