#include <string>
#include <vector>

#include "check_data.h"
#include "level_io.h"
#include "race/level_file.h"

namespace {
bool WholeNumber(const std::string& s, int& value) { return ParseLevelNumber(s, value); }
}  // namespace

void CheckConfigFile(const std::string& dir, std::vector<std::string>& problems) {
  std::string path = JoinPath(dir, "vontel.cfg"), bytes;
  if (!ReadFileBytes(path, bytes)) {
    problems.push_back("The configuration file " + path + " is missing.");
    return;
  }
  std::vector<std::string> lines;
  size_t start = 0;
  bool crlf = true;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\n') continue;
    if (i == 0 || bytes[i - 1] != '\r') crlf = false;
    size_t end = (i > start && bytes[i - 1] == '\r') ? i - 1 : i;
    lines.push_back(bytes.substr(start, end - start));
    start = i + 1;
  }
  if (start < bytes.size()) {
    lines.push_back(bytes.substr(start));
    crlf = false;
  }
  if (!crlf) problems.push_back("The configuration file " + path + " has lines that do not end with CR LF.");
  if (lines.size() != 6) {
    problems.push_back("The configuration file " + path + " has " + std::to_string(lines.size()) +
                       " lines; it must have six.");
    if (lines.size() < 6) return;
  }
  if (lines[1].size() != 1 || lines[1][0] < '0' || lines[1][0] > '3')
    problems.push_back("Line 2 of the configuration file " + path +
                       " must be one digit 0 to 3 (0 runs the setup at the first start).");
  const char* names[] = {"the particle count", "the music volume", "the effects volume"};
  const int limits[] = {300, 255, 255};
  for (int k = 0; k < 3; ++k) {
    int value = 0;
    if (!WholeNumber(lines[2 + k], value) || value < 0 || value > limits[k])
      problems.push_back("Line " + std::to_string(3 + k) + " of the configuration file " + path +
                         " should hold " + names[k] + " from 0 to " + std::to_string(limits[k]) +
                         ", but it holds \"" + lines[2 + k] + "\".");
  }
  if (lines[5] != "0" && lines[5] != "1")
    problems.push_back("Line 6 of the configuration file " + path + " must be 0 (music on) or 1 (music off).");
}
