#include "race/level_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "shell/atomic_file.h"
#include "shell/errors.h"

static const char CR = '\r';
static const char LF = '\n';
static const char EndOfFileByte = 0x1A;

unsigned char ScrambleChar(unsigned char c) { return (unsigned char)(~c ^ ScrambleKey); }

std::string ScrambleLine(const std::string& line) {
  std::string out = line;
  for (char& c : out) c = (char)ScrambleChar((unsigned char)c);
  return out;
}

bool StorableInLevelFile(unsigned char c) {
  unsigned char stored = ScrambleChar(c);
  return stored != (unsigned char)CR && stored != (unsigned char)EndOfFileByte;
}

std::string LevelFilePath(int n) { return "data/level" + std::to_string(n) + ".dcc"; }

int FindLevelFile(int ordinal) {
  if (ordinal <= 0) return 0;
  int found = 0;
  for (int n = 1; n < LevelNumberLimit; n++) {
    FILE* f = std::fopen(LevelFilePath(n).c_str(), "rb");
    if (!f) continue;
    std::fclose(f);
    if (++found == ordinal) return n;
  }
  return 0;
}

std::string FormatTime(int seconds) {
  if (seconds < 0) return std::string(1, '-').append(FormatTime(-seconds));
  int rest = seconds % 60;
  std::string text = std::to_string(seconds / 60);
  text += rest < 10 ? ":0" : ":";
  text += std::to_string(rest);
  return text;
}

void OpenLevelFile(LevelFileReader& file, const std::string& path) {
  file = LevelFileReader();
  file.Path = path;
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f)
    throw FileError("Could not open the level file " + path + " (" + std::strerror(errno) + ").");
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0 &&
         file.Bytes.size() <= LevelFileMaxBytes)
    file.Bytes.append(buffer, n);
  bool failed = std::ferror(f) != 0;
  if (std::fclose(f) != 0 || failed)
    throw FileError("Could not read the level file " + path + ".");
  if (file.Bytes.size() > LevelFileMaxBytes && file.Bytes.find(EndOfFileByte) > LevelFileMaxBytes)
    throw FileError("The level file " + path + " is far too large to be a level file.");
  size_t end = file.Bytes.find(EndOfFileByte);
  if (end != std::string::npos) file.Bytes.resize(end);
}

bool AtEndOfLevelFile(const LevelFileReader& file) { return file.Pos >= file.Bytes.size(); }

std::string ReadStoredLine(LevelFileReader& file) {
  file.LineNumber++;
  if (AtEndOfLevelFile(file)) return std::string();
  size_t start = file.Pos;
  size_t cr = file.Bytes.find(CR, start);
  if (cr == std::string::npos) cr = file.Bytes.size();
  file.Pos = cr + 1;
  if (file.Pos < file.Bytes.size() && file.Bytes[file.Pos] == LF) file.Pos++;
  return file.Bytes.substr(start, std::min(cr - start, LevelLineMax));
}

std::string ReadPlainLine(LevelFileReader& file) { return ScrambleLine(ReadStoredLine(file)); }

bool ParseLevelNumber(const std::string& text, int& value) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') i++;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long long v = 0;
  size_t digits = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; i++, digits++) {
    v = v * 10 + (text[i] - '0');
    if (v > 2147483648LL) return false;
  }
  while (i < text.size() && text[i] == ' ') i++;
  if (digits == 0 || i != text.size()) return false;
  if (negative) v = -v;
  if (v > 2147483647LL) return false;
  value = (int)v;
  return true;
}

// A line's text for an error message, when it is plain enough to show.
static std::string Quoted(const std::string& text) {
  if (text.empty()) return " is empty";
  if (text.size() > 40) return " holds something else";
  for (unsigned char c : text)
    if (c < 0x20 || c > 0x7E) return " holds something else";
  return " reads \"" + text + "\"";
}

int ReadNumberLine(LevelFileReader& file, const char* what) {
  std::string line = ReadPlainLine(file);
  int value = 0;
  if (!ParseLevelNumber(line, value))
    throw ConvertError("Line " + std::to_string(file.LineNumber) + " of the level file " +
                       file.Path + " should hold " + what + " as a whole number, but it" +
                       Quoted(line) + ".");
  return value;
}

// Reads lines until one unscrambles to "#eop", starting with `candidate` (already read and
// unscrambled). A file without the marker is damaged; its end stops the search.
static void NoEndMarker(const LevelFileReader& file) {
  throw FileError("The level file " + file.Path +
                  " has no \"#eop\" line closing its description; the file is damaged.");
}

static void SearchEndMarker(LevelFileReader& file, std::string candidate,
                            std::vector<std::string>* stored) {
  while (candidate != EndMarker) {
    if (AtEndOfLevelFile(file)) NoEndMarker(file);
    std::string line = ReadStoredLine(file);
    if (stored) stored->push_back(line);
    candidate = ScrambleLine(line);
  }
}

// A level file must hold all six fixed lines after the description.
static void RequireFixedLine(const LevelFileReader& file) {
  if (AtEndOfLevelFile(file))
    throw FileError("The level file " + file.Path +
                    " ends before its season line; the file is incomplete.");
}

LevelHeader ReadLevelHeader(LevelFileReader& file) {
  LevelHeader header;
  if (ReadPlainLine(file) != "1") return header;
  header.Available = true;
  RequireFixedLine(file);
  header.LevelName = ReadPlainLine(file);
  for (;;) {
    if (AtEndOfLevelFile(file)) NoEndMarker(file);
    std::string line = ReadPlainLine(file);
    if (line == EndMarker) break;
    header.Description.push_back(line);
  }
  RequireFixedLine(file);
  size_t countStart = file.Pos;
  int countLine = file.LineNumber;
  header.CheckpointText = ReadPlainLine(file);
  file.Pos = countStart;
  file.LineNumber = countLine;
  header.CheckpointCount = ReadNumberLine(file, "the checkpoint count");
  RequireFixedLine(file);
  header.TargetTime = ReadNumberLine(file, "the target time in seconds");
  RequireFixedLine(file);
  header.TerrainName = ReadPlainLine(file);
  RequireFixedLine(file);
  ReadStoredLine(file);  // reserved line
  RequireFixedLine(file);
  header.MusicFile = ReadPlainLine(file);
  RequireFixedLine(file);
  header.Season = ReadPlainLine(file);
  return header;
}

LevelHeader ReadLevelHeader(const std::string& path) {
  LevelFileReader file;
  OpenLevelFile(file, path);
  return ReadLevelHeader(file);
}

std::vector<BestTimeEntry> ReadBestTimes(LevelFileReader& file, std::string* firstLine) {
  std::vector<BestTimeEntry> entries;
  for (bool first = true; (int)entries.size() < BestTimesMax; first = false) {
    size_t timeStart = file.Pos;
    int timeLine = file.LineNumber;
    std::string line = ReadPlainLine(file);
    if (first && firstLine) *firstLine = line;
    if (line == EndMarker || AtEndOfLevelFile(file)) break;
    file.Pos = timeStart;  // read it again as a number, so an error names its line
    file.LineNumber = timeLine;
    BestTimeEntry entry;
    entry.Seconds = ReadNumberLine(file, "a best time in seconds");
    entry.PlayerName = ReadPlainLine(file);
    entries.push_back(entry);
  }
  return entries;
}

std::vector<std::string> SkipToBestTimes(LevelFileReader& file) {
  std::vector<std::string> stored;
  stored.push_back(ReadStoredLine(file));
  RequireFixedLine(file);
  std::string line = ReadStoredLine(file);
  stored.push_back(line);
  SearchEndMarker(file, ScrambleLine(line), &stored);
  for (int i = 0; i < 6; i++) {
    RequireFixedLine(file);
    stored.push_back(ReadStoredLine(file));
  }
  return stored;
}

std::vector<BestTimeEntry> ReadLevelBestTimes(const std::string& path) {
  LevelFileReader file;
  OpenLevelFile(file, path);
  SkipToBestTimes(file);
  return ReadBestTimes(file);
}

int ReadCheckpointCount(const std::string& path) {
  LevelFileReader file;
  OpenLevelFile(file, path);
  SearchEndMarker(file, ReadPlainLine(file), nullptr);
  return ReadNumberLine(file, "the checkpoint count");
}

std::string StoredLine(const std::string& text, bool scramble) {
  std::string line = text.substr(0, std::min(text.size(), LevelLineMax));
  if (scramble) {
    for (unsigned char c : line)
      if (!StorableInLevelFile(c))
        throw std::invalid_argument("a level file line may not hold the character " +
                                    std::to_string(c));
    line = ScrambleLine(line);
  }
  return line + "\r\n";
}

void UnlockLevel(int n) {
  std::string path = LevelFilePath(n);
  LevelFileReader file;
  OpenLevelFile(file, path);
  std::vector<std::string> lines;
  while (!AtEndOfLevelFile(file)) lines.push_back(ReadStoredLine(file));
  std::string out = StoredLine("1");
  for (size_t i = 1; i < lines.size(); i++) out += StoredLine(lines[i], false);
  WriteFileAtomically(path, out);
}

// A name as the file can hold it: the two unstorable characters are left out.
static std::string StorableName(const std::string& name) {
  std::string out;
  for (unsigned char c : name)
    if (StorableInLevelFile(c)) out += (char)c;
  return out;
}

void WriteBestTimes(const std::string& path, const std::vector<BestTimeEntry>& entries) {
  LevelFileReader file;
  OpenLevelFile(file, path);
  std::string out;
  for (const std::string& line : SkipToBestTimes(file)) out += StoredLine(line, false);
  int written = 0;
  for (const BestTimeEntry& entry : entries) {
    if (entry.Seconds == 0) continue;
    if (written++ == BestTimesMax) break;
    out += StoredLine(std::to_string(entry.Seconds));
    out += StoredLine(StorableName(entry.PlayerName));
  }
  out += StoredLine(EndMarker);
  WriteFileAtomically(path, out);
}

std::string BuildLevelFile(const LevelFileFields& fields) {
  std::string out = StoredLine(fields.Available) + StoredLine(fields.LevelName);
  for (const std::string& line : fields.Description) out += StoredLine(line);
  out += StoredLine(EndMarker);
  out += StoredLine(std::to_string(fields.CheckpointCount));
  out += StoredLine(std::to_string(fields.TargetTime));
  out += StoredLine(fields.TerrainName);
  out += StoredLine(fields.ReservedLine);
  out += StoredLine(fields.MusicFile);
  out += StoredLine(fields.Season);
  for (const BestTimeEntry& entry : fields.BestTimes) {
    if (entry.Seconds == 0) continue;
    out += StoredLine(std::to_string(entry.Seconds));
    out += StoredLine(entry.PlayerName);
  }
  out += StoredLine(EndMarker);
  return out;
}
