// Frames per second of the race frame and of the intro frame at 800 x 600, each beside a
// frame that only clears and swaps, measured in the same run.
//   bench_render              the game's data set, made by bin/datagen of the same build
//                             into a temporary directory, racing on level1; without the
//                             generator a river level of its own with simple models
//   bench_render DIR TERRAIN  the data directory in DIR (DIR/data/...), racing on TERRAIN
// Besides frames per wall-clock second it reports frames per second of the process's CPU
// time, which stays meaningful when other programs share the cores.
#include <GL/gl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "platform/application.h"
#include "platform/bitmap.h"
#include "platform/display.h"
#include "platform/message_box.h"
#include "race/race_setup.h"
#include "race/race_state.h"
#include "render/display.h"
#include "render/form7.h"
#include "render/loaders.h"
#include "render/model_file.h"
#include "render/race_scene.h"
#include "render/random.h"
#include "render/render_state.h"
#include "screens/intro.h"
#include "shell/form1.h"
#include "shell/state.h"

namespace {

TBitmap NoisePicture(int size, int r, int g, int b) {
  TBitmap picture;
  picture.Width = picture.Height = size;
  picture.Pixels.resize((size_t)size * size * 3);
  for (size_t k = 0; k < picture.Pixels.size(); k += 3) {
    int shade = Random(60) - 30;
    picture.Pixels[k] = (uint8_t)std::clamp(r + shade, 0, 255);
    picture.Pixels[k + 1] = (uint8_t)std::clamp(g + shade, 0, 255);
    picture.Pixels[k + 2] = (uint8_t)std::clamp(b + shade, 0, 255);
  }
  return picture;
}

void Triangle(TModelData& model, float a[3], float b[3], float c[3]) {
  TModelTriangle t{};
  float* corners[3] = {a, b, c};
  for (int k = 0; k < 3; ++k)
    for (int axis = 0; axis < 3; ++axis) {
      t.Corner[k][axis] = corners[k][axis];
      t.Normal[k][axis] = axis == 1 ? 1.0f : 0.0f;
    }
  model.Triangles.push_back(t);
}

// A cone of `sides` sides: trees, rocks, buoys and the boat are all cones of some kind.
uint32_t ConeModel(int sides, float radius, float height, float r, float g, float b) {
  TModelData model{{r, g, b}, {}};
  for (int k = 0; k < sides; ++k) {
    double a0 = 2 * M_PI * k / sides, a1 = 2 * M_PI * (k + 1) / sides;
    float top[3] = {0, height, 0}, centre[3] = {0, 0, 0};
    float p0[3] = {(float)(radius * std::cos(a0)), 0, (float)(radius * std::sin(a0))};
    float p1[3] = {(float)(radius * std::cos(a1)), 0, (float)(radius * std::sin(a1))};
    Triangle(model, p0, p1, top);
    Triangle(model, p1, p0, centre);
  }
  return CompileModel(model, 1, 1, 1);
}

// A river that starts at the race start (row 14, column 311) and bends away, with banks,
// hills, and scenery on the banks.
void BuildLevel() {
  for (int row = 0; row < 320; ++row)
    for (int c = 0; c < 320; ++c) {
      double centre = 14 + 30 * (1 - std::cos((319 - c) / 40.0)) + 4;
      double away = std::fabs(row - centre);
      double hills = 150 + 50 * std::sin(row / 13.0) * std::cos(c / 17.0) + Random(10);
      double h = away < 7 ? 30 : std::min(hills, 30 + (away - 7) * 25);
      Heightmap[320 * row + c] = (uint8_t)h;
      uint8_t code = 0;
      if (away >= 8 && away < 14 && Random(14) == 0) code = Random(2) ? 7 : 9;
      if (away < 1 && c % 20 == 0) code = 5;
      CheckpointLayer[320 * row + c] = code;
    }
  for (int n = 0; n + 1 < GridBytes; ++n)
    if (CheckpointLayer[n] >= 5 && CheckpointLayer[n] % 2 && Random(2) && CheckpointLayer[n + 1] == 0)
      CheckpointLayer[n + 1] = CheckpointLayer[n] + 1;  // turned by 90 degrees
}

void MakeSyntheticWorld() {
  Randomize();
  SmokeTexture = SnowflakeTexture = UploadTexture(NoisePicture(64, 230, 230, 230));
  RiverTexture = UploadTexture(NoisePicture(256, 120, 150, 90));
  WinterRiverTexture = UploadTexture(NoisePicture(256, 220, 220, 230));
  WaterTexture = UploadTexture(NoisePicture(256, 60, 90, 160));
  OsdTexture = UploadTexture(NoisePicture(256, 40, 60, 40));
  for (int k = 1; k <= 8; ++k) IntroTexture[k] = UploadTexture(NoisePicture(256, 200, 150, 50));
  ModelTable[0] = ConeModel(40, 6, 4, 0.8f, 0.2f, 0.1f);
  ModelTable[5] = ConeModel(12, 1, 3, 1.0f, 0.4f, 0.0f);
  ModelTable[7] = ConeModel(16, 3, 14, 0.1f, 0.5f, 0.1f);
  ModelTable[9] = ConeModel(8, 3, 3, 0.5f, 0.5f, 0.5f);
  BuildLevel();
  TransparentWater = false;
  SmokeOn = true;  // detail level 2
  ParticleCount = 100;
  BoatX = 32, BoatZ = -56;
}

int Objects() {
  int count = 0;
  for (int n = 0; n < GridBytes; ++n)
    count += CheckpointLayer[n] >= 5 && CheckpointLayer[n] <= 253 && CheckpointLayer[n] % 2;
  return count;
}

double CpuSeconds() {
  timespec t;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return t.tv_sec + t.tv_nsec / 1e9;
}

// Frames per second of wall-clock time, and per second of the process's CPU time (all its
// threads), which tells the speed on an idle machine when others share the cores.
struct TRate {
  double Wall, Cpu;
};

template <class Frame>
TRate FramesPerSecond(Frame frame, double seconds) {
  for (int k = 0; k < 10; ++k) frame();
  glFinish();
  auto start = std::chrono::steady_clock::now();
  double cpuStart = CpuSeconds();
  int frames = 0;
  double elapsed = 0;
  do {
    frame();
    ++frames;
    elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  } while (elapsed < seconds);
  return {frames / elapsed, frames / (CpuSeconds() - cpuStart)};
}

void Report(const char* name, TRate frame, TRate clear) {
  std::printf("%s %7.1f fps, %7.1f per CPU second (clear and swap %7.1f fps, %7.1f per CPU second)\n",
              name, frame.Wall, frame.Cpu, clear.Wall, clear.Cpu);
}

void ClearAndSwap() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  SwapGameBuffers();
}

}  // namespace

// Makes the data set with the generator beside this build's benchmarks; returns the
// directory that holds it, or an empty path when there is no generator.
std::filesystem::path GenerateDataSet() {
  std::error_code error;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  std::filesystem::path generator = self.parent_path().parent_path() / "bin" / "datagen";
  if (error || !std::filesystem::exists(generator)) return {};
  std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("bench_render_" + std::to_string(getpid()));
  std::string command = "'";
  command += generator.string();
  command += "' '";
  command += (dir / "data").string();
  command += "' > /dev/null";
  if (std::system(command.c_str()) != 0) {
    std::filesystem::remove_all(dir, error);
    return {};
  }
  return dir;
}

int main(int argc, char** argv) {
  MessageBoxHook = [](const std::string&, const std::string&, MsgButtons) {
    return MsgResult::Ignore;  // no title-music warning in the way
  };
  Application.Initialize();
  Application.SetTitle("bench_render");
  try {
    Form7 = new TForm7();
    Form1 = new TForm1();  // the display set-up
    std::string terrain;
    std::filesystem::path generated;
    std::string dataDir = argc >= 3 ? argv[1] : "";
    if (argc < 3 && !(generated = GenerateDataSet()).empty()) dataDir = generated.string();
    bool gameData = !dataDir.empty();
    if (gameData) {
      if (chdir(dataDir.c_str()) != 0) {
        std::fprintf(stderr, "bench_render: no directory %s\n", dataDir.c_str());
        return 2;
      }
      terrain = argc >= 3 ? argv[2] : "level1";
      LoadModels();
      LoadLevel(terrain);
      SmokeOn = true;  // detail level 2 with 100 particles, whatever the configuration says
      TransparentWater = false;
      ParticleCount = 100;
    } else {
      terrain = "generated";
      MakeSyntheticWorld();
    }
    Form7->Show();
    Season = "normal";

    ScreenState = StateRace;
    BoatHeading = 0, TickCount = 0, LastPhysicsTick = 0, CameraYaw = 0;
    TRate clearRace = FramesPerSecond(ClearAndSwap, 2);
    TRate race = FramesPerSecond(RaceFrame, 4);
    std::printf("level %s: %d objects, smoke %s, transparent water %s, %d particles\n",
                terrain.c_str(), Objects(), SmokeOn ? "on" : "off", TransparentWater ? "on" : "off",
                ParticleCount);
    Report("race frame at the start:  ", race, clearRace);
    TRate raceScene = FramesPerSecond([] { DrawRaceScene(); glFinish(); }, 2);
    std::printf("  its picture without the swap: %7.1f fps, %7.1f per CPU second\n",
                raceScene.Wall, raceScene.Cpu);

    if (gameData) LoadLevel("intro");
    ScreenState = StateIntro;
    Season = "normal";
    CameraYaw = 180;
    TickCount = 500;  // a picture over the scene
    struct Stage {
      const char* name;
      double distance, side;
    } stages[] = {{"intro frame at its start: ", 1200, -60}, {"intro frame at its end:   ", 40, -2}};
    for (const Stage& stage : stages) {
      IntroDistance = stage.distance, IntroSide = stage.side;
      TRate clearIntro = FramesPerSecond(ClearAndSwap, 2);
      TRate intro = FramesPerSecond(IntroFrame, 4);
      Report(stage.name, intro, clearIntro);
      TRate introScene = FramesPerSecond([] { IntroDraw(); glFinish(); }, 2);
      std::printf("  its picture without the swap: %7.1f fps, %7.1f per CPU second\n",
                  introScene.Wall, introScene.Cpu);
    }
    if (!generated.empty()) {
      std::error_code error;
      std::filesystem::current_path("/", error);
      std::filesystem::remove_all(generated, error);
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "bench_render: %s\n", error.what());
    return 1;
  }
  return 0;
}
