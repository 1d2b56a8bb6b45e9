#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "gl_context.h"
#include "gl_feedback.h"
#include "render/loaders.h"
#include "shell/errors.h"

namespace {

const char* Header =
    "##RenderMan RIB\nversion 3.03\nDisplay \"x\" \"file\" \"rgb\"\nFormat 320 240 1\n"
    "Projection \"perspective\"\nWorldBegin\nLightSource \"ambientlight\" 1\n"
    "AttributeBegin\nAttribute \"identifier\" \"name\" \"model\"\nSurface \"plastic\"\n"
    "TransformBegin\nSides 2\nShadingRate 1\n";  // 13 lines

const char* Red = "Color [1 0 0]\n";
// Corners (100,100) (200,100) (200,200) and (300,300) (400,300) (400,400), normals up.
const char* First =
    "Polygon \"P\" [100.0 100 0 200 100 0 200 200 0] \"N\" [0 0 1 0 0 1 0 0 1]\n";
const char* Second =
    "Polygon \"P\" [300 300 0 400 300 0 400 400 0] \"N\" [0 0 1 0 0 1 0 0 1]\n";

std::string WriteModel(const std::string& name, const std::string& text) {
  std::string path = testing::TempDir() + "/" + name + ".rib";
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

// Draws the model's list with lighting and fog off, so the fed-back colours are the
// model's own and the corners its own coordinates.
std::vector<TFedPolygon> DrawModel(uint32_t list) {
  glDisable(GL_LIGHTING);
  glDisable(GL_FOG);
  glDisable(GL_TEXTURE_2D);
  UseFlatProjection(100);
  return CaptureFeedback([&] { glCallList(list); });
}

struct Corner {
  float x, y, r, g, b;
};

void ExpectTriangle(const TFedPolygon& polygon, std::vector<Corner> corners, const char* name) {
  ASSERT_EQ(polygon.size(), 3u) << name;
  for (size_t k = 0; k < 3; ++k) {
    EXPECT_NEAR(polygon[k].X, corners[k].x, 1e-3) << name << " corner " << k;
    EXPECT_NEAR(polygon[k].Y, corners[k].y, 1e-3) << name << " corner " << k;
    EXPECT_NEAR(polygon[k].R, corners[k].r, 1e-3) << name << " corner " << k;
    EXPECT_NEAR(polygon[k].G, corners[k].g, 1e-3) << name << " corner " << k;
    EXPECT_NEAR(polygon[k].B, corners[k].b, 1e-3) << name << " corner " << k;
  }
}

std::vector<Corner> FirstIn(float r, float g, float b) {
  return {{100, 100, r, g, b}, {200, 100, r, g, b}, {200, 200, r, g, b}};
}
std::vector<Corner> SecondIn(float r, float g, float b) {
  return {{300, 300, r, g, b}, {400, 300, r, g, b}, {400, 400, r, g, b}};
}

}  // namespace

TEST(ModelFile, WhatTheListDraws) {
  OpenTestContext();
  struct Case {
    const char* name;
    std::string body;  // from line 14 on
    std::vector<std::vector<Corner>> triangles;
  } cases[] = {
      {"only_colour", std::string(Red), {}},
      {"one_triangle", std::string(Red) + First, {FirstIn(1, 0, 0)}},
      {"other_keyword_line14", std::string("Opacity [1 0 0]\n") + First, {FirstIn(1, 0, 0)}},
      {"blanks_in_brackets", std::string(Red) + First + "Color [ 1 0.5 0 ]\n" + Second,
       {FirstIn(1, 0, 0), SecondIn(1, 0.5f, 0)}},
      {"no_blanks_in_brackets", std::string(Red) + First + "Color [1 0.5 0]\n" + Second,
       {FirstIn(1, 0, 0), SecondIn(1, 0.5f, 0)}},
      {"colour_holds", std::string("Color [0 0 1]\n") + First + Second,
       {FirstIn(0, 0, 1), SecondIn(0, 0, 1)}},
      {"closing_keyword", std::string(Red) + First + "AttributeEnd\n",
       {FirstIn(1, 0, 0), FirstIn(1, 0, 0)}},
      // The second colour line is read as a triangle: its tokens 2 and 3 become x and y of
      // corner 1, the rest comes from the line before.
      {"two_colours", std::string(Red) + First + "Color [0 1 0]\nColor [0 0 1]\n",
       {FirstIn(1, 0, 0), {{0, 1, 0, 1, 0}, {200, 100, 0, 1, 0}, {200, 200, 0, 1, 0}}}},
      {"no_final_line_end", std::string(Red) + First + std::string(Second, strlen(Second) - 1),
       {FirstIn(1, 0, 0), SecondIn(1, 0, 0)}},
  };
  for (const Case& c : cases) {
    std::string path = WriteModel(c.name, Header + c.body);
    uint32_t list = LoadModel(path, 1, 1, 1);
    ASSERT_NE(list, 0u) << c.name;
    std::vector<TFedPolygon> drawn = DrawModel(list);
    ASSERT_EQ(drawn.size(), c.triangles.size()) << c.name;
    for (size_t k = 0; k < drawn.size(); ++k) ExpectTriangle(drawn[k], c.triangles[k], c.name);
  }
}

TEST(ModelFile, ScalesAndLeavesTheMatrix) {
  OpenTestContext();
  uint32_t list = LoadModel(WriteModel("scaled", std::string(Header) + Red + First), 2, 3, 1);
  std::vector<TFedPolygon> drawn = DrawModel(list);
  ASSERT_EQ(drawn.size(), 1u);
  ExpectTriangle(drawn[0], {{200, 300, 1, 0, 0}, {400, 300, 1, 0, 0}, {400, 600, 1, 0, 0}},
                 "scaled");
  glLoadIdentity();
  glCallList(list);
  float matrix[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
  for (int k = 0; k < 16; ++k) EXPECT_NEAR(matrix[k], k % 5 == 0 ? 1.0f : 0.0f, 1e-6) << k;
}

TEST(ModelFile, BrokenFilesNameTheFileAndLine) {
  OpenTestContext();
  struct Case {
    const char* name;
    std::string text;
    float scale;
    const char* where;
  } cases[] = {
      {"short_header", "##RenderMan RIB\nversion 3.03\n", 1, "line 14"},
      {"short_first_triangle", std::string(Header) + Red + "AttributeEnd\n", 1, "line 15"},
      {"bad_number", std::string(Header) + Red +
                         "Polygon \"P\" [1 2 x 4 5 6 7 8 9] \"N\" [0 0 1 0 0 1 0 0 1]\n",
       1, "line 15"},
      {"bad_colour", std::string(Header) + "Color [1 0 zero]\n", 1, "line 14"},
      {"zero_scale", std::string(Header) + Red + First, 0, "scaled by 0"},
  };
  for (const Case& c : cases) {
    std::string path = WriteModel(c.name, c.text);
    try {
      LoadModel(path, 1, c.scale, 1);
      ADD_FAILURE() << c.name << " loaded";
    } catch (const ConvertError& error) {
      std::string text = error.what();
      EXPECT_NE(text.find(path), std::string::npos) << text;
      EXPECT_NE(text.find(c.where), std::string::npos) << text;
    }
  }
  EXPECT_THROW(LoadModel(testing::TempDir() + "/missing.rib", 1, 1, 1), FileError);
  EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);  // no list left open
}
