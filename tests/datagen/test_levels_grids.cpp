// The generated levels as the game reads them: level files, heightmaps and checkpoint
// layers, and the intro terrain under the intro camera's flight.
#include <gtest/gtest.h>

#include <set>

#include "race/level_file.h"
#include "test_datagen_support.h"

using namespace datagen_test;

namespace {
constexpr int N = 320;

struct Grids {
  std::string height, layer;
  int H(int c, int r) const { return (uint8_t)height[r * N + c]; }
  int L(int c, int r) const { return (uint8_t)layer[r * N + c]; }
};

Grids LoadGrids(const std::string& data, const std::string& terrain) {
  return {ReadBytes(data + "/" + terrain + ".raw"), ReadBytes(data + "/" + terrain + "add.raw")};
}

// Every field of a level file, locked or not: line 1 is read, then the rest as if open.
LevelHeader ReadAll(const std::string& path, std::string& available) {
  LevelFileReader f;
  OpenLevelFile(f, path);
  available = ReadPlainLine(f);
  std::string unlocked = ScrambleLine("1") + "\r\n" + f.Bytes.substr(f.Pos);
  LevelFileReader g;
  g.Path = path;
  g.Bytes = unlocked;
  return ReadLevelHeader(g);
}
}  // namespace

class LevelsGrids : public GeneratedDataTest {};

TEST_F(LevelsGrids, LevelFilesDescribeEightLevelsOfRisingDifficulty) {
  int winter = 0, previousCount = 0;
  std::set<std::string> songs, titles;
  std::vector<int> targets;
  for (int n = 1; n <= 8; ++n) {
    std::string path = data + "/level" + std::to_string(n) + ".dcc", available;
    LevelHeader h = ReadAll(path, available);
    EXPECT_EQ(available, n == 1 ? "1" : "0") << path;
    EXPECT_EQ(h.TerrainName, "level" + std::to_string(n)) << path;
    EXPECT_FALSE(h.LevelName.empty()) << path;
    EXPECT_GE(h.Description.size(), 2u) << path;
    EXPECT_LE(h.Description.size(), 4u) << path;
    EXPECT_TRUE(h.Season == "normal" || h.Season == "winter") << path;
    winter += h.Season == "winter";
    EXPECT_TRUE(std::filesystem::exists(data + "/" + h.MusicFile)) << h.MusicFile;
    songs.insert(h.MusicFile);
    titles.insert(h.LevelName);
    EXPECT_GE(h.CheckpointCount, previousCount) << path;
    EXPECT_GE(h.CheckpointCount, 2) << path;
    previousCount = h.CheckpointCount;
    EXPECT_GT(h.TargetTime, 0) << path;
    targets.push_back(h.TargetTime);
    EXPECT_TRUE(ReadLevelBestTimes(path).empty()) << path;
  }
  EXPECT_GE(winter, 2);
  EXPECT_EQ(songs.size(), 8u) << "each level its own song";
  EXPECT_EQ(titles.size(), 8u);
  EXPECT_GT(previousCount, 5);
  EXPECT_GT(targets.back(), targets.front() * 3 / 2) << "the last level is much longer than the first";
}

TEST_F(LevelsGrids, ChannelStartsAtTheBoatAndShoreAndBlockingAgree) {
  for (const std::string terrain : {"intro", "level1", "level2", "level3", "level4", "level5",
                                    "level6", "level7", "level8"}) {
    Grids g = LoadGrids(data, terrain);
    ASSERT_EQ(g.height.size(), 102400u) << terrain;
    ASSERT_EQ(g.layer.size(), 102400u) << terrain;
    // Column 311, row 14, heading for smaller columns: the boat and its probe 7 ahead.
    EXPECT_LE(g.H(311, 14), 76) << terrain;
    EXPECT_LE(g.H(304, 14), 76) << terrain;
    EXPECT_GT(g.H(319, 14), 90) << terrain << ": land behind the start";
    int seam = 0, edgeWater = 0;
    for (int r = 0; r < N; ++r)
      for (int c = 0; c < N; ++c) {
        int h = g.H(c, r);
        if (h > 76 && h <= 90) ++seam;  // blocks the boat but would be drawn as water
        if ((r == 0 || c == 0 || r == N - 1 || c == N - 1) && h <= 76) ++edgeWater;
      }
    EXPECT_EQ(seam, 0) << terrain;
    EXPECT_EQ(edgeWater, 0) << terrain << ": the river must not run off the map";
  }
}

TEST_F(LevelsGrids, GatesCrossTheWaterAndSceneryStandsOnLandTurnedByMarkers) {
  for (int n = 1; n <= 8; ++n) {
    std::string terrain = "level" + std::to_string(n), available;
    LevelHeader h = ReadAll(data + "/" + terrain + ".dcc", available);
    Grids g = LoadGrids(data, terrain);
    std::vector<int> gateCells(256, 0);
    int objects = 0, strayMarkers = 0;
    for (int r = 0; r < N; ++r)
      for (int c = 0; c < N; ++c) {
        int v = g.L(c, r);
        bool water = g.H(c, r) <= 76;
        if (water) {
          // Water holds checkpoint numbers only: 0 everywhere, the gates 1..count-1.
          EXPECT_LT(v, h.CheckpointCount) << terrain << " column " << c << " row " << r;
          ++gateCells[v];
          continue;
        }
        if (v >= 5 && v % 2 == 1) {
          ++objects;
          EXPECT_GE(v, 17) << terrain << ": land objects use codes above every checkpoint";
        } else if (v >= 6 && v % 2 == 0) {
          bool besideObject = false;
          for (int dr = -1; dr <= 1; ++dr)
            for (int dc = -1; dc <= 1; ++dc)
              if (c + dc >= 0 && r + dr >= 0 && c + dc < N && r + dr < N && g.L(c + dc, r + dr) == v - 1)
                besideObject = true;
          strayMarkers += !besideObject;
        } else {
          EXPECT_EQ(v, 0) << terrain << ": land holds no checkpoint numbers";
        }
      }
    for (int k = 1; k < h.CheckpointCount; ++k)
      EXPECT_GE(gateCells[k], 20) << terrain << ": gate " << k << " spans the channel";
    EXPECT_GT(gateCells[0], 5000) << terrain;
    EXPECT_GT(objects, 300) << terrain;
    EXPECT_EQ(strayMarkers, 0) << terrain;
  }
}

TEST_F(LevelsGrids, IntroCameraFliesOverTheRiver) {
  Grids g = LoadGrids(data, "intro");
  int overWater = 0, samples = 0, tooHigh = 0;
  // The camera's cell while it glides in: from 1200 units out to 40, drifting sideways.
  for (int t = 0; t <= 1160; t += 10) {
    double side = -60 + 0.05 * t, distance = 1200 - t;
    double row = (56 - side) / 4 - 1, col = 320 - (32 + distance) / 4;
    int c = (int)col, r = (int)row;
    ++samples;
    overWater += g.H(c, r) <= 76;
    tooHigh += g.H(c, r) > 160;
  }
  EXPECT_GT(overWater, samples * 8 / 10);
  EXPECT_EQ(tooHigh, 0) << "no hill reaches up to the camera";
  int objects = 0, buoys = 0;
  for (int r = 0; r < N; ++r)
    for (int c = 0; c < N; ++c) {
      int v = g.L(c, r);
      objects += v >= 5 && v % 2 == 1;
      buoys += v == 5 && g.H(c, r) <= 76;
    }
  EXPECT_GT(objects, 150);
  EXPECT_LT(objects, 1500) << "the intro draws every object in every frame";
  EXPECT_GT(buoys, 6);
}
