#pragma once
// The models of the game: the boat and the scenery, in the order of the model list. Entry k
// of the list (counting from 1) is drawn by the layer code 3 + 2k.
#include <string>
#include <vector>

#include "model_mesh.h"

enum class SceneryRole {
  GateBuoy,    // code 5: floats at water level; marks the gate numbered 5
  GateStones,  // codes 7..15: stones on the river bed under the gates with those numbers
  Tree,
  Bush,
  Rock,
  Reeds,  // at the water's edge
  Jetty,  // at the water's edge, reaching out over the water
  Hut,    // near the water, door towards it
};

inline constexpr int SummerOnly = 1, WinterOnly = 2, AllSeasons = 3;

struct SceneryModel {
  std::string file;  // model file name without ".rib"
  double scale[3];
  SceneryRole role;
  int seasons;
  int code;  // layer code: 5, 7, 9, ...
};

// The model list in file order.
const std::vector<SceneryModel>& SceneryModels();
// Every distinct model file: name and mesh, the boat "vontel" first.
struct ModelFile {
  std::string name;
  std::string about;
  Mesh mesh;
};
std::vector<ModelFile> ModelFiles();

// Dark grey of frames, posts and rails.
Colour FrameGrey();
Mesh BoatMesh();
Mesh SceneryMesh(const std::string& name);
