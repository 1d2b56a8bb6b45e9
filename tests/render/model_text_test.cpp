#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <fstream>
#include <unistd.h>

#include "render/model_text.h"
#include "shell/errors.h"

TEST(SplitTokens, SplitsAtBlanksOnly) {
  struct Case {
    std::string line;
    std::vector<std::string> tokens;
  } cases[] = {
      {"a b c", {"a", "b", "c"}},
      {"a    b", {"a", "b"}},
      {"  lead and trail  ", {"lead", "and", "trail"}},
      {"tab\tinside word", {"tab\tinside", "word"}},
      {"\tx y\t", {"x", "y"}},
      {"  one  ", {"  one  "}},  // one word: token 0 is the line as read
      {"", {""}},
  };
  for (const Case& c : cases) {
    TTokenTable table;
    SplitTokens(c.line, table);
    for (size_t k = 0; k < c.tokens.size(); ++k)
      EXPECT_EQ(table[k], c.tokens[k]) << "\"" << c.line << "\" token " << k;
    EXPECT_EQ(table[c.tokens.size()], "") << c.line;
  }
}

TEST(SplitTokens, LeavesLaterTokensAsTheyWere) {
  TTokenTable table;
  SplitTokens("a b c d", table);
  SplitTokens("x y", table);
  EXPECT_EQ(table[0], "x");
  EXPECT_EQ(table[1], "y");
  EXPECT_EQ(table[2], "c");
  EXPECT_EQ(table[3], "d");
}

TEST(SplitTokens, DropsTokensBeyondTheTable) {
  std::string line;
  for (int k = 0; k < 70; ++k) {
    line += 't';
    line += std::to_string(k);
    line += ' ';
  }
  TTokenTable table;
  SplitTokens(line, table);
  EXPECT_EQ(table[0], "t0");
  EXPECT_EQ(table[TokenCount - 1], "t60");
}

TEST(ReadNumber, DecimalMarkAndExponent) {
  struct Case {
    const char* text;
    char mark;
    float value;
  } cases[] = {
      {"1,5", ',', 1.5f},   {"-0,25", ',', -0.25f}, {"+2", ',', 2.0f},   {"7", ',', 7.0f},
      {"1e3", ',', 1000.f}, {"2,5E-1", ',', 0.25f}, {",5", ',', 0.5f},   {"5,", ',', 5.0f},
      {" 3,0 ", ',', 3.0f}, {"1.5", '.', 1.5f},
  };
  for (const Case& c : cases) EXPECT_FLOAT_EQ(ReadNumber(c.text, c.mark, "f", 1), c.value) << c.text;
}

TEST(ReadNumber, RejectsWhatIsNotANumber) {
  const char* cases[] = {"", "  ", "abc", "1.5", "1,2,3", "e5", "1e", "--1", "1 2",
                         "inf", "nan", "0x10", ",", "1e999"};
  for (const char* text : cases) EXPECT_THROW(ReadNumber(text, ',', "f", 1), ConvertError) << text;
}

TEST(ReadNumber, ErrorNamesFileAndLine) {
  try {
    ReadNumber("1x", ',', "data/rock.rib", 17);
    FAIL();
  } catch (const ConvertError& error) {
    std::string text = error.what();
    EXPECT_NE(text.find("data/rock.rib"), std::string::npos) << text;
    EXPECT_NE(text.find("line 17"), std::string::npos) << text;
    EXPECT_NE(text.find("1x"), std::string::npos) << text;
  }
}

// The player's locale may use a comma as its decimal mark; the files read the same.
TEST(ReadNumber, IndependentOfTheLocale) {
  const char* names[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "C.UTF-8"};
  for (const char* name : names)
    if (std::setlocale(LC_ALL, name)) break;
  EXPECT_FLOAT_EQ(ReadNumber("1,5", ',', "f", 1), 1.5f);
  EXPECT_FLOAT_EQ(ReadNumber("1.5", '.', "f", 1), 1.5f);
  std::setlocale(LC_ALL, "C");
}

TEST(TextLines, LineEndsLengthAndEnd) {
  std::string path = testing::TempDir() + "/lines.txt";
  {
    std::ofstream file(path, std::ios::binary);
    file << "one\r\ntwo\n" << std::string(300, 'x') << "\r\nlast";
  }
  TTextLines lines(path);
  EXPECT_EQ(lines.ReadLine(), "one");
  EXPECT_EQ(lines.ReadLine(), "two");
  EXPECT_EQ(lines.ReadLine(), std::string(255, 'x'));  // cut at 255 characters
  EXPECT_FALSE(lines.AtEnd());
  EXPECT_EQ(lines.ReadLine(), "last");
  EXPECT_TRUE(lines.AtEnd());
  EXPECT_EQ(lines.ReadLine(), "");  // past the end: empty lines
  EXPECT_EQ(lines.LineNumber(), 5);
  std::remove(path.c_str());
}

TEST(TextLines, MissingFileNamesIt) {
  try {
    TTextLines lines("data/nothere.rib");
    FAIL();
  } catch (const FileError& error) {
    EXPECT_NE(std::string(error.what()).find("data/nothere.rib"), std::string::npos);
  }
}
