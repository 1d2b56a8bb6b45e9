#include "race/race_setup.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "audio/sound.h"
#include "race/boat_physics.h"
#include "race/level_file.h"
#include "race/race_state.h"
#include "shell/config.h"
#include "shell/errors.h"
#include "shell/state.h"

void LoadGridFile(const std::string& path, uint8_t* grid, const char* what) {
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f)
    throw FileError(std::string("Could not open the ") + what + " " + path + " (" +
                    std::strerror(errno) + ").");
  // Read into a buffer first, so a short file leaves the old grid whole.
  std::vector<uint8_t> bytes(GridBytes);
  size_t got = std::fread(bytes.data(), 1, GridBytes, f);
  bool failed = std::ferror(f) != 0;
  if (std::fclose(f) != 0 || failed)
    throw FileError(std::string("Could not read the ") + what + " " + path + ".");
  if (got < (size_t)GridBytes)
    throw FileError(std::string("The ") + what + " " + path + " is too short: it holds " +
                    std::to_string(got) + " of the " + std::to_string(GridBytes) +
                    " bytes a level needs.");
  std::memcpy(grid, bytes.data(), GridBytes);
}

void LoadLevel(const std::string& name) {
  FinishCounter = 0;
  StopSongForLevelLoad();
  LoadGridFile("data/" + name + ".raw", Heightmap, "heightmap");
  LoadGridFile("data/" + name + "add.raw", CheckpointLayer, "checkpoint layer");

  std::vector<std::string> config = ReadConfigLines(3);
  TransparentWater = false;
  SmokeOn = true;
  if (config[1] == "3") TransparentWater = true;
  if (config[1] == "1") SmokeOn = false;
  ParticleCount = ConfigInteger(config[2], 3);

  CheckpointCount = ReadCheckpointCount("data/" + name + ".dcc");

  BoatZ = StartBoatZ;
  BoatX = StartBoatX;
  BoatHeading = 0;
  Throttle = 0;
  Steering = 0;
  BoatSpeed = 0;
  BoatSwing = 0;
  IntroDistance = 0;
  IntroSide = 0;
  CameraYaw = 0;
  TickCount = 0;
  CrashSoundState = 0;
  CrashCount = 0;
}
