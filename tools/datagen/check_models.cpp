#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "check_data.h"
#include "level_io.h"
#include "render/model_file.h"
#include "render/model_text.h"

namespace {
constexpr int MaxListedModels = 125;

float Length(const float v[3]) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

// The format as the game reads it, plus what the game does not test: colours from 0 to 1,
// triangles with an area, unit normals that point out of the face they belong to.
void CheckModelFile(const std::string& path, std::vector<std::string>& problems) {
  TModelData model;
  try {
    model = ReadModelFile(path);
  } catch (const std::exception& e) {
    problems.push_back(std::string("The model file ") + path + " cannot be read: " + e.what());
    return;
  }
  if (model.Triangles.empty()) {
    problems.push_back("The model file " + path + " holds no triangles, so the model is invisible.");
    return;
  }
  int badColours = 0, flat = 0, badNormals = 0;
  auto colourOk = [](const float c[3]) {
    for (int k = 0; k < 3; ++k)
      if (!(c[k] >= 0 && c[k] <= 1)) return false;
    return true;
  };
  if (!colourOk(model.FirstColor)) ++badColours;
  for (const TModelTriangle& t : model.Triangles) {
    if (t.HasColor && !colourOk(t.Color)) ++badColours;
    float e1[3], e2[3], n[3];
    for (int k = 0; k < 3; ++k) e1[k] = t.Corner[1][k] - t.Corner[0][k], e2[k] = t.Corner[2][k] - t.Corner[0][k];
    n[0] = e1[1] * e2[2] - e1[2] * e2[1];
    n[1] = e1[2] * e2[0] - e1[0] * e2[2];
    n[2] = e1[0] * e2[1] - e1[1] * e2[0];
    if (Length(n) < 1e-6f) {
      ++flat;
      continue;
    }
    for (int c = 0; c < 3; ++c) {
      float l = Length(t.Normal[c]);
      float d = (n[0] * t.Normal[c][0] + n[1] * t.Normal[c][1] + n[2] * t.Normal[c][2]);
      if (std::fabs(l - 1) > 0.01f || d <= 0) ++badNormals;
    }
  }
  if (badColours)
    problems.push_back("The model file " + path + " has " + std::to_string(badColours) +
                       " colours outside 0 to 1.");
  if (flat)
    problems.push_back("The model file " + path + " has " + std::to_string(flat) +
                       " triangles without area.");
  if (badNormals)
    problems.push_back("The model file " + path + " has " + std::to_string(badNormals) +
                       " corner normals that are not of length 1 or point into the model.");
}
}  // namespace

void CheckModels(const std::string& dir, std::vector<std::string>& problems) {
  CheckModelFile(JoinPath(dir, "vontel.rib"), problems);
  std::string listPath = JoinPath(dir, "models.cfg");
  if (!std::filesystem::exists(listPath)) {
    problems.push_back("The model list " + listPath + " is missing.");
    return;
  }
  try {
    TTextLines list(listPath);
    std::vector<std::string> checked;
    int entries = 0;
    // The game's reading rule: the first entry always, a further one only when its name
    // line is not the end of the file.
    std::string name = list.ReadLine();
    for (;;) {
      ++entries;
      int nameLine = list.LineNumber();
      for (int axis = 0; axis < 3; ++axis) {
        std::string text = list.ReadLine();
        float scale = ReadNumber(text, ',', listPath, list.LineNumber());
        if (scale == 0)
          problems.push_back("Line " + std::to_string(list.LineNumber()) + " of the model list " +
                             listPath + " gives a scale of 0, which the game cannot undo.");
      }
      if (name.empty()) {
        problems.push_back("Line " + std::to_string(nameLine) + " of the model list " + listPath +
                           " should name a model but is empty.");
      } else if (std::find(checked.begin(), checked.end(), name) == checked.end()) {
        checked.push_back(name);
        std::string file = JoinPath(dir, name + ".rib");
        if (!std::filesystem::exists(file))
          problems.push_back("The model list " + listPath + " names the model " + name + ", but " +
                             file + " is missing.");
        else
          CheckModelFile(file, problems);
      }
      name = list.ReadLine();
      if (list.AtEnd()) {
        if (!name.empty())
          problems.push_back("The model list " + listPath + " ends with the name " + name +
                             " without its three scales; the game skips it.");
        break;
      }
    }
    if (entries > MaxListedModels)
      problems.push_back("The model list " + listPath + " has " + std::to_string(entries) +
                         " entries; only the first 125 are loaded.");
  } catch (const std::exception& e) {
    problems.push_back(std::string("The model list is wrong: ") + e.what());
  }
}
