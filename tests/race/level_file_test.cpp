#include <gtest/gtest.h>

#include "race/level_file.h"
#include "race_test_support.h"
#include "shell/atomic_file.h"
#include "shell/errors.h"

// A level as the generator would write it, with the given description and list.
static LevelFileFields SampleLevel(std::vector<std::string> description,
                                   std::vector<BestTimeEntry> best) {
  LevelFileFields f;
  f.LevelName = "Green Valley";
  f.Description = description;
  f.CheckpointCount = 7;
  f.TargetTime = 95;
  f.TerrainName = "level3";
  f.ReservedLine = "reserved";
  f.MusicFile = "race2.xm";
  f.Season = "winter";
  f.BestTimes = best;
  return f;
}

static std::string Replace(std::string s, const std::string& from, const std::string& to) {
  for (size_t at = 0; (at = s.find(from, at)) != std::string::npos; at += to.size())
    s.replace(at, from.size(), to);
  return s;
}

TEST(ScrambleLine, TwiceGivesTheLineBack) {
  std::string everyByte;
  for (int c = 0; c < 256; c++) everyByte += (char)c;
  for (const std::string& line : {std::string(), std::string("1"), std::string("#eop"),
                                  std::string(255, 'z'), everyByte}) {
    std::string once = ScrambleLine(line);
    EXPECT_EQ(once.size(), line.size());
    EXPECT_EQ(ScrambleLine(once), line);
  }
  EXPECT_NE(ScrambleLine("#eop"), "#eop");
}

TEST(ScrambleLine, ExactlyTwoCharactersCannotBeStored) {
  std::vector<int> refused;
  for (int c = 0; c < 256; c++)
    if (!StorableInLevelFile((unsigned char)c)) refused.push_back(c);
  ASSERT_EQ(refused.size(), 2u);
  std::string stored = ScrambleLine(std::string{(char)refused[0], (char)refused[1]});
  EXPECT_NE(stored.find('\r'), std::string::npos);
  EXPECT_NE(stored.find('\x1a'), std::string::npos);
  // Nothing a player types on a keyboard is refused.
  for (int c = 0x20; c < 256; c++) EXPECT_TRUE(StorableInLevelFile((unsigned char)c)) << c;
}

TEST(LevelFileReading, LineEndsEndOfFileAndLongLines) {
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
  } cases[] = {
      {"CR LF", "ab\r\ncd\r\n", {"ab", "cd"}},
      {"lone CR", "ab\rcd\r", {"ab", "cd"}},
      {"no final line end", "ab\r\ncd", {"ab", "cd"}},
      {"LF inside a line is text", "a\nb\r\nc", {"a\nb", "c"}},
      {"only one LF belongs to the CR", "ab\r\n\ncd", {"ab", "\ncd"}},
      {"empty line between", "ab\r\r\ncd", {"ab", "", "cd"}},
      {"0x1A ends the file", std::string("ab\r\n\x1a" "cd\r\n"), {"ab"}},
      {"0x1A inside a line", std::string("ab\x1a" "cd"), {"ab"}},
      {"empty file", "", {}},
      {"long line cut", std::string(300, 'x') + "\r\ny", {std::string(255, 'x'), "y"}},
  };
  TempDataDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes("data/t.dcc", c.bytes);
    LevelFileReader file;
    OpenLevelFile(file, "data/t.dcc");
    for (const std::string& line : c.lines) {
      EXPECT_FALSE(AtEndOfLevelFile(file));
      EXPECT_EQ(ReadStoredLine(file), line);
    }
    EXPECT_TRUE(AtEndOfLevelFile(file));
    EXPECT_EQ(ReadStoredLine(file), "");  // a read past the end yields an empty line
    EXPECT_EQ(ReadStoredLine(file), "");
  }
}

TEST(LevelFileReading, HeaderAndListWithEitherLineEnd) {
  TempDataDir dir;
  LevelFileFields level = SampleLevel({"A river", "with rocks"}, {{50, "Ann"}, {70, "Bob"}});
  for (const char* lineEnd : {"\r\n", "\r"}) {
    SCOPED_TRACE(lineEnd[1] ? "CR LF" : "CR");
    WriteBytes("data/level3.dcc", Replace(BuildLevelFile(level), "\r\n", lineEnd));
    LevelFileReader file;
    OpenLevelFile(file, "data/level3.dcc");
    LevelHeader h = ReadLevelHeader(file);
    EXPECT_TRUE(h.Available);
    EXPECT_EQ(h.LevelName, "Green Valley");
    EXPECT_EQ(h.Description, (std::vector<std::string>{"A river", "with rocks"}));
    EXPECT_EQ(h.CheckpointCount, 7);
    EXPECT_EQ(h.CheckpointText, "7");
    EXPECT_EQ(h.TargetTime, 95);
    EXPECT_EQ(h.TerrainName, "level3");
    EXPECT_EQ(h.MusicFile, "race2.xm");
    EXPECT_EQ(h.Season, "winter");
    std::string first;
    std::vector<BestTimeEntry> best = ReadBestTimes(file, &first);
    EXPECT_EQ(first, "50");
    ASSERT_EQ(best.size(), 2u);
    EXPECT_EQ(best[1].Seconds, 70);
    EXPECT_EQ(best[1].PlayerName, "Bob");
  }
}

TEST(LevelFileReading, EmptyDescriptionAndLockedLevel) {
  TempDataDir dir;
  WriteBytes("data/a.dcc", BuildLevelFile(SampleLevel({}, {})));
  LevelFileReader file;
  OpenLevelFile(file, "data/a.dcc");
  ReadStoredLine(file);
  ReadStoredLine(file);
  EXPECT_EQ(ReadPlainLine(file), "#eop");  // line 3
  LevelHeader h = ReadLevelHeader("data/a.dcc");
  EXPECT_TRUE(h.Description.empty());
  EXPECT_EQ(h.Season, "winter");

  LevelFileFields locked = SampleLevel({"x"}, {});
  for (const char* available : {"0", "", "1 ", "yes"}) {
    locked.Available = available;
    WriteBytes("data/a.dcc", BuildLevelFile(locked));
    OpenLevelFile(file, "data/a.dcc");
    h = ReadLevelHeader(file);
    EXPECT_FALSE(h.Available) << available;
    EXPECT_EQ(file.LineNumber, 1);  // nothing after line 1 was read
    EXPECT_TRUE(h.LevelName.empty());
  }
}

TEST(LevelFileReading, BestTimesLists) {
  std::string header = BuildLevelFile(SampleLevel({"d"}, {}));
  header.resize(header.size() - 6);  // without the closing "#eop" line
  auto entry = [](int seconds, const char* name) {
    return StoredLine(std::to_string(seconds)) + StoredLine(name);
  };
  std::string seven;
  for (int i = 1; i <= 7; i++) seven += entry(10 * i, "p");
  struct Case {
    const char* name;
    std::string list;
    std::vector<int> seconds;
  } cases[] = {
      {"empty list", StoredLine("#eop"), {}},
      {"empty list at the end of the file", "", {}},
      {"closed by #eop", entry(50, "Ann") + entry(70, "Bob") + StoredLine("#eop"), {50, 70}},
      {"ends at the end of the file", entry(50, "Ann") + entry(70, "Bob"), {50, 70}},
      {"time line last in the file is dropped", entry(50, "Ann") + StoredLine("60"), {50}},
      {"more than five entries", seven, {10, 20, 30, 40, 50}},
      {"0x1A ends the list", entry(50, "Ann") + "\x1a" + entry(70, "Bob"), {50}},
  };
  TempDataDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes("data/b.dcc", header + c.list);
    std::vector<BestTimeEntry> best = ReadLevelBestTimes("data/b.dcc");
    std::vector<int> seconds;
    for (auto& e : best) seconds.push_back(e.Seconds);
    EXPECT_EQ(seconds, c.seconds);
    LevelFileReader file;
    OpenLevelFile(file, "data/b.dcc");
    ReadLevelHeader(file);
    EXPECT_EQ(ReadBestTimes(file).size(), c.seconds.size());
  }
}

TEST(LevelFileReading, BadNumbersNameTheFileAndLine) {
  TempDataDir dir;
  LevelFileFields level = SampleLevel({"one", "two"}, {});
  std::string bytes = BuildLevelFile(level);
  // Line 7 holds the target time: lines 1 and 2, two description lines, "#eop", count.
  std::string bad = Replace(bytes, StoredLine("95"), StoredLine("9x5"));
  WriteBytes("data/level3.dcc", bad);
  try {
    ReadLevelHeader("data/level3.dcc");
    FAIL() << "no error";
  } catch (const ConvertError& e) {
    EXPECT_NE(std::string(e.what()).find("Line 7 of the level file data/level3.dcc"),
              std::string::npos)
        << e.what();
  }
  std::string open = bytes.substr(0, bytes.size() - StoredLine("#eop").size());
  WriteBytes("data/level3.dcc", open + StoredLine("fast") + StoredLine("Ann"));
  EXPECT_THROW(ReadLevelBestTimes("data/level3.dcc"), ConvertError);
  EXPECT_THROW(ReadLevelHeader("data/missing.dcc"), FileError);
  WriteBytes("data/huge.dcc", bytes + std::string(LevelFileMaxBytes, 'x'));
  EXPECT_THROW(ReadLevelHeader("data/huge.dcc"), FileError);
  // A file that ends early by its 0x1A reads as usual, whatever follows.
  WriteBytes("data/huge.dcc", bytes + "\x1a" + std::string(LevelFileMaxBytes, 'x'));
  EXPECT_EQ(ReadLevelHeader("data/huge.dcc").TargetTime, 95);
}

TEST(LevelFileReading, NumbersAsTheLinesHoldThem) {
  struct Case {
    const char* text;
    bool ok;
    int value;
  } cases[] = {{"0", true, 0},       {"42", true, 42},   {"-3", true, -3},
               {"+7", true, 7},      {" 12", true, 12},  {"", false, 0},
               {"1.5", false, 0},    {"12a", false, 0},  {"-", false, 0},
               {"2147483647", true, 2147483647},         {"2147483648", false, 0},
               {"99999999999999999999", false, 0}};
  for (const Case& c : cases) {
    int value = -99;
    EXPECT_EQ(ParseLevelNumber(c.text, value), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(value, c.value) << c.text;
    }
  }
}

TEST(LevelFileReading, MissingEndMarkerIsAClearError) {
  TempDataDir dir;
  std::string noMarker = StoredLine("1") + StoredLine("Name") + StoredLine("desc") +
                         StoredLine("5") + StoredLine("60");
  WriteBytes("data/level1.dcc", noMarker);
  EXPECT_THROW(ReadLevelHeader("data/level1.dcc"), FileError);
  EXPECT_THROW(ReadCheckpointCount("data/level1.dcc"), FileError);
  EXPECT_THROW(ReadLevelBestTimes("data/level1.dcc"), FileError);
  try {
    WriteBestTimes("data/level1.dcc", {{40, "Ann"}});
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find("data/level1.dcc"), std::string::npos);
    EXPECT_NE(std::string(e.what()).find("#eop"), std::string::npos);
  }
  EXPECT_EQ(ReadBytes("data/level1.dcc"), noMarker);
}

TEST(LevelFileReading, TheRaceTakesTheCountAfterTheFirstMarker) {
  TempDataDir dir;
  WriteBytes("data/level2.dcc", BuildLevelFile(SampleLevel({"a", "b", "c"}, {{30, "x"}})));
  EXPECT_EQ(ReadCheckpointCount("data/level2.dcc"), 7);
  WriteBytes("data/cut.dcc", StoredLine("1") + StoredLine("n") + StoredLine("#eop"));
  EXPECT_THROW(ReadCheckpointCount("data/cut.dcc"), ConvertError);  // empty count line
}

TEST(FindLevelFile, CountsOnlyExistingFiles) {
  TempDataDir dir;
  for (int n : {1, 2, 5, 999}) WriteBytes(LevelFilePath(n), "x");
  EXPECT_EQ(LevelFilePath(5), "data/level5.dcc");
  struct Case {
    int ordinal, number;
  } cases[] = {{-1, 0}, {0, 0}, {1, 1}, {2, 2}, {3, 5}, {4, 0}};
  for (const Case& c : cases) EXPECT_EQ(FindLevelFile(c.ordinal), c.number) << c.ordinal;
}

TEST(FormatTime, MinutesAndTwoDigitSeconds) {
  struct Case {
    int seconds;
    const char* text;
  } cases[] = {{0, "0:00"}, {9, "0:09"}, {60, "1:00"}, {65, "1:05"}, {600, "10:00"},
               {3725, "62:05"}};
  for (const Case& c : cases) EXPECT_EQ(FormatTime(c.seconds), c.text);
}

TEST(UnlockLevel, ChangesOnlyLineOne) {
  TempDataDir dir;
  LevelFileFields level = SampleLevel({"first", "second"}, {{40, "Ann"}, {55, "Bo b"}});
  level.Available = "0";
  std::string bytes = BuildLevelFile(level);
  // A reserved line as stored by someone else: raw bytes, never unscrambled.
  bytes = Replace(bytes, StoredLine("reserved"), std::string("\x01\xff\n raw\r\n"));
  WriteBytes(LevelFilePath(4), bytes);
  UnlockLevel(4);
  std::string after = ReadBytes(LevelFilePath(4));
  size_t firstEnd = bytes.find("\r\n") + 2;
  EXPECT_EQ(after, StoredLine("1") + bytes.substr(firstEnd));
  EXPECT_TRUE(ReadLevelHeader(LevelFilePath(4)).Available);
  EXPECT_EQ(ReadLevelBestTimes(LevelFilePath(4)).size(), 2u);
  EXPECT_FALSE(FileExists(LevelFilePath(4) + ".new"));
}

TEST(UnlockLevel, NormalisesLineEnds) {
  TempDataDir dir;
  LevelFileFields level = SampleLevel({"d"}, {{20, "x"}});
  level.Available = "0";
  std::string bytes = BuildLevelFile(level);
  WriteBytes(LevelFilePath(2), Replace(bytes, "\r\n", "\r"));
  UnlockLevel(2);
  EXPECT_EQ(ReadBytes(LevelFilePath(2)), StoredLine("1") + bytes.substr(bytes.find("\r\n") + 2));
  EXPECT_THROW(UnlockLevel(3), FileError);
}

TEST(WriteBestTimes, ReplacesTheWholeList) {
  TempDataDir dir;
  std::vector<BestTimeEntry> five = {{10, "a"}, {20, "b"}, {30, "c"}, {40, "d"}, {50, "e"}};
  LevelFileFields level = SampleLevel({"x", "y"}, five);
  WriteBytes("data/level1.dcc", BuildLevelFile(level));
  WriteBestTimes("data/level1.dcc", {{12, "New One"}, {0, ""}, {33, "c"}, {45, ""}});
  level.BestTimes = {{12, "New One"}, {33, "c"}, {45, ""}};
  std::string expected = BuildLevelFile(level);
  EXPECT_EQ(ReadBytes("data/level1.dcc"), expected);
  size_t lines = 0;
  for (char c : expected) lines += c == '\n';
  EXPECT_EQ(lines, 2u + 2 + 1 + 6 + 6 + 1);  // header, three entries, "#eop"

  // More than five entries keep the first five; unstorable characters are left out.
  std::vector<BestTimeEntry> six = five;
  six.insert(six.begin(), BestTimeEntry{5, std::string("Z\x12o\x05\xe9")});
  WriteBestTimes("data/level1.dcc", six);
  std::vector<BestTimeEntry> back = ReadLevelBestTimes("data/level1.dcc");
  ASSERT_EQ(back.size(), 5u);
  EXPECT_EQ(back[0].PlayerName, "Zo\xe9");
  EXPECT_EQ(back[4].Seconds, 40);
}

TEST(WriteBestTimes, KeepsTheStoredHeaderByteForByte) {
  TempDataDir dir;
  std::string bytes = BuildLevelFile(SampleLevel({"d"}, {{10, "a"}}));
  bytes = Replace(bytes, StoredLine("reserved"), "\x01\x02 raw\r\n");
  WriteBytes("data/level1.dcc", bytes);
  WriteBestTimes("data/level1.dcc", {});
  std::string after = ReadBytes("data/level1.dcc");
  std::string headerPart = bytes.substr(0, bytes.find(StoredLine("10")));
  EXPECT_EQ(after, headerPart + StoredLine("#eop"));
}

TEST(Rewrites, AFailureHalfWayLeavesTheOldFileWhole) {
  TempDataDir dir;
  LevelFileFields level = SampleLevel({"d"}, {{10, "a"}});
  level.Available = "0";
  std::string bytes = BuildLevelFile(level);
  WriteBytes(LevelFilePath(1), bytes);
  AtomicWriteFailAfterBytes = 10;
  EXPECT_THROW(WriteBestTimes(LevelFilePath(1), {{5, "b"}, {10, "a"}}), FileError);
  EXPECT_THROW(UnlockLevel(1), FileError);
  AtomicWriteFailAfterBytes = -1;
  EXPECT_EQ(ReadBytes(LevelFilePath(1)), bytes);
  EXPECT_FALSE(FileExists(LevelFilePath(1) + ".new"));
}
