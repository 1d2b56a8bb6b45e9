#include "level_sim_dir.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
// Enters a directory where "data" is the data directory; leaves it again when destroyed.
struct DataDirectoryScope {
  fs::path previous = fs::current_path();
  fs::path temporary;

  explicit DataDirectoryScope(const std::string& dataDir) {
    fs::path dir = fs::absolute(dataDir).lexically_normal();
    if (dir.filename().empty()) dir = dir.parent_path();
    if (dir.filename() == "data") {
      fs::current_path(dir.parent_path());
      return;
    }
    std::string pattern = (fs::temp_directory_path() / "datagen-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a working directory in /tmp");
    temporary = pattern;
    fs::create_directory_symlink(dir, temporary / "data");
    fs::current_path(temporary);
  }
  ~DataDirectoryScope() {
    std::error_code ignored;
    fs::current_path(previous, ignored);
    if (!temporary.empty()) fs::remove_all(temporary, ignored);
  }
};
}  // namespace

RaceSimResult AutopilotRace(const std::string& dataDir, const std::string& terrainName,
                            bool recordTrack) {
  DataDirectoryScope scope(dataDir);
  RaceSimOptions options;
  options.UseAutopilot = true;
  options.RecordTrajectory = recordTrack;
  return SimulateRace(terrainName, options);
}
