#include "level_map_render.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <stdexcept>

#include "level_io.h"
#include "level_png.h"
#include "level_sim_dir.h"
#include "check_level_file.h"
#include "race/level_file.h"
#include "terrain_grid.h"

namespace {
constexpr int Zoom = 2;

struct Rgb {
  int r, g, b;
};

Rgb GateColour(int number) {
  static const Rgb palette[] = {{255, 0, 0},   {255, 140, 0}, {255, 230, 0}, {0, 230, 90},
                                {0, 220, 255}, {60, 90, 255}, {190, 0, 255}, {255, 0, 170}};
  return palette[(number - 1) % 8];
}

std::vector<uint8_t> LoadGrid(const std::string& path) {
  std::string bytes;
  if (!ReadFileBytes(path, bytes) || bytes.size() < (size_t)MapCells)
    throw std::runtime_error("cannot read the grid " + path);
  return std::vector<uint8_t>(bytes.begin(), bytes.begin() + MapCells);
}

Rgb Ground(int h, bool winter, double shade) {
  Rgb c;
  if (h <= HighestWater) {
    c = {20 + h / 2, 60 + h, 140 + h};
  } else if (h <= 90) {
    c = {255, 0, 255};  // blocks the boat but is drawn as water: should not exist
  } else if (winter) {
    int v = std::min(255, 150 + (h - 90) / 2);
    c = {v, v, std::min(255, v + 15)};
  } else {
    c = {60 + (h - 90) / 2, 150 - (h - 90) / 3, 50};
  }
  return {std::clamp((int)(c.r * shade), 0, 255), std::clamp((int)(c.g * shade), 0, 255),
          std::clamp((int)(c.b * shade), 0, 255)};
}

void Fill(RgbImage& img, int col, int row, Rgb c) {
  for (int y = 0; y < Zoom; ++y)
    for (int x = 0; x < Zoom; ++x) img.Set(col * Zoom + x, row * Zoom + y, c.r, c.g, c.b);
}

void RenderOne(const std::string& dataDir, const std::string& terrain, const std::string& season,
               int checkpointCount, const std::string& outPath, bool withTrack) {
  std::vector<uint8_t> height = LoadGrid(JoinPath(dataDir, terrain + ".raw"));
  std::vector<uint8_t> layer = LoadGrid(JoinPath(dataDir, terrain + "add.raw"));
  bool winter = season == "winter";
  RgbImage img(MapSize * Zoom, MapSize * Zoom);
  for (int r = 0; r < MapSize; ++r) {
    for (int c = 0; c < MapSize; ++c) {
      int h = height[CellIndex(c, r)];
      int west = height[CellIndex(std::max(c - 1, 0), r)], north = height[CellIndex(c, std::max(r - 1, 0))];
      double shade = h > 90 ? std::clamp(1.0 + (h - west + h - north) * 0.02, 0.6, 1.4) : 1.0;
      int v = layer[CellIndex(c, r)];
      Rgb colour = Ground(h, winter, shade);
      if (h <= HighestWater && v >= 1 && v < checkpointCount) colour = GateColour(v);
      Fill(img, c, r, colour);
    }
  }
  // Scenery: odd codes from 5 as dark marks, markers as a line towards the object.
  for (int r = 0; r < MapSize; ++r) {
    for (int c = 0; c < MapSize; ++c) {
      int v = layer[CellIndex(c, r)];
      bool water = height[CellIndex(c, r)] <= HighestWater;
      if (v < 5 || v % 2 == 0 || (water && v < checkpointCount)) continue;
      Rgb mark = v == 5 ? Rgb{255, 40, 40} : Rgb{20, 30, 10};
      Fill(img, c, r, mark);
    }
  }
  if (withTrack) {
    RaceSimResult run = AutopilotRace(dataDir, terrain, true);
    for (const RaceSample& p : run.Trajectory) {
      double col = 319 - p.X / 4, row = -p.Z / 4;
      img.Set((int)std::lround(col * Zoom), (int)std::lround(row * Zoom), 255, 255, 255);
    }
  }
  // The boat's start: a yellow cross at column 311, row 14.
  for (int d = -3; d <= 3; ++d) {
    img.Set((311 * Zoom) + d, 14 * Zoom, 255, 255, 0);
    img.Set(311 * Zoom, 14 * Zoom + d, 255, 255, 0);
  }
  WritePng(outPath, img);
}
}  // namespace

int RenderLevelMaps(const std::string& dataDir, const std::string& outDir, bool withTrack) {
  std::filesystem::create_directories(outDir);
  int count = 0;
  RenderOne(dataDir, "intro", "normal", 0, JoinPath(outDir, "intro.png"), false);
  ++count;
  for (int n = 1; n < LevelNumberLimit; ++n) {
    std::string path = JoinPath(dataDir, "level" + std::to_string(n) + ".dcc");
    if (!std::filesystem::exists(path)) continue;
    LevelFileFields header = ReadAnyLevelFile(path);
    RenderOne(dataDir, header.TerrainName, header.Season, header.CheckpointCount,
              JoinPath(outDir, header.TerrainName + ".png"), withTrack);
    ++count;
  }
  return count;
}
