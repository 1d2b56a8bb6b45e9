#include <GL/gl.h>

#include "race/race_state.h"
#include "render/camera.h"
#include "render/render_state.h"
#include "render/scene.h"
#include "render/terrain_rules.h"
#include "render/wave.h"
#include "shell/state.h"

static const float FogGrey[4] = {0.5f, 0.5f, 0.5f, 0.0f};
static const float FogBlack[4] = {0, 0, 0, 0};

static void SetAmbient(float level) {
  const float ambient[4] = {level, level, level, 1.0f};
  glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
}

// Per-byte colours and heights of a season, worked out once instead of per corner.
struct TLandTable {
  float Color[256][3];
  float Height[256];
};

static const TLandTable& LandTable(TSeasonKind season) {
  static TLandTable tables[2];
  static bool made = false;
  if (!made) {
    for (int kind = 0; kind < 2; ++kind)
      for (int h = 0; h < 256; ++h) {
        TLandColor color = LandColor((TSeasonKind)kind, (uint8_t)h);
        tables[kind].Color[h][0] = color.R;
        tables[kind].Color[h][1] = color.G;
        tables[kind].Color[h][2] = color.B;
        tables[kind].Height[h] = LandHeight((uint8_t)h);
      }
    made = true;
  }
  return tables[season == SeasonWinter ? 1 : 0];
}

static void LandPass(const TTerrainWindow& window, TSeasonKind season) {
  static const float CornerTex[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
  static const int CornerStep[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
  const TLandTable& table = LandTable(season);
  glBegin(GL_QUADS);
  if (season != SeasonOther) {
    for (int i = -window.Ri; i <= -window.Ri + 64; ++i)
      for (int j = -window.Rj; j <= -window.Rj + 64; ++j) {
        if (!CellDrawable(j, i)) continue;
        uint8_t corners[4];
        CellCorners(Heightmap, j, i, corners);
        if (!CellGetsLand(corners, TransparentWater)) continue;
        glNormal3f(0, 0, 1);
        for (int k = 0; k < 4; ++k) {
          glColor3fv(table.Color[corners[k]]);
          glTexCoord2fv(CornerTex[k]);
          glVertex3f(4.0f * (j + CornerStep[k][0]), table.Height[corners[k]],
                     4.0f * (i + CornerStep[k][1]));
        }
      }
  }
  glEnd();
}

static void WaterPass(const TTerrainWindow& window) {
  float rowHeight[66];  // water height of the window's rows -Rj .. -Rj + 65
  for (int r = 0; r < 66; ++r) rowHeight[r] = (float)WaterHeight(-window.Rj + r, WavePhase);
  glColor4f(0.9f, 0.9f, 1.0f, 0.5f);
  glNormal3f(0, 0, 1);  // the land pass ends with this normal; set it when no land was drawn
  glBegin(GL_QUADS);
  for (int i = -window.Ri; i <= -window.Ri + 64; ++i)
    for (int j = -window.Rj; j <= -window.Rj + 64; ++j) {
      if (!CellDrawable(j, i)) continue;
      uint8_t corners[4];
      CellCorners(Heightmap, j, i, corners);
      if (!CellGetsWater(corners)) continue;
      int r = j + window.Rj;
      float x0 = 4.0f * j, x1 = 4.0f * (j + 1), z0 = 4.0f * i, z1 = 4.0f * (i + 1);
      glTexCoord2f(0, 1);
      glVertex3f(x0, rowHeight[r], z0);
      glTexCoord2f(0, 0);
      glVertex3f(x1, rowHeight[r + 1], z0);
      glTexCoord2f(1, 0);
      glVertex3f(x1, rowHeight[r + 1], z1);
      glTexCoord2f(1, 1);
      glVertex3f(x0, rowHeight[r], z1);
    }
  glEnd();
}

void DrawTerrain(float cx, float cy, float cz) {
  glEnable(GL_COLOR_MATERIAL);
  ApplyWorldTransform(cx, 0.0f, cz);
  glEnable(GL_TEXTURE_2D);
  glFogf(GL_FOG_DENSITY, 0.0045f);
  glFogfv(GL_FOG_COLOR, FogGrey);
  glColor4f(1, 1, 1, 1);
  TSeasonKind season = SeasonKind(Season);
  if (season == SeasonNormal) {
    SetAmbient(0.4f);
    glBindTexture(GL_TEXTURE_2D, RiverTexture);
  } else if (season == SeasonWinter) {
    SetAmbient(0.1f);
    glBindTexture(GL_TEXTURE_2D, WinterRiverTexture);
  }
  TTerrainWindow window = TerrainWindow(cx, cz);
  LandPass(window, season);

  SetAmbient(0.1f);
  glBindTexture(GL_TEXTURE_2D, WaterTexture);
  if (TransparentWater) {
    // Black fog during this pass: distant water fades to adding nothing.
    glFogfv(GL_FOG_COLOR, FogBlack);
    glFogf(GL_FOG_DENSITY, 0.45f);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  }
  WaterPass(window);
  if (TransparentWater) {
    glDisable(GL_BLEND);
    glFogf(GL_FOG_DENSITY, 0.0025f);
    glFogfv(GL_FOG_COLOR, FogGrey);
  }
  glLoadIdentity();
}
