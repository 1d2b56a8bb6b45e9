// The generated models: the model list in its own number format, every model file in the
// line format the game reads, with sane geometry, colours and normals.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <sstream>

#include "render/model_file.h"
#include "test_datagen_support.h"

using namespace datagen_test;

namespace {
std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) end = bytes.size();
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// The tokens of a model-file line by the format's rules: points become commas, brackets
// go, blanks separate.
std::vector<std::string> Tokens(std::string line) {
  std::string cleaned;
  for (char c : line) {
    if (c == '[' || c == ']') continue;
    cleaned += c == '.' ? ',' : c;
  }
  std::istringstream in(cleaned);
  std::vector<std::string> tokens;
  for (std::string t; in >> t;) tokens.push_back(t);
  return tokens;
}

bool CommaNumber(const std::string& s) {
  if (s.empty()) return false;
  size_t i = s[0] == '-' ? 1 : 0;
  bool digits = false, mark = false;
  for (; i < s.size(); ++i) {
    if (std::isdigit((unsigned char)s[i])) digits = true;
    else if (s[i] == ',' && !mark) mark = true;
    else return false;
  }
  return digits;
}

struct Bounds {
  float lo[3] = {1e9f, 1e9f, 1e9f}, hi[3] = {-1e9f, -1e9f, -1e9f};
};
Bounds BoundsOf(const TModelData& m) {
  Bounds b;
  for (const TModelTriangle& t : m.Triangles)
    for (const auto& p : t.Corner)
      for (int a = 0; a < 3; ++a) b.lo[a] = std::min(b.lo[a], p[a]), b.hi[a] = std::max(b.hi[a], p[a]);
  return b;
}
}  // namespace

class ModelsFiles : public GeneratedDataTest {};

TEST_F(ModelsFiles, ModelListHasFourLineEntriesWithCommaNumbers) {
  std::vector<std::string> lines = Lines(ReadBytes(data + "/models.cfg"));
  ASSERT_EQ(lines.size() % 4, 0u);
  std::set<std::string> names;
  for (size_t k = 0; k < lines.size(); k += 4) {
    names.insert(lines[k]);
    EXPECT_TRUE(std::filesystem::exists(data + "/" + lines[k] + ".rib")) << lines[k];
    for (int a = 1; a <= 3; ++a) {
      EXPECT_TRUE(CommaNumber(lines[k + a])) << "line " << k + a + 1 << ": " << lines[k + a];
      EXPECT_EQ(lines[k + a].find('.'), std::string::npos) << "line " << k + a + 1;
    }
  }
  EXPECT_GE(names.size(), 10u) << "at least ten scenery models";
  EXPECT_EQ(lines[0], "buoy") << "the first entry, code 5, floats at water level";
}

TEST_F(ModelsFiles, EveryModelFileFollowsTheLineFormat) {
  for (const auto& entry : std::filesystem::directory_iterator(data)) {
    if (entry.path().extension() != ".rib") continue;
    std::string name = entry.path().filename().string();
    std::vector<std::string> lines = Lines(ReadBytes(entry.path().string()));
    ASSERT_GT(lines.size(), 14u) << name;
    EXPECT_EQ(Tokens(lines[13]).size(), 4u) << name << ": line 14 is the first colour";
    EXPECT_EQ(Tokens(lines[13])[0], "Color") << name;
    bool previousWasColour = true;
    for (size_t k = 14; k < lines.size(); ++k) {
      std::vector<std::string> t = Tokens(lines[k]);
      if (t[0] == "Color") {
        EXPECT_FALSE(previousWasColour) << name << " line " << k + 1 << ": two colours in a row";
        EXPECT_EQ(t.size(), 4u) << name << " line " << k + 1;
        previousWasColour = true;
        continue;
      }
      EXPECT_EQ(t.size(), 21u) << name << " line " << k + 1 << ": " << lines[k];
      EXPECT_EQ(t[0], "Polygon") << name << " line " << k + 1;
      EXPECT_EQ(t[1], "\"P\"") << name;
      EXPECT_EQ(t[11], "\"N\"") << name;
      previousWasColour = false;
    }
    EXPECT_FALSE(previousWasColour) << name << " ends with a colour";
  }
}

TEST_F(ModelsFiles, GameReaderLoadsEveryModelWithOutwardUnitNormals) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(data)) {
    if (entry.path().extension() != ".rib") continue;
    ++files;
    std::string name = entry.path().filename().string();
    TModelData m = ReadModelFile(entry.path().string());
    EXPECT_GE(m.Triangles.size(), 12u) << name;
    for (const TModelTriangle& t : m.Triangles) {
      float e1[3], e2[3];
      for (int a = 0; a < 3; ++a) e1[a] = t.Corner[1][a] - t.Corner[0][a], e2[a] = t.Corner[2][a] - t.Corner[0][a];
      float face[3] = {e1[1] * e2[2] - e1[2] * e2[1], e1[2] * e2[0] - e1[0] * e2[2], e1[0] * e2[1] - e1[1] * e2[0]};
      for (const auto& n : t.Normal) {
        EXPECT_NEAR(std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]), 1.0, 0.01) << name;
        EXPECT_GT(face[0] * n[0] + face[1] * n[1] + face[2] * n[2], 0) << name << ": a normal points inwards";
      }
      if (t.HasColor) {
        for (float c : t.Color) EXPECT_TRUE(c >= 0 && c <= 1) << name;
      }
    }
  }
  EXPECT_GE(files, 11);
}

TEST_F(ModelsFiles, ShapesFitTheirPlaces) {
  // The boat: long along x with its narrow bow at -x; about 8 by 3 world units at the
  // game's scale of 0.4.
  TModelData boat = ReadModelFile(data + "/vontel.rib");
  Bounds b = BoundsOf(boat);
  float length = b.hi[0] - b.lo[0], beam = b.hi[2] - b.lo[2];
  EXPECT_GT(length, 2.2f * beam);
  EXPECT_NEAR(length * 0.4f, 8.5f, 1.5f);
  float bowWidth = 0, sternWidth = 0;
  for (const TModelTriangle& t : boat.Triangles)
    for (const auto& p : t.Corner) {
      if (p[0] < b.lo[0] + length * 0.1f) bowWidth = std::max(bowWidth, std::fabs(p[2]));
      if (p[0] > b.hi[0] - length * 0.2f) sternWidth = std::max(sternWidth, std::fabs(p[2]));
    }
  EXPECT_LT(bowWidth, sternWidth * 0.5f);

  // The buoy floats: part of it under the water level (its origin), most of it above.
  Bounds buoy = BoundsOf(ReadModelFile(data + "/buoy.rib"));
  EXPECT_LT(buoy.lo[1], 0);
  EXPECT_GT(buoy.hi[1], 1.5f);
  // The stones under the gates stay under the surface: a river bed is at least 2.4 units
  // below the lowest wave.
  EXPECT_LT(BoundsOf(ReadModelFile(data + "/riverstones.rib")).hi[1], 1.5f);
  // Trees stand on their origin and reach well above it.
  for (const char* tree : {"pine", "spruce", "oak", "birch", "snowpine", "baretree"}) {
    Bounds t = BoundsOf(ReadModelFile(data + "/" + tree + ".rib"));
    EXPECT_NEAR(t.lo[1], 0, 0.5f) << tree;
    EXPECT_GT(t.hi[1], 6) << tree;
  }
}
