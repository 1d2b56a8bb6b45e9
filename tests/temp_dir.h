#pragma once
// A fresh temporary working directory with an empty data/ folder, for tests that read and
// write the game's files. The previous working directory comes back at the end.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

struct TempDir {
  std::string path;
  std::string previous;
  TempDir() {
    char pattern[] = "/tmp/vontel-test-XXXXXX";
    path = mkdtemp(pattern);
    previous = std::filesystem::current_path();
    std::filesystem::create_directories(path + "/data");
    std::filesystem::current_path(path);
  }
  ~TempDir() {
    std::filesystem::current_path(previous);
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
};
