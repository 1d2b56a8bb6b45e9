#pragma once
// Model files: a colour statement and triangles with one normal per corner, read into
// memory first and then compiled into a display list.
#include <cstdint>
#include <string>
#include <vector>

struct TModelTriangle {
  bool HasColor;  // a colour line came just before this triangle
  float Color[3];
  float Normal[3][3];
  float Corner[3][3];
};

struct TModelData {
  float FirstColor[3];  // from line 14
  std::vector<TModelTriangle> Triangles;
};

// Reads a model file. Throws FileError when it cannot be read and ConvertError naming the
// file and line where a number is missing or wrong.
TModelData ReadModelFile(const std::string& path);

// Records the model, scaled by (sx, sy, sz), into a new display list; calling the list
// leaves the modelview matrix as it found it (up to rounding). The scales must not be 0.
uint32_t CompileModel(const TModelData& model, float sx, float sy, float sz);
