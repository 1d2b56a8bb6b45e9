// The configuration file: what each reader gets from a table of files, the writer's
// round trip and its failure behaviour.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "shell/atomic_file.h"
#include "shell/config.h"
#include "shell/errors.h"
#include "temp_dir.h"

static std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

static void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

struct ReadCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;  // the six lines a reader gets
};

TEST(Config, ReadersGetTheLinesAsWritten) {
  const std::string h = ConfigHeader;
  const std::string longLine(300, '7');
  const std::vector<ReadCase> cases = {
      {"valid", h + "\r\n2\r\n100\r\n170\r\n170\r\n0\r\n", {h, "2", "100", "170", "170", "0"}},
      {"setup pending", h + "\r\n0\r\n100\r\n170\r\n170\r\n0\r\n",
       {h, "0", "100", "170", "170", "0"}},
      {"trailing blank kept", h + "\r\n0 \r\n1\r\n2\r\n3\r\n1\r\n", {h, "0 ", "1", "2", "3", "1"}},
      {"empty detail line", h + "\r\n\r\n1\r\n2\r\n3\r\n1\r\n", {h, "", "1", "2", "3", "1"}},
      {"missing lines are empty", h + "\r\n3\r\n", {h, "3", "", "", "", ""}},
      {"no final line end", h + "\r\n1\r\n5\r\n6\r\n7\r\n1", {h, "1", "5", "6", "7", "1"}},
      {"LF-only line ends", h + "\n2\n100\n170\n170\n0\n", {h, "2", "100", "170", "170", "0"}},
      {"300-character line cut to 255", h + "\r\n" + longLine + "\r\n9\r\n",
       {h, std::string(255, '7'), "9", "", "", ""}},
      {"empty file", "", {"", "", "", "", "", ""}},
  };
  TempDir dir;
  for (const ReadCase& c : cases) {
    WriteBytes("data/vontel.cfg", c.bytes);
    EXPECT_EQ(ReadConfigLines(6), c.lines) << c.name;
    // A reader that needs fewer lines gets the same first lines.
    EXPECT_EQ(ReadConfigLines(2), std::vector<std::string>(c.lines.begin(), c.lines.begin() + 2))
        << c.name;
  }
}

TEST(Config, MissingFileNamesTheFile) {
  TempDir dir;
  try {
    ReadConfigLines(2);
    FAIL() << "expected a file error";
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find("data/vontel.cfg"), std::string::npos) << e.what();
  }
}

TEST(Config, NumberLines) {
  struct Case {
    std::string text;
    bool ok;
    int value;
  };
  const std::vector<Case> cases = {
      {"100", true, 100}, {"0", true, 0},      {"255", true, 255},  {"999", true, 999},
      {"-3", true, -3},   {"", false, 0},      {"abc", false, 0},   {"12a", false, 0},
      {"1 2", false, 0},  {" 5", false, 0},    {"5 ", false, 0},    {"-", false, 0},
      {"99999999999", false, 0},
  };
  for (const Case& c : cases) {
    if (c.ok) {
      EXPECT_EQ(ConfigInteger(c.text, 3), c.value) << c.text;
      continue;
    }
    try {
      ConfigInteger(c.text, 4);
      ADD_FAILURE() << "accepted \"" << c.text << "\"";
    } catch (const ConvertError& e) {
      std::string message = e.what();
      EXPECT_NE(message.find("Line 4"), std::string::npos) << message;
      EXPECT_NE(message.find("data/vontel.cfg"), std::string::npos) << message;
    }
  }
}

TEST(Config, WriteThenReadGivesTheSameSixLines) {
  TempDir dir;
  const std::array<std::string, 6> lines = {ConfigHeader, "3", "250", "0", "255", "1"};
  WriteConfigFile(lines);
  EXPECT_EQ(ReadBytes("data/vontel.cfg"),
            std::string(ConfigHeader) + "\r\n3\r\n250\r\n0\r\n255\r\n1\r\n");
  std::vector<std::string> back = ReadConfigLines(6);
  EXPECT_EQ(back, std::vector<std::string>(lines.begin(), lines.end()));
}

TEST(Config, FailedWriteKeepsTheOldFile) {
  TempDir dir;
  const std::string old = std::string(ConfigHeader) + "\r\n1\r\n50\r\n60\r\n70\r\n0\r\n";
  WriteBytes("data/vontel.cfg", old);
  AtomicWriteFailAfterBytes = 20;  // the disk fills up part-way through the new file
  EXPECT_THROW(WriteConfigFile({ConfigHeader, "3", "300", "0", "0", "1"}), FileError);
  AtomicWriteFailAfterBytes = -1;
  EXPECT_EQ(ReadBytes("data/vontel.cfg"), old);
  EXPECT_FALSE(std::ifstream("data/vontel.cfg.new").good()) << "the partial file is cleaned up";
}
