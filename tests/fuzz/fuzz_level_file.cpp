// Feeds arbitrary bytes to the level-file readers as a level file. They may refuse the file
// with a FileError or ConvertError; anything else (a crash, a hang, another exception)
// is a fault.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "race/level_file.h"
#include "shell/errors.h"

// In memory-backed /dev/shm where there is one: every rewrite flushes to disk.
static std::string FuzzPath() {
  static std::string path = std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                            "/vontel_fuzz_level_" + std::to_string(getpid()) + ".dcc";
  return path;
}

template <typename F>
static void Refusable(F f) {
  try {
    f();
  } catch (const FileError&) {
  } catch (const ConvertError&) {
  }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string path = FuzzPath();
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);

  Refusable([&] {
    LevelFileReader file;
    OpenLevelFile(file, path);
    LevelHeader header = ReadLevelHeader(file);
    if (header.Available) ReadBestTimes(file);
  });
  Refusable([&] {
    LevelFileReader file;
    OpenLevelFile(file, path);
    SkipToBestTimes(file);
    std::vector<BestTimeEntry> entries = ReadBestTimes(file);
    if (entries.size() > (size_t)BestTimesMax) __builtin_trap();
  });
  Refusable([&] { ReadCheckpointCount(path); });
  // A rewrite must give a file that reads back with the list it was given.
  Refusable([&] {
    WriteBestTimes(path, {{12, "Ann"}, {30, std::string("B\x12o\x05")}});
    std::vector<BestTimeEntry> back = ReadLevelBestTimes(path);
    if (back.size() != 2 || back[0].Seconds != 12 || back[1].PlayerName != "Bo")
      __builtin_trap();
  });
  return 0;
}
