#include <GL/gl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "gl_context.h"
#include "gl_feedback.h"
#include "render/model_list.h"
#include "render/render_state.h"
#include "shell/errors.h"

namespace {

// A data directory of its own with two tiny models: "box" with a triangle at x 100..200
// and "big" with one at x 300..400.
class ModelList : public testing::Test {
 protected:
  void SetUp() override {
    OpenTestContext();
    std::memset(ModelTable, 0, sizeof ModelTable);
    dir = std::filesystem::path(testing::TempDir()) / ("models_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir / "data");
    std::filesystem::current_path(dir);
    WriteModel("box", "Polygon \"P\" [100 100 0 200 100 0 200 200 0] \"N\" [0 0 1 0 0 1 0 0 1]\n");
    WriteModel("big", "Polygon \"P\" [300 100 0 400 100 0 400 200 0] \"N\" [0 0 1 0 0 1 0 0 1]\n");
  }
  void TearDown() override {
    std::filesystem::current_path("/");
    std::filesystem::remove_all(dir);
  }
  static void WriteModel(const std::string& name, const std::string& triangle) {
    std::ofstream file("data/" + name + ".rib", std::ios::binary);
    for (int k = 1; k <= 13; ++k) file << "# line " << k << "\r\n";
    file << "Color [1 1 1]\r\n" << triangle;
  }
  static void WriteList(const std::string& text) {
    std::ofstream("data/models.cfg", std::ios::binary) << text;
  }
  static std::string Entries(int count, const std::string& name = "box") {
    std::string text;
    for (int k = 0; k < count; ++k) text += name + "\r\n1\r\n1\r\n1\r\n";
    return text;
  }
  static int Loaded() {
    int count = 0;
    for (int slot = 0; slot < 256; ++slot) count += ModelTable[slot] != 0;
    return count;
  }
  // Left-most window x of what the slot's list draws.
  static float DrawnLeft(int slot) {
    glDisable(GL_LIGHTING);
    UseFlatProjection(100);
    std::vector<TFedPolygon> drawn = CaptureFeedback([&] { glCallList(ModelTable[slot]); });
    return drawn.empty() ? -1 : drawn[0][0].X;
  }
  std::filesystem::path dir;
};

}  // namespace

TEST_F(ModelList, EntriesGoToOddSlotsFromFive) {
  WriteList("box\r\n1\r\n1\r\n1\r\nbig\r\n1\r\n1\r\n1\r\n");
  LoadModelList("data/models.cfg");
  EXPECT_EQ(Loaded(), 2);
  EXPECT_FLOAT_EQ(DrawnLeft(5), 100);
  EXPECT_FLOAT_EQ(DrawnLeft(7), 300);
}

TEST_F(ModelList, HowManyEntriesLoad) {
  struct Case {
    const char* name;
    std::string text;
    int loaded;
  } cases[] = {
      {"one entry", Entries(1), 1},
      {"no line end after the last entry", Entries(2).substr(0, Entries(2).size() - 2), 2},
      {"one empty line after the last entry", Entries(3) + "\r\n", 3},
      {"a name on the last line", Entries(2) + "big", 2},
      {"126 entries", Entries(126), 125},
  };
  for (const Case& c : cases) {
    std::memset(ModelTable, 0, sizeof ModelTable);
    WriteList(c.text);
    LoadModelList("data/models.cfg");
    EXPECT_EQ(Loaded(), c.loaded) << c.name;
    EXPECT_NE(ModelTable[3 + 2 * c.loaded], 0u) << c.name;  // 126 entries: the last in 253
  }
  EXPECT_EQ(ModelTable[255], 0u);
}

TEST_F(ModelList, ScalesUseACommaAndAreApplied) {
  WriteList("box\r\n0,5\r\n1\r\n1\r\n");
  LoadModelList("data/models.cfg");
  EXPECT_FLOAT_EQ(DrawnLeft(5), 50);
}

TEST_F(ModelList, BadListsNameTheLine) {
  struct Case {
    const char* name;
    std::string text;
    const char* where;
  } cases[] = {
      {"two empty lines after the last entry", Entries(1) + "\r\n\r\n", "line 6"},
      {"empty list", "", "line 2"},
      {"point as decimal mark", "box\r\n0.5\r\n1\r\n1\r\n", "line 2"},
      {"scale of 0", "box\r\n1\r\n0\r\n1\r\n", "line 3"},
      {"word as scale", Entries(1) + "big\r\n1\r\n1\r\nwide\r\n", "line 8"},
  };
  for (const Case& c : cases) {
    WriteList(c.text);
    try {
      LoadModelList("data/models.cfg");
      ADD_FAILURE() << c.name << " loaded";
    } catch (const ConvertError& error) {
      std::string text = error.what();
      EXPECT_NE(text.find("data/models.cfg"), std::string::npos) << c.name << ": " << text;
      EXPECT_NE(text.find(c.where), std::string::npos) << c.name << ": " << text;
    }
  }
}

TEST_F(ModelList, MissingModelFileIsNamed) {
  WriteList("rock\r\n1\r\n1\r\n1\r\n");
  try {
    LoadModelList("data/models.cfg");
    FAIL();
  } catch (const FileError& error) {
    EXPECT_NE(std::string(error.what()).find("data/rock.rib"), std::string::npos);
  }
  std::filesystem::remove("data/models.cfg");
  EXPECT_THROW(LoadModelList("data/models.cfg"), FileError);
}
