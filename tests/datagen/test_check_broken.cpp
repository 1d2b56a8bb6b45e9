// The checker on damaged data directories: each damage alone makes it fail with a sentence
// that names the damaged file.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <vector>

#include "race/level_file.h"
#include "test_datagen_support.h"

using namespace datagen_test;
namespace fs = std::filesystem;

namespace {
void Truncate(const std::string& path, size_t size) { WriteBytes(path, ReadBytes(path).substr(0, size)); }

// Drops every line that reads "#eop" once unscrambled.
void DropEndMarkers(const std::string& path) {
  std::string bytes = ReadBytes(path), kept;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    if (ScrambleLine(line) != "#eop") kept += line + "\r\n";
    start = end + 2;
  }
  WriteBytes(path, kept);
}

void ReplaceLine(const std::string& path, int lineNumber, const std::string& text) {
  std::string bytes = ReadBytes(path), out;
  size_t start = 0;
  for (int n = 1; start < bytes.size(); ++n) {
    size_t end = bytes.find("\r\n", start);
    out += (n == lineNumber ? text : bytes.substr(start, end - start)) + "\r\n";
    start = end + 2;
  }
  WriteBytes(path, out);
}

struct Damage {
  const char* what;
  const char* file;  // the name the report must mention
  std::function<void(const std::string& dir)> apply;
};

// Generates once, then checks a damaged copy for each damage.
void ExpectEachReported(const std::vector<Damage>& damages) {
  TempDir dir;
  RunResult made;
  std::string data = Generate(dir, &made);
  ASSERT_EQ(made.exitCode, 0) << made.output;
  for (const Damage& damage : damages) {
    std::string broken = dir.Sub(std::string("broken-") + damage.file);
    fs::remove_all(broken);
    fs::copy(data, broken, fs::copy_options::recursive);
    damage.apply(broken);
    RunResult check = RunDatagen("--check " + broken);
    EXPECT_NE(check.exitCode, 0) << damage.what << "\n" << check.output;
    EXPECT_NE(check.output.find(damage.file), std::string::npos)
        << damage.what << ": the report does not name " << damage.file << "\n" << check.output;
    fs::remove_all(broken);
  }
}
}  // namespace

TEST(CheckBroken, DamagedGridsAreReportedByFileName) {
  ExpectEachReported({
      {"short heightmap", "level3.raw", [](const std::string& d) { Truncate(d + "/level3.raw", 5000); }},
      {"short checkpoint layer", "level2add.raw",
       [](const std::string& d) { Truncate(d + "/level2add.raw", 102399); }},
      {"missing intro heightmap", "intro.raw", [](const std::string& d) { fs::remove(d + "/intro.raw"); }},
  });
}

TEST(CheckBroken, DamagedLevelFilesAreReportedByFileName) {
  ExpectEachReported({
      {"level file without #eop", "level2.dcc", [](const std::string& d) { DropEndMarkers(d + "/level2.dcc"); }},
      {"intro level file without #eop", "intro.dcc",
       [](const std::string& d) { DropEndMarkers(d + "/intro.dcc"); }},
      {"checkpoint count that is no number", "level4.dcc",
       [](const std::string& d) {
         // Line 6 of level 4 is its checkpoint count (two description lines).
         ReplaceLine(d + "/level4.dcc", 6, ScrambleLine("seven"));
       }},
      {"target time the autopilot cannot beat", "level1.dcc",
       [](const std::string& d) { ReplaceLine(d + "/level1.dcc", 7, ScrambleLine("20")); }},
      {"missing level 1", "level1.dcc", [](const std::string& d) { fs::remove(d + "/level1.dcc"); }},
  });
}

TEST(CheckBroken, DamagedModelsPicturesAndConfigurationAreReportedByFileName) {
  ExpectEachReported({
      {"bad number in the model list", "models.cfg",
       [](const std::string& d) { ReplaceLine(d + "/models.cfg", 3, "1,x"); }},
      {"model list naming a missing model", "oak.rib", [](const std::string& d) { fs::remove(d + "/oak.rib"); }},
      {"missing boat model", "vontel.rib", [](const std::string& d) { fs::remove(d + "/vontel.rib"); }},
      {"missing picture", "fluss.jpg", [](const std::string& d) { fs::remove(d + "/fluss.jpg"); }},
      {"configuration of five lines", "vontel.cfg",
       [](const std::string& d) { WriteBytes(d + "/vontel.cfg", "<#Vontel\r\n0\r\n100\r\n170\r\n170\r\n"); }},
  });
}

TEST(CheckBroken, MissingDirectoryIsReported) {
  RunResult check = RunDatagen("--check /nonexistent/datagen-dir");
  EXPECT_NE(check.exitCode, 0);
  EXPECT_NE(check.output.find("/nonexistent/datagen-dir"), std::string::npos) << check.output;
}
