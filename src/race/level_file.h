#pragma once
// Level files: scrambled text lines holding a level's title, description, checkpoint count,
// target time, terrain name, music, season, whether it is unlocked, and its best times.
//
// Reading rules: a line ends at CR; an LF right after that CR belongs to the line end, an LF
// anywhere else is text. The byte 0x1A ends the file. Reading past the end yields empty
// lines. A line longer than 255 characters is cut to its first 255. Writing uses CR LF.
#include <cstddef>
#include <string>
#include <vector>

// Every character is stored as its bitwise complement XORed with this key.
inline constexpr unsigned char ScrambleKey = 0xE0;
inline constexpr size_t LevelLineMax = 255;
inline constexpr int LevelNumberLimit = 999;  // level numbers run 1..998
inline constexpr const char* EndMarker = "#eop";
inline constexpr int BestTimesMax = 5;
// A level file holds a few kilobytes; anything beyond this is refused unread.
inline constexpr size_t LevelFileMaxBytes = 1 << 20;

// Scrambles a stored line or unscrambles a read one (the operation is its own inverse).
std::string ScrambleLine(const std::string& line);
unsigned char ScrambleChar(unsigned char c);

// False for the two characters whose scrambled form is CR or 0x1A: stored, they would end
// the line or the file for every later reader. With key 0xE0 these are 0x12 and 0x05.
bool StorableInLevelFile(unsigned char c);

// "data/level" + n + ".dcc".
std::string LevelFilePath(int n);

// The number of the ordinal-th existing level file (1 = first), or 0 when there is none.
int FindLevelFile(int ordinal);

// Whole seconds as "m:ss" (65 -> "1:05", 3725 -> "62:05").
std::string FormatTime(int seconds);

struct BestTimeEntry {
  int Seconds = 0;
  std::string PlayerName;
};

// An open level file, read whole into memory and then read line by line.
struct LevelFileReader {
  std::string Path;
  std::string Bytes;  // the file up to its first 0x1A
  size_t Pos = 0;
  int LineNumber = 0;  // lines read so far (the last line read has this number)
};

// Throws FileError when the file is missing or cannot be read.
void OpenLevelFile(LevelFileReader& file, const std::string& path);
bool AtEndOfLevelFile(const LevelFileReader& file);
// The next line as stored (not unscrambled), cut to 255 characters.
std::string ReadStoredLine(LevelFileReader& file);
// The next line, unscrambled.
std::string ReadPlainLine(LevelFileReader& file);
// The next line, unscrambled, as a decimal number; ConvertError names file and line.
int ReadNumberLine(LevelFileReader& file, const char* what);
// Converts a decimal number as a level-file line holds it; false when it is not one.
bool ParseLevelNumber(const std::string& text, int& value);

struct LevelHeader {
  bool Available = false;  // false: locked, and nothing after line 1 was read
  std::string LevelName;
  std::vector<std::string> Description;
  std::string CheckpointText;  // the checkpoint count line as read
  int CheckpointCount = 0;
  int TargetTime = 0;
  std::string TerrainName;
  std::string MusicFile;
  std::string Season;
};

// Reads from line 1 to the Season line; the file is then positioned at the best-times list.
LevelHeader ReadLevelHeader(LevelFileReader& file);
LevelHeader ReadLevelHeader(const std::string& path);

// Reads the best-times list from the current position (at most five entries are kept).
// `firstLine`, when given, receives the list's first line as read ("#eop" for an empty list).
std::vector<BestTimeEntry> ReadBestTimes(LevelFileReader& file, std::string* firstLine = nullptr);

// The result screen's and the best-times writer's way to the list: line 1 unread, the
// "#eop" search from line 2, then the six fixed lines. Returns every line read as stored.
std::vector<std::string> SkipToBestTimes(LevelFileReader& file);

// Opens the file, skips to the list and reads it.
std::vector<BestTimeEntry> ReadLevelBestTimes(const std::string& path);

// The race's reader: the first "#eop" from line 1, then the checkpoint count after it.
int ReadCheckpointCount(const std::string& path);

// Rewrites level file n with line 1 = "1"; every other line stays as stored.
void UnlockLevel(int n);

// Rewrites the file's best-times list with the entries (Seconds 0 skipped, at most five),
// closed by "#eop". Both rewrites go to a new file renamed over the old, so a failure
// leaves the old file whole. Throw FileError / ConvertError.
void WriteBestTimes(const std::string& path, const std::vector<BestTimeEntry>& entries);

// Every field of a level file in plain text, for the data generator and the tests.
struct LevelFileFields {
  std::string Available = "1";
  std::string LevelName;
  std::vector<std::string> Description;
  int CheckpointCount = 0;
  int TargetTime = 0;
  std::string TerrainName;
  std::string ReservedLine;  // stored scrambled like the others; no reader unscrambles it
  std::string MusicFile;
  std::string Season = "normal";
  std::vector<BestTimeEntry> BestTimes;
};

// The complete bytes of a level file: every line scrambled and ended with CR LF, the list
// closed by "#eop".
std::string BuildLevelFile(const LevelFileFields& fields);
// One stored line with its CR LF (the line scrambled first when `scramble`).
std::string StoredLine(const std::string& text, bool scramble = true);
