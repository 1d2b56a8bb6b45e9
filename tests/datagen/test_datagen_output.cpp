// The generator's whole run: a complete directory, the same bytes every time, and one that
// its own checker accepts with every level raced by the autopilot.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "test_datagen_support.h"

using namespace datagen_test;
namespace fs = std::filesystem;

namespace {
std::map<std::string, std::string> AllFiles(const std::string& dir) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(dir))
    files[entry.path().filename().string()] = ReadBytes(entry.path().string());
  return files;
}
}  // namespace

TEST(DatagenOutput, TwoRunsWriteTheSameBytes) {
  TempDir first, second;
  RunResult a, b;
  std::string dirA = Generate(first, &a), dirB = Generate(second, &b);
  ASSERT_EQ(a.exitCode, 0) << a.output;
  ASSERT_EQ(b.exitCode, 0) << b.output;
  std::map<std::string, std::string> filesA = AllFiles(dirA), filesB = AllFiles(dirB);
  ASSERT_EQ(filesA.size(), filesB.size());
  for (const auto& [name, bytes] : filesA) {
    ASSERT_TRUE(filesB.count(name)) << name;
    EXPECT_TRUE(bytes == filesB[name]) << name << " differs between two runs";
  }
  // The generator also reports what it made, the same way each time.
  EXPECT_EQ(a.output, b.output);
}

TEST(DatagenOutput, GeneratedDirectoryPassesTheCheckWithEveryLevelRaced) {
  TempDir dir;
  RunResult made;
  std::string data = Generate(dir, &made);
  ASSERT_EQ(made.exitCode, 0) << made.output;
  RunResult check = RunDatagen("--check " + data);
  EXPECT_EQ(check.exitCode, 0) << check.output;
  EXPECT_NE(check.output.find("everything is in order"), std::string::npos) << check.output;
  for (int n = 1; n <= 8; ++n) {
    std::string line = "level" + std::to_string(n) + ": autopilot ";
    EXPECT_NE(check.output.find(line), std::string::npos) << "no race of level " << n << "\n"
                                                          << check.output;
  }
}

TEST(DatagenOutput, ConfigurationIsTheInstallationDefault) {
  TempDir dir;
  std::string data = Generate(dir);
  EXPECT_EQ(ReadBytes(data + "/vontel.cfg"),
            "<#Vontel ][ Config File // do not edit // generated automatic\r\n0\r\n100\r\n170\r\n"
            "170\r\n0\r\n");
}

TEST(DatagenOutput, UsageErrorsExitNonZero) {
  const char* cases[] = {"", "--check", "--render-maps onlyone", "--unknown x"};
  for (const char* args : cases) {
    RunResult r = RunDatagen(args);
    EXPECT_NE(r.exitCode, 0) << "datagen " << args;
    EXPECT_NE(r.output.find("usage"), std::string::npos) << "datagen " << args;
  }
}
