// The race result: time and target, the unlock, the list, the name entry and the merge.
#include <gtest/gtest.h>

#include "platform/message_box.h"
#include "race/race_state.h"
#include "screens/level_map.h"
#include "screens/race_result_form.h"
#include "screens/race_result_rules.h"
#include "screens_fixture.h"
#include "shell/state.h"

TEST(RaceResultRules, SentenceAndTargetDecision) {
  struct Case {
    int ticks, finish, target;
    bool beats;
    const char* sentence;
  } cases[] = {
      {0, 0, 80, false, " You`re to slow. Try again."},
      {-5, 0, 80, false, " You`re to slow. Try again."},
      {1000, 1, 80, false, "1:20 min You`re to slow. Try again."},  // equal is not enough
      {1000, 1, 81, true, "1:20 min Congratulation you may play the next level!"},
      {1000, 0, 81, false, "1:20 min You`re to slow. Try again."},  // abandoned
      {1013, 1, 81, false, "1:21 min You`re to slow. Try again."},  // 81.04 s
      {1012, 1, 81, true, "1:21 min Congratulation you may play the next level!"},  // 80.96 s
  };
  for (const Case& c : cases) {
    double seconds = RaceSecondsOf(c.ticks);
    bool beats = BeatsTarget(c.finish, seconds, c.target);
    EXPECT_EQ(beats, c.beats) << c.ticks << " ticks";
    EXPECT_EQ(ResultSentence(c.ticks, beats), c.sentence) << c.ticks << " ticks";
  }
  EXPECT_EQ(RoundedSeconds(RaceSecondsOf(1013)), 81);
}

TEST(RaceResultRules, NameEntryByTheFifthSlot) {
  int full[5] = {50, 60, 70, 80, 90};
  int fifthEqual[5] = {50, 60, 70, 80, 60};
  int two[5] = {50, 70, 0, 0, 0};
  EXPECT_TRUE(OffersNameEntry(1, full, 60.0));
  EXPECT_TRUE(OffersNameEntry(1, full, 89.96));
  EXPECT_FALSE(OffersNameEntry(1, full, 90.0));
  EXPECT_FALSE(OffersNameEntry(1, fifthEqual, 60.0));
  EXPECT_TRUE(OffersNameEntry(1, two, 500.0));
  EXPECT_FALSE(OffersNameEntry(0, two, 10.0));  // abandoned
}

TEST(RaceResultRules, MergePutsTheRaceBehindEqualTimes) {
  struct Case {
    std::vector<int> list;
    double race;
    int count;                  // 6 when the race was placed
    std::vector<int> expected;  // the first five, zeros included
  } cases[] = {
      {{50, 70}, 60.0, 6, {50, 60, 70, 0, 0}},
      {{50, 70}, 80.0, 6, {50, 70, 80, 0, 0}},
      {{50, 70}, 40.0, 6, {40, 50, 70, 0, 0}},
      {{50, 60, 70, 80, 90}, 60.0, 6, {50, 60, 60, 70, 80}},
      {{50, 60, 70, 80, 90}, 59.92, 6, {50, 60, 60, 70, 80}},  // before the old 60, stored 60
      {{50, 60, 70, 80, 90}, 90.0, 5, {50, 60, 70, 80, 90}},   // not placed
      {{}, 81.04, 6, {81, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    int times[5] = {};
    std::string names[5];
    for (size_t k = 0; k < c.list.size(); k++) {
      times[k] = c.list[k];
      names[k] = "old" + std::to_string(k);
    }
    int newTimes[6] = {};
    std::string newNames[6];
    int count = MergeBestTime(times, names, c.race, "new", newTimes, newNames);
    EXPECT_EQ(count, c.count) << "race " << c.race;
    EXPECT_EQ(std::vector<int>(newTimes, newTimes + 5), c.expected) << "race " << c.race;
  }
  // Equal times: the old entry stays in front.
  int times[5] = {50, 60, 70, 80, 90};
  std::string names[5] = {"a", "b", "c", "d", "e"};
  int newTimes[6];
  std::string newNames[6];
  MergeBestTime(times, names, 60.0, "me", newTimes, newNames);
  EXPECT_EQ(std::vector<std::string>(newNames, newNames + 6),
            (std::vector<std::string>{"a", "b", "me", "c", "d", "e"}));
}

TEST(RaceResultRules, NameBoxRefusesWhatTheFileCannotHold) {
  struct Case {
    const char* typed;
    bool accepted;
    const char* stored;
  } cases[] = {
      {"A", true, "A"},
      {" ", true, " "},
      {"\xc3\xa9", true, "\xe9"},          // é is in the code page
      {"\xe2\x82\xac", true, "\x80"},      // so is the euro sign
      {"\xc5\x81", false, ""},             // Ł is not
      {"\x05", false, ""},                 // scrambles to the end-of-file byte
      {"\x12", false, ""},                 // scrambles to CR
      {"\t", false, ""},
      {"\xff", false, ""},                 // not UTF-8
  };
  for (const Case& c : cases) {
    std::string stored = "unchanged";
    EXPECT_EQ(StorableNameText(c.typed, stored), c.accepted) << c.typed;
    if (c.accepted) EXPECT_EQ(stored, c.stored);
    else EXPECT_EQ(stored, "unchanged");
  }
  EXPECT_EQ(StorableName("Ann\x05" "a \xc5\x81" "\xc3\xa9"), "Anna \xe9");
  EXPECT_EQ(StorableName(std::string(300, 'x')).size(), 255u);
}

class RaceResultScreen : public ScreensDataDir {
 protected:
  void SetUp() override {
    ScreensDataDir::SetUp();
    Form6 = new TForm6();
    MessageBoxHook = [this](const std::string& text, const std::string&, MsgButtons) {
      boxes.push_back(text);
      return MsgResult::Ok;
    };
    ScreenState = StateResult;
  }
  void TearDown() override {
    MessageBoxHook = nullptr;
    delete Form6;
    Form6 = nullptr;
    ScreensDataDir::TearDown();
  }
  // A race on level `ordinal` (file number `number`) that took `raceTicks`.
  void Race(int ordinal, int number, int raceTicks, int finish) {
    LevelOrdinal = ordinal;
    CurrentLevelFile = "level" + std::to_string(number) + ".dcc";
    TargetTime = LevelHeaderOf(number).TargetTime;
    TickCount = raceTicks + 160;
    FinishCounter = finish;
    Form6->Show();
  }
  static LevelHeader LevelHeaderOf(int number) { return ReadLevelHeader(LevelFilePath(number)); }
  void PressEnter() {
    char key = '\r';
    Form6->Edit1KeyPress(key);
  }
  std::vector<std::string> boxes;
};

TEST_F(RaceResultScreen, FinishUnderTargetUnlocksTheNextExistingLevel) {
  LevelFileFields one = Level(1);
  one.TargetTime = 81;
  WriteLevel(1, one);
  WriteLevel(4, Level(4, false));
  Race(1, 1, 1000, 1);
  EXPECT_EQ(Form6->Label1->Caption, "1:20 min Congratulation you may play the next level!");
  EXPECT_EQ(LevelOrdinal, 2);
  EXPECT_TRUE(LevelHeaderOf(4).Available);
  EXPECT_TRUE(Form6->Edit1->Visible);  // the empty list has room
  EXPECT_TRUE(Form6->Label2->Visible);
  EXPECT_FALSE(Form6->Label3->Visible);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(RaceResultScreen, LastLevelCongratulatesWithoutUnlocking) {
  LevelFileFields one = Level(1);
  one.TargetTime = 200;
  WriteLevel(1, one);
  std::string before = ReadFile("data/level1.dcc");
  Race(1, 1, 1000, 1);
  EXPECT_EQ(LevelOrdinal, 1);
  EXPECT_EQ(ReadFile("data/level1.dcc"), before);
  EXPECT_NE(Form6->Label1->Caption.find("Congratulation"), std::string::npos);
}

TEST_F(RaceResultScreen, AbandonedRaceShowsTheListAndNoNameEntry) {
  LevelFileFields one = Level(1);
  one.TargetTime = 1000;
  one.BestTimes = {{50, "Eve"}, {70, "Tom"}};
  WriteLevel(1, one);
  WriteLevel(2, Level(2, false));
  Race(1, 1, 300, 0);
  EXPECT_EQ(Form6->Label1->Caption, "0:24 min You`re to slow. Try again.");
  EXPECT_FALSE(LevelHeaderOf(2).Available);
  EXPECT_TRUE(Form6->Label3->Visible);
  EXPECT_TRUE(Form6->Label4->Visible);
  EXPECT_EQ(Form6->Label3->Caption, "0:50 min\n\r1:10 min\n\r");
  EXPECT_EQ(Form6->Label4->Caption, "Eve\n\rTom\n\r");
  EXPECT_FALSE(Form6->Edit1->Visible);
}

TEST_F(RaceResultScreen, EnterStoresTheNameAndTheSixthFallsOff) {
  LevelFileFields one = Level(1);
  one.TargetTime = 10;  // too slow for the target: still enters the list
  one.BestTimes = {{50, "a"}, {60, "b"}, {70, "c"}, {80, "d"}, {90, "e"}};
  WriteLevel(1, one);
  WriteLevel(2, Level(2, false));
  Race(1, 1, 750, 1);  // 60.0 s
  ASSERT_TRUE(Form6->Edit1->Visible);
  Form6->Edit1->Text = "Anna Maria";
  PressEnter();
  EXPECT_EQ(Form6->Label1->Caption, "Highscore");
  EXPECT_FALSE(Form6->Edit1->Visible);
  EXPECT_TRUE(Form6->Label3->Visible);
  EXPECT_EQ(Form6->Label3->Caption, "0:50 min\n\r1:00 min\n\r1:00 min\n\r1:10 min\n\r1:20 min\n\r");
  EXPECT_EQ(Form6->Label4->Caption, "a\n\rb\n\rAnna Maria\n\rc\n\rd\n\r");
  std::vector<BestTimeEntry> stored = ReadLevelBestTimes("data/level1.dcc");
  ASSERT_EQ(stored.size(), 5u);
  EXPECT_EQ(stored[2].Seconds, 60);
  EXPECT_EQ(stored[2].PlayerName, "Anna Maria");
  EXPECT_EQ(stored[4].PlayerName, "d");
  EXPECT_FALSE(LevelHeaderOf(2).Available);
  EXPECT_EQ(Form6->Edit1->Text, "Anna Maria") << "the box keeps the last name";
}

TEST_F(RaceResultScreen, FullListEqualToTheRaceOffersNoEntry) {
  LevelFileFields one = Level(1);
  one.BestTimes = {{50, "a"}, {55, "b"}, {58, "c"}, {59, "d"}, {60, "e"}};
  WriteLevel(1, one);
  Race(1, 1, 750, 1);
  EXPECT_FALSE(Form6->Edit1->Visible);
  EXPECT_FALSE(Form6->Label3->Visible);
}

TEST_F(RaceResultScreen, StoresTheRoundedTimeAndTheConvertedName) {
  WriteLevel(1, Level(1));
  Race(1, 1, 1013, 1);
  Form6->Edit1->Text = "Jos\xc3\xa9";
  PressEnter();
  std::vector<BestTimeEntry> stored = ReadLevelBestTimes("data/level1.dcc");
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored[0].Seconds, 81);
  EXPECT_EQ(stored[0].PlayerName, "Jos\xe9");
  EXPECT_EQ(Form6->Label3->Caption, "1:21 min\n\r");
  EXPECT_EQ(Form6->Label4->Caption, "Jos\xc3\xa9\n\r");
}

TEST_F(RaceResultScreen, KeyPressRefusesUnstorableCharacters) {
  struct Case {
    char key;
    char after;
  } cases[] = {{'a', 'a'},       {' ', ' '},       {'\xe9', '\xe9'}, {'\x80', '\x80'},
               {'\x05', 0},       {'\x12', 0},       {'\t', 0},         {'\b', '\b'}};
  for (const Case& c : cases) {
    char key = c.key;
    Form6->Edit1KeyPress(key);
    EXPECT_EQ(key, c.after) << (int)c.key;
  }
}

TEST_F(RaceResultScreen, WaysBack) {
  WriteLevel(1, Level(1));
  Race(1, 1, 750, 1);
  Form6->Edit1->Text = "Nobody";
  int key = 27;
  LeaveLoop = false;
  Form6->FormKeyDown(key);
  EXPECT_EQ(ScreenState, StateMenu);
  EXPECT_TRUE(LeaveLoop);
  EXPECT_FALSE(Form6->Visible());
  EXPECT_TRUE(ReadLevelBestTimes("data/level1.dcc").empty()) << "Escape stores nothing";

  struct Case {
    int x, y;
    bool back;
  } cases[] = {{638, 519, true}, {800, 600, true}, {637, 550, false}, {700, 518, false}};
  for (const Case& c : cases) {
    ScreenState = StateResult;
    LeaveLoop = false;
    Form6->Show();
    Form6->Image1MouseDown(TMouseButton::Left, c.x, c.y);
    EXPECT_EQ(ScreenState == StateMenu, c.back) << c.x << "," << c.y;
    EXPECT_EQ(Form6->Visible(), !c.back) << c.x << "," << c.y;
    EXPECT_FALSE(LeaveLoop) << "the back area leaves the loop flag alone";
  }
}

TEST_F(RaceResultScreen, UnreadableListIsReported) {
  WriteFile("data/level1.dcc", StoredLine("1") + StoredLine("x") + StoredLine("#eop") +
                                   StoredLine("4") + StoredLine("90") + StoredLine("level1") +
                                   StoredLine("r") + StoredLine("m.xm") + StoredLine("normal") +
                                   StoredLine("fast") + StoredLine("Eve") + StoredLine("#eop"));
  Race(1, 1, 750, 1);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("data/level1.dcc"), std::string::npos) << boxes[0];
  EXPECT_FALSE(Form6->Edit1->Visible) << "no entry that would overwrite an unread list";
}
