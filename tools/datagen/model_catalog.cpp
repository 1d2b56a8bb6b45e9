#include "model_catalog.h"

namespace {
std::vector<SceneryModel> BuildList() {
  struct Row {
    const char* file;
    double sx, sy, sz;
    SceneryRole role;
    int seasons;
  };
  // The order is the layer code order: do not reorder without regenerating every level.
  const Row rows[] = {
      {"buoy", 1, 1, 1, SceneryRole::GateBuoy, AllSeasons},
      {"riverstones", 1, 1, 1, SceneryRole::GateStones, AllSeasons},
      {"riverstones", 1.2, 1, 1.2, SceneryRole::GateStones, AllSeasons},
      {"riverstones", 0.9, 1, 0.9, SceneryRole::GateStones, AllSeasons},
      {"riverstones", 1.1, 0.8, 1.3, SceneryRole::GateStones, AllSeasons},
      {"riverstones", 1.3, 0.9, 1.1, SceneryRole::GateStones, AllSeasons},
      {"pine", 1, 1, 1, SceneryRole::Tree, SummerOnly},
      {"spruce", 1, 1, 1, SceneryRole::Tree, SummerOnly},
      {"oak", 1, 1, 1, SceneryRole::Tree, SummerOnly},
      {"birch", 1, 1, 1, SceneryRole::Tree, SummerOnly},
      {"bush", 1, 1, 1, SceneryRole::Bush, SummerOnly},
      {"snowpine", 1, 1, 1, SceneryRole::Tree, WinterOnly},
      {"snowpine", 1.25, 1.5, 1.25, SceneryRole::Tree, WinterOnly},
      {"baretree", 1, 1, 1, SceneryRole::Tree, WinterOnly},
      {"boulder", 1, 1, 1, SceneryRole::Rock, AllSeasons},
      {"slab", 1, 1, 1, SceneryRole::Rock, AllSeasons},
      {"hut", 1, 1, 1, SceneryRole::Hut, AllSeasons},
      {"jetty", 1, 1, 1, SceneryRole::Jetty, AllSeasons},
      {"reeds", 1, 1, 1, SceneryRole::Reeds, SummerOnly},
      {"pine", 1.3, 1.4, 1.3, SceneryRole::Tree, SummerOnly},
      {"boulder", 1.6, 1.3, 1.5, SceneryRole::Rock, AllSeasons},
  };
  std::vector<SceneryModel> list;
  int code = 5;
  for (const Row& r : rows) {
    list.push_back({r.file, {r.sx, r.sy, r.sz}, r.role, r.seasons, code});
    code += 2;
  }
  return list;
}
}  // namespace

const std::vector<SceneryModel>& SceneryModels() {
  static const std::vector<SceneryModel> list = BuildList();
  return list;
}

std::vector<ModelFile> ModelFiles() {
  std::vector<ModelFile> files;
  files.push_back({"vontel", "the player's speedboat; bow towards -x", BoatMesh()});
  for (const SceneryModel& m : SceneryModels()) {
    bool seen = false;
    for (const ModelFile& f : files) seen = seen || f.name == m.file;
    if (!seen) files.push_back({m.file, "scenery: " + m.file + "; front towards +x", SceneryMesh(m.file)});
  }
  return files;
}
