#include "shell/config.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

#include "shell/atomic_file.h"
#include "shell/errors.h"

std::vector<std::string> ReadConfigLines(int count, const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file)
    throw FileError("Cannot open the configuration file " + path + ": " +
                    std::strerror(errno) + ".");
  std::vector<std::string> lines;
  std::string line;
  bool atEnd = false;
  while ((int)lines.size() < count && !atEnd) {
    line.clear();
    for (;;) {
      int c = std::fgetc(file);
      if (c == EOF) {
        atEnd = true;
        break;
      }
      if (c == '\n') break;
      if (c == '\r') {
        // CR LF is one line end; a lone CR ends the line too.
        int next = std::fgetc(file);
        if (next != '\n' && next != EOF) std::ungetc(next, file);
        break;
      }
      if (line.size() < ConfigMaxLineLength) line.push_back((char)c);
    }
    if (atEnd && line.empty()) break;
    lines.push_back(line);
  }
  bool failed = std::ferror(file) != 0;
  int err = errno;
  std::fclose(file);
  if (failed)
    throw FileError("Cannot read the configuration file " + path + ": " + std::strerror(err) +
                    ".");
  lines.resize(count);  // lines past the end of the file are empty
  return lines;
}

int ConfigInteger(const std::string& line, int lineNumber, const std::string& path) {
  auto fail = [&]() -> int {
    throw ConvertError("Line " + std::to_string(lineNumber) + " of " + path + " should be " +
                       "a whole number, but it reads \"" + line + "\".");
  };
  size_t i = 0;
  bool negative = false;
  if (i < line.size() && (line[i] == '-' || line[i] == '+')) negative = line[i++] == '-';
  if (i == line.size()) return fail();
  long long value = 0;
  for (; i < line.size(); i++) {
    if (line[i] < '0' || line[i] > '9') return fail();
    value = value * 10 + (line[i] - '0');
    if (value > (long long)INT_MAX + 1) return fail();
  }
  if (negative) value = -value;
  if (value > INT_MAX || value < INT_MIN) return fail();
  return (int)value;
}

void WriteConfigFile(const std::array<std::string, ConfigLineCount>& lines,
                     const std::string& path) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  WriteFileAtomically(path, bytes);
}
