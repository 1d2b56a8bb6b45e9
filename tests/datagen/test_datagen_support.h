#pragma once
// Running the built data generator from the tests, in fresh temporary directories.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace datagen_test {

struct RunResult {
  int exitCode = -1;
  std::string output;  // stdout and stderr together
};

inline std::string DatagenProgram() { return std::string(VONTEL_BINARY_DIR) + "/bin/datagen"; }

inline RunResult RunDatagen(const std::string& arguments) {
  RunResult result;
  std::string command = DatagenProgram() + " " + arguments + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return result;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, n);
  int status = pclose(pipe);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

// A directory under /tmp that is removed again with the object.
struct TempDir {
  std::filesystem::path path;
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "datagen-test-XXXXXX").string();
    if (mkdtemp(pattern.data())) path = pattern;
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  std::string Sub(const std::string& name) const { return (path / name).string(); }
};

inline std::string ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream all;
  all << file.rdbuf();
  return all.str();
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << bytes;
}

// Generates a complete data directory named "data" inside `dir`; returns its path.
inline std::string Generate(const TempDir& dir, RunResult* run = nullptr) {
  std::string data = dir.Sub("data");
  RunResult r = RunDatagen(data);
  if (run) *run = r;
  return data;
}

// A test suite over one data set, generated once before the suite's first test.
class GeneratedDataTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir = new TempDir;
    RunResult r;
    data = Generate(*dir, &r);
    ASSERT_EQ(r.exitCode, 0) << r.output;
  }
  static void TearDownTestSuite() {
    delete dir;
    dir = nullptr;
  }
  static inline TempDir* dir = nullptr;
  static inline std::string data;
};

}  // namespace datagen_test

