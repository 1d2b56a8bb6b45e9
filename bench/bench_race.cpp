// Figures of the race code: level loading, physics substeps, whole simulated races.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "race/boat_physics.h"
#include "race/level_file.h"
#include "race/race_setup.h"
#include "race/race_simulator.h"
#include "race/race_state.h"
#include "shell/state.h"

static double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

static double CpuSeconds(std::clock_t since) {
  return (double)(std::clock() - since) / CLOCKS_PER_SEC;
}

static void Write(const std::string& path, const std::string& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) std::exit(1);
  std::fclose(f);
}

// A river through the given cells (row, column), half width 9, checkpoint i at point i + 1.
static void WriteCourse(const std::string& name, const std::vector<std::pair<double, double>>& p) {
  for (int i = 0; i < GridBytes; i++) Heightmap[i] = 150, CheckpointLayer[i] = 255;
  for (int r = 2; r < GridSize - 2; r++)
    for (int c = 2; c < GridSize - 2; c++)
      for (size_t i = 0; i + 1 < p.size(); i++) {
        double dr = p[i + 1].first - p[i].first, dc = p[i + 1].second - p[i].second;
        double t = ((r - p[i].first) * dr + (c - p[i].second) * dc) / (dr * dr + dc * dc);
        t = std::fmax(0, std::fmin(1, t));
        if (std::hypot(p[i].first + t * dr - r, p[i].second + t * dc - c) <= 9) {
          Heightmap[r * GridSize + c] = 20;
          break;
        }
      }
  for (size_t i = 1; i < p.size(); i++)
    for (int r = 0; r < GridSize; r++)
      for (int c = 0; c < GridSize; c++)
        if (std::hypot(r - p[i].first, c - p[i].second) <= 11)
          CheckpointLayer[r * GridSize + c] = (uint8_t)(i - 1);
  Write("data/" + name + ".raw", std::string((const char*)Heightmap, GridBytes));
  Write("data/" + name + "add.raw", std::string((const char*)CheckpointLayer, GridBytes));
  LevelFileFields fields;
  fields.LevelName = name;
  fields.CheckpointCount = (int)p.size() - 1;
  fields.TargetTime = 100;
  fields.TerrainName = name;
  Write("data/" + name + ".dcc", BuildLevelFile(fields));
}

int main() {
  char dir[] = "/tmp/vontel_bench_race_XXXXXX";
  if (!mkdtemp(dir) || chdir(dir) != 0) return 1;
  std::filesystem::create_directory("data");
  Write("data/vontel.cfg", "header\r\n2\r\n100\r\n0\r\n200\r\n200\r\n");
  WriteCourse("winding", {{14, 318}, {14, 230}, {80, 170}, {150, 230}, {220, 170}, {220, 60},
                          {120, 40}, {60, 100}});
  // A lake: open water inside a bank at the edge, one checkpoint nobody reaches.
  WriteCourse("lake", {{14, 318}, {14, 317}});
  for (int r = 3; r < GridSize - 3; r++)
    for (int c = 3; c < GridSize - 3; c++) Heightmap[r * GridSize + c] = 20;
  Write("data/lake.raw", std::string((const char*)Heightmap, GridBytes));

  const int loads = 200;
  auto t0 = std::chrono::steady_clock::now();
  for (int i = 0; i < loads; i++) LoadLevel("winding");
  std::printf("LoadLevel: %.3f ms per level\n", Seconds(t0) / loads * 1e3);

  LoadLevel("lake");
  LastCheckpoint = -1;
  ScreenState = StateRace;
  Throttle = -0.01;
  const long substeps = 5000000;
  std::clock_t c0 = std::clock();
  for (long i = 0; i < substeps; i++) {
    Steering = (i / 300) % 2 == 0 ? 0.5 : -0.5;  // weaving across the lake
    PhysicsSubstep();
  }
  double s = CpuSeconds(c0);
  std::printf("PhysicsSubstep: %.1f million substeps per processor second (%.0f ns each)\n",
              substeps / s / 1e6, s / substeps * 1e9);

  // Five minutes of game time, scripted: full throttle with a steering pattern.
  for (int frames : {1, 10}) {
    RaceSimOptions options;
    options.FramesPerTick = frames;
    options.TickLimit = 10000;
    options.Script.push_back({81, VK_UP_KEY, true});
    for (int tick = 200; tick < 10000; tick += 300) {
      options.Script.push_back({tick, VK_RIGHT_KEY, true});
      options.Script.push_back({tick + 150, VK_RIGHT_KEY, false});
    }
    t0 = std::chrono::steady_clock::now();
    c0 = std::clock();
    RaceSimResult r = SimulateRace("lake", options);
    std::printf("scripted race of %d ticks (%.0f s of game time) at %d frames per tick: "
                "%.1f ms (%.1f ms of processor time), %d crashes\n",
                r.EndTickCount, r.EndTickCount * 0.03, frames, Seconds(t0) * 1e3,
                CpuSeconds(c0) * 1e3, r.Crashes);
  }

  WriteCourse("spiral", {{14, 318}, {14, 20}, {300, 20}, {300, 300}, {60, 300}, {60, 60},
                         {260, 60}, {260, 260}, {100, 260}, {100, 100}});
  for (const char* course : {"winding", "spiral"}) {
    RaceSimOptions options;
    options.UseAutopilot = true;
    t0 = std::chrono::steady_clock::now();
    c0 = std::clock();
    RaceSimResult r = SimulateRace(course, options);
    std::printf("autopilot race on the %s course: %s, %d race ticks (%.2f s race time), "
                "%d crashes, %.1f ms (%.1f ms of processor time)\n",
                course, r.Finished ? "finished" : "not finished", r.RaceTicks, r.RaceSeconds,
                r.Crashes, Seconds(t0) * 1e3, CpuSeconds(c0) * 1e3);
  }
  std::error_code ignored;
  std::filesystem::remove_all(dir, ignored);
  return 0;
}
