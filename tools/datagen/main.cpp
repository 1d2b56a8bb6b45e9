// The data generator.
//   datagen OUTDIR                          write a complete data directory
//   datagen --check DIR                     check a data directory; non-zero when anything is wrong
//   datagen --render-maps DIR OUTDIR [--track]   top-down pictures of its levels
//   datagen --render-models DIR OUTDIR      pictures of its models
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "audio_data.h"
#include "check_data.h"
#include "level_dataset.h"
#include "level_map_render.h"
#include "model_preview.h"
#include "pictures.h"

namespace {
int Usage() {
  std::fprintf(stderr,
               "usage: datagen OUTDIR\n"
               "       datagen --check DIR\n"
               "       datagen --render-maps DIR OUTDIR [--track]\n"
               "       datagen --render-models DIR OUTDIR\n");
  return 2;
}

int Generate(const std::string& dir) {
  std::filesystem::create_directories(dir);
  WriteInstallConfig(dir);
  WriteModels(dir);
  WritePictures(dir);
  WriteSounds(dir);
  WriteMusic(dir);
  bool allFinished = true;
  for (const LevelTiming& t : WriteLevels(dir)) {
    if (!t.finished) {
      std::fprintf(stderr, "%s: the autopilot cannot finish this course\n", t.terrainName.c_str());
      allFinished = false;
      continue;
    }
    if (t.targetSeconds == 0) {
      std::printf("%s: course %.0f cells, %d objects\n", t.terrainName.c_str(), t.courseLength, t.objects);
      continue;
    }
    std::printf("%s: course %.0f cells, %d objects, autopilot %.2f s (%d crashes), target %d s\n",
                t.terrainName.c_str(), t.courseLength, t.objects, t.autopilotSeconds, t.crashes,
                t.targetSeconds);
  }
  return allFinished ? 0 : 1;
}

int Check(const std::string& dir) {
  CheckReport report = CheckDataDirectory(dir);
  for (const std::string& f : report.figures) std::printf("%s\n", f.c_str());
  for (const std::string& p : report.problems) std::fprintf(stderr, "%s\n", p.c_str());
  if (!report.problems.empty()) {
    std::fprintf(stderr, "%s: %zu problems found.\n", dir.c_str(), report.problems.size());
    return 1;
  }
  std::printf("%s: everything is in order.\n", dir.c_str());
  return 0;
}
}  // namespace

int main(int argc, char** argv) {
  try {
    std::string first = argc > 1 ? argv[1] : "";
    if (first == "--check" && argc == 3) return Check(argv[2]);
    if (first == "--render-maps" && (argc == 4 || argc == 5)) {
      bool track = argc == 5 && std::string(argv[4]) == "--track";
      if (argc == 5 && !track) return Usage();
      int count = RenderLevelMaps(argv[2], argv[3], track);
      std::printf("%d maps written to %s\n", count, argv[3]);
      return 0;
    }
    if (first == "--render-models" && argc == 4) {
      std::printf("%d model pictures written to %s\n", RenderModelPreviews(argv[2], argv[3]), argv[3]);
      return 0;
    }
    if (argc == 2 && !first.empty() && first[0] != '-') return Generate(first);
    return Usage();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "datagen: %s\n", e.what());
    return 1;
  }
}
