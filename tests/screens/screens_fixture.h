#pragma once
// A temporary play directory with a data/ folder for the screen tests.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "race/level_file.h"
#include "race/race_state.h"

class ScreensDataDir : public ::testing::Test {
 protected:
  std::filesystem::path dir;
  std::filesystem::path oldDir;

  void SetUp() override {
    oldDir = std::filesystem::current_path();
    char pattern[] = "/tmp/screens-test-XXXXXX";
    dir = mkdtemp(pattern);
    std::filesystem::create_directory(dir / "data");
    ASSERT_EQ(chdir(dir.c_str()), 0);
  }
  void TearDown() override {
    std::filesystem::current_path(oldDir);
    std::filesystem::remove_all(dir);
  }

  static void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
  }
  static std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  // Level file n with its terrain "level<n>"; its heightmap holds (row + column) % 256.
  static LevelFileFields Level(int n, bool available = true) {
    LevelFileFields f;
    f.Available = available ? "1" : "0";
    f.LevelName = "River " + std::to_string(n);
    f.Description = {"First line", "Second line"};
    f.CheckpointCount = 4;
    f.TargetTime = 90;
    f.TerrainName = "level" + std::to_string(n);
    f.ReservedLine = "reserved";
    f.MusicFile = "song.xm";
    return f;
  }
  static void WriteLevel(int n, const LevelFileFields& f) {
    WriteFile(LevelFilePath(n), BuildLevelFile(f));
    std::string grid(GridBytes, '\0');
    for (int r = 0; r < GridSize; r++)
      for (int c = 0; c < GridSize; c++) grid[r * GridSize + c] = (char)((r + c) % 256);
    WriteFile("data/" + f.TerrainName + ".raw", grid);
    WriteFile("data/" + f.TerrainName + "add.raw", std::string(GridBytes, '\0'));
  }
};
