// The credits: the text built once, the scroll, the two areas and Escape.
#include <gtest/gtest.h>

#include "screens/credits.h"
#include "screens/credits_form.h"
#include "screens/credits_text.h"
#include "shell/state.h"

class CreditsScreen : public ::testing::Test {
 protected:
  void SetUp() override { Form4 = new TForm4(); }
  void TearDown() override {
    delete Form4;
    Form4 = nullptr;
  }
};

TEST_F(CreditsScreen, TextHasItsThirtyNineLinesEachWithLfCr) {
  const std::string& text = Form4->Label1->Caption;
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t pos; (pos = text.find("\n\r", start)) != std::string::npos; start = pos + 2)
    lines.push_back(text.substr(start, pos - start));
  EXPECT_EQ(start, text.size()) << "the text ends with a break";
  ASSERT_EQ(lines.size(), 39u);
  const std::pair<int, const char*> fixed[] = {
      {1, "Vontel"}, {2, " "},         {5, " "},        {8, " "},          {10, " "},
      {11, "Code "}, {12, "*********"}, {14, " "},      {15, " "},         {16, "GFX"},
      {17, "*********"}, {19, " "},    {20, "Music"},   {21, "*********"}, {24, " "},
      {25, " "},     {26, "Levels"},   {27, "*********"}, {31, " "},       {32, " "},
      {34, " "},     {35, "and for superior lanpartyfeeling"}, {36, "refer to"}, {38, " "},
  };
  for (auto [line, content] : fixed) EXPECT_EQ(lines[line - 1], content) << "line " << line;
  EXPECT_EQ(lines[38], lines[8]) << "the notice closes the text";
  for (int line : {3, 4, 6, 7, 9, 13, 18, 22, 23, 28, 29, 30, 33, 37})
    EXPECT_GT(lines[line - 1].size(), 1u) << "line " << line << " has its own text";
  EXPECT_EQ(Form4->Label1->Top, 600);
  EXPECT_FALSE(Form4->Panel1->Enabled());
}

TEST_F(CreditsScreen, ScrollFollowsTheTick) {
  struct Case {
    int tick, top;
  } cases[] = {{0, 370}, {3, 370}, {4, 369}, {3359, 370 - 839}, {3360, 370 - 839}, {9000, 370 - 839}};
  Form4->Label1->Top = 600;
  for (const Case& c : cases) {
    TickCount = c.tick;
    CreditsTick();
    EXPECT_EQ(Form4->Label1->Top, c.top) << "tick " << c.tick;
  }
  EXPECT_EQ(CreditsLabelTop(3360, 600), 600) << "from 3360 on the label stays where it is";
}

TEST_F(CreditsScreen, BackAndQuitAreasInTheirOrder) {
  struct Case {
    int x, y;
    int32_t state;
    bool quit;
    bool hidden;
  } cases[] = {
      {50, 500, StateMenu, false, true},     {179, 600, StateMenu, false, true},
      {180, 550, StateClosing, true, true},  // in both: back, then quit
      {181, 500, StateClosing, true, true},  {340, 600, StateClosing, true, true},
      {49, 550, StateCredits, false, false}, {341, 550, StateCredits, false, false},
      {100, 499, StateCredits, false, false}, {600, 300, StateCredits, false, false},
  };
  for (const Case& c : cases) {
    ScreenState = StateCredits;
    LeaveLoop = QuitGame = false;
    Form4->Show();
    Form4->FormMouseDown(TMouseButton::Left, c.x, c.y);
    EXPECT_EQ(ScreenState, c.state) << c.x << "," << c.y;
    EXPECT_EQ(QuitGame, c.quit) << c.x << "," << c.y;
    EXPECT_EQ(LeaveLoop, c.hidden) << c.x << "," << c.y;
    EXPECT_EQ(Form4->Visible(), !c.hidden) << c.x << "," << c.y;
  }
}

TEST_F(CreditsScreen, EscapeGoesBackWithoutQuitting) {
  ScreenState = StateCredits;
  LeaveLoop = QuitGame = false;
  Form4->Show();
  int key = 27;
  Form4->FormKeyDown(key);
  EXPECT_EQ(ScreenState, StateMenu);
  EXPECT_TRUE(LeaveLoop);
  EXPECT_FALSE(QuitGame);
  EXPECT_FALSE(Form4->Visible());
}
