#include "render/terrain_rules.h"

#include "race/race_state.h"
#include "render/wave.h"

TTerrainWindow TerrainWindow(float cx, float cz) {
  return {RoundHalfEven((double)cx / 4.0 + 32.0), RoundHalfEven((double)cz / 4.0 + 32.0)};
}

bool CellDrawable(int j, int i) { return j >= 1 && j <= 319 && i >= -319 && i <= -1; }

uint8_t CornerByte(const uint8_t* heights, int n) {
  return heights[n < GridBytes ? n : GridBytes - 1];
}

void CellCorners(const uint8_t* heights, int j, int i, uint8_t corners[4]) {
  int n = 320 * j + i;
  corners[0] = CornerByte(heights, n);
  corners[1] = CornerByte(heights, n + 320);
  corners[2] = CornerByte(heights, n + 321);
  corners[3] = CornerByte(heights, n + 1);
}

bool CellGetsLand(const uint8_t corners[4], bool transparentWater) {
  if (transparentWater) return true;
  return corners[0] > 90 || corners[1] > 90 || corners[2] > 90 || corners[3] > 90;
}

bool CellGetsWater(const uint8_t corners[4]) {
  return corners[0] < 120 || corners[1] < 120 || corners[2] < 120 || corners[3] < 120;
}

TSeasonKind SeasonKind(const std::string& season) {
  if (season == "normal") return SeasonNormal;
  if (season == "winter") return SeasonWinter;
  return SeasonOther;
}

TLandColor LandColor(TSeasonKind season, uint8_t h) {
  if (season == SeasonWinter) {
    float raised = h + 150.0f;
    return {raised / 512.0f + 0.5f, raised * 3.0f / 1024.0f + 0.25f, raised / 256.0f};
  }
  float fade = (256.0f - h) / 256.0f;
  return {fade, 1.0f, fade};
}
