#include "check_level_file.h"

#include <filesystem>
#include <stdexcept>

#include "level_io.h"

namespace {
constexpr size_t MaxLines = 62;
constexpr size_t MaxHeaderLines = 31;

std::string Quote(const std::string& s) { return "\"" + s + "\""; }

// Line lengths and count, on the bytes as stored.
void CheckLineShape(const std::string& path, std::vector<std::string>& problems) {
  std::string bytes;
  if (!ReadFileBytes(path, bytes)) return;
  size_t lines = 0, start = 0;
  for (size_t i = 0; i <= bytes.size(); ++i) {
    if (i == bytes.size() || bytes[i] == '\r') {
      if (i == bytes.size() && i == start) break;
      ++lines;
      if (i - start > LevelLineMax)
        problems.push_back("Line " + std::to_string(lines) + " of the level file " + path +
                           " is longer than 255 characters.");
      if (i < bytes.size() && (i + 1 >= bytes.size() || bytes[i + 1] != '\n'))
        problems.push_back("Line " + std::to_string(lines) + " of the level file " + path +
                           " does not end with CR LF.");
      if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
      start = i + 1;
    } else if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) {
      problems.push_back("Line " + std::to_string(lines + 1) + " of the level file " + path +
                         " ends with a bare LF instead of CR LF.");
      start = i + 1;
      ++lines;
    }
  }
  if (lines > MaxLines)
    problems.push_back("The level file " + path + " has " + std::to_string(lines) +
                       " lines; the game reads at most 62.");
}

bool NumberLine(LevelFileReader& f, const std::string& path, const char* what, int& value,
                std::vector<std::string>& problems) {
  std::string line = ReadPlainLine(f);
  if (ParseLevelNumber(line, value)) return true;
  problems.push_back("Line " + std::to_string(f.LineNumber) + " of the level file " + path +
                     " should hold " + what + " as a whole number, but it holds " + Quote(line) + ".");
  return false;
}
}  // namespace

bool CheckLevelFile(const std::string& path, const std::string& dataDir, LevelFileFields& fields,
                    std::vector<std::string>& problems, bool raced) {
  LevelFileReader f;
  try {
    OpenLevelFile(f, path);
  } catch (const std::exception& e) {
    problems.push_back(e.what());
    return false;
  }
  size_t before = problems.size();
  CheckLineShape(path, problems);
  fields = LevelFileFields();
  fields.Available = ReadPlainLine(f);
  fields.LevelName = ReadPlainLine(f);
  if (fields.Available == EndMarker || fields.LevelName == EndMarker) {
    problems.push_back("The level file " + path + " has \"#eop\" where its " +
                       (fields.Available == EndMarker ? "first line" : "title") + " should be.");
    return false;
  }
  for (;;) {
    if (AtEndOfLevelFile(f)) {
      problems.push_back("The level file " + path +
                         " has no \"#eop\" line closing its description; the game cannot read it.");
      return false;
    }
    std::string line = ReadPlainLine(f);
    if (line == EndMarker) break;
    fields.Description.push_back(line);
  }
  if ((size_t)f.LineNumber + 6 > MaxHeaderLines)
    problems.push_back("The level file " + path + " has a description of " +
                       std::to_string(fields.Description.size()) + " lines; at most 22 fit.");
  bool countOk = NumberLine(f, path, "the checkpoint count", fields.CheckpointCount, problems);
  if (countOk && fields.CheckpointCount < 1)
    problems.push_back("The level file " + path + " gives " + std::to_string(fields.CheckpointCount) +
                       " checkpoints; a race needs at least one.");
  bool targetOk = NumberLine(f, path, "the target time in seconds", fields.TargetTime, problems);
  if (raced && targetOk && fields.TargetTime <= 0)
    problems.push_back("The level file " + path + " has a target time of " +
                       std::to_string(fields.TargetTime) + " seconds, which nobody can beat.");
  fields.TerrainName = ReadPlainLine(f);
  fields.ReservedLine = ScrambleLine(ReadStoredLine(f));
  fields.MusicFile = ReadPlainLine(f);
  fields.Season = ReadPlainLine(f);
  if (fields.TerrainName.empty())
    problems.push_back("The level file " + path + " names no terrain files.");
  if (!raced) {
    // Nothing after the checkpoint count matters for the intro.
  } else if (fields.MusicFile.empty())
    problems.push_back("The level file " + path + " names no music file.");
  else if (!dataDir.empty() && !std::filesystem::exists(JoinPath(dataDir, fields.MusicFile)))
    problems.push_back("The level file " + path + " plays the music file " + fields.MusicFile +
                       ", which is missing.");
  if (fields.Season != "normal" && fields.Season != "winter")
    problems.push_back("The level file " + path + " has the season " + Quote(fields.Season) +
                       "; it must be \"normal\" or \"winter\".");
  // Best times: pairs of lines up to "#eop" or the end of the file.
  int previous = 0;
  for (;;) {
    std::string time = ReadPlainLine(f);
    if (time == EndMarker || AtEndOfLevelFile(f)) break;
    std::string name = ReadPlainLine(f);
    int seconds = 0;
    if (!ParseLevelNumber(time, seconds) || seconds <= 0) {
      problems.push_back("Line " + std::to_string(f.LineNumber - 1) + " of the level file " + path +
                         " should hold a best time in whole seconds, but it holds " + Quote(time) + ".");
      break;
    }
    if (seconds < previous)
      problems.push_back("The best times in the level file " + path + " are not in order.");
    previous = seconds;
    fields.BestTimes.push_back({seconds, name});
  }
  if (fields.BestTimes.size() > (size_t)BestTimesMax)
    problems.push_back("The level file " + path + " lists more than five best times.");
  return problems.size() == before || countOk;
}

LevelFileFields ReadAnyLevelFile(const std::string& path) {
  LevelFileFields fields;
  std::vector<std::string> problems;
  CheckLevelFile(path, "", fields, problems);
  if (!problems.empty()) throw std::runtime_error(problems.front());
  return fields;
}
