#include <gtest/gtest.h>

#include "platform/codepage.h"

TEST(Codepage, BytesAndTheirCharacters) {
  struct Case { std::string cp1252, utf8; };
  const Case cases[] = {
      {"Level 1", "Level 1"},
      {"\xb4", "\xc2\xb4"},             // the acute accent of "Can´t"
      {"\x80", "\xe2\x82\xac"},         // euro sign
      {"\x8a\x9a\x9f", "\xc5\xa0\xc5\xa1\xc5\xb8"},
      {"\x96\x97\x85", "\xe2\x80\x93\xe2\x80\x94\xe2\x80\xa6"},
      {"\xe4\xf6\xfc\xdf", "\xc3\xa4\xc3\xb6\xc3\xbc\xc3\x9f"},
      {"\xff", "\xc3\xbf"},
      {"\x81\x8d\x8f\x90\x9d", "\xc2\x81\xc2\x8d\xc2\x8f\xc2\x90\xc2\x9d"},  // undefined bytes
      {std::string("a\0b", 3), std::string("a\0b", 3)},
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Cp1252ToUtf8(c.cp1252), c.utf8);
    std::string back;
    ASSERT_TRUE(Utf8ToCp1252(c.utf8, back));
    EXPECT_EQ(back, c.cp1252);
  }
}

TEST(Codepage, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; b++) all += (char)b;
  std::string back;
  ASSERT_TRUE(Utf8ToCp1252(Cp1252ToUtf8(all), back));
  EXPECT_EQ(back, all);
}

TEST(Codepage, TextTheCodePageCannotHoldIsRefused) {
  const std::string refused[] = {
      "\xe4\xb8\x80",      // a CJK character
      "\xc4\x80",          // Latin Extended-A letter not in the code page
      "\xf0\x9f\x98\x80",  // an emoji
      "\xc3",              // cut-off sequence
      "\xc0\xaf",          // overlong encoding
      "\x80",              // lone continuation byte
      "\xed\xa0\x80",      // surrogate
  };
  for (const std::string& text : refused) {
    std::string out;
    EXPECT_FALSE(Utf8ToCp1252(text, out)) << "bytes: " << text.size();
  }
}
