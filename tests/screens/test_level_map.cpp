// The level map: its info text, minimap, best-times columns, arrows and the race start.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/message_box.h"
#include "race/race_state.h"
#include "screens/level_map.h"
#include "screens/level_map_form.h"
#include "screens/level_map_rules.h"
#include "screens_fixture.h"
#include "shell/form1.h"
#include "shell/state.h"

TEST(LevelMapRules, InfoTextForThreeLinesAndNinetyFiveSeconds) {
  EXPECT_EQ(LevelInfoText({"one", "two", "three"}, "7", 95),
            "\n\rone\n\rtwo\n\rthree\n\r\n\rCheckpoints: 7\n\rTime: 1:35 min");
  EXPECT_EQ(LevelInfoText({}, "12", 60), "\n\r\n\rCheckpoints: 12\n\rTime: 1:00 min");
}

TEST(LevelMapRules, MinimapTakesEverySecondRowAndColumnInRed) {
  std::vector<uint8_t> grid(GridBytes, 0);
  grid[0] = 255;                       // row 0, column 0
  grid[2 * GridSize + 4] = 200;        // row 2, column 4 -> pixel (2, 1)
  grid[1 * GridSize + 1] = 255;        // odd row and column: never sampled
  grid[318 * GridSize + 318] = 16;     // the last sampled cell -> pixel (159, 159)
  TBitmap minimap;
  DrawMinimap(grid.data(), minimap);
  ASSERT_EQ(minimap.Width, 160);
  ASSERT_EQ(minimap.Height, 160);
  struct Case {
    int x, y, red;
  } cases[] = {{0, 0, 248}, {2, 1, 200}, {1, 1, 0}, {0, 1, 0}, {159, 159, 16}};
  for (const Case& c : cases) {
    const uint8_t* p = minimap.PixelAt(c.x, c.y);
    EXPECT_EQ(p[0], c.red) << c.x << "," << c.y;
    EXPECT_EQ(p[1], 0);
    EXPECT_EQ(p[2], 0);
  }
}

// Levels by number, with their lock state, for the arrow tables.
struct ArrowWorld {
  std::vector<int> numbers;
  std::set<int> locked;
  int shown = 1;
  int Find(int ordinal) const {
    return ordinal >= 1 && ordinal <= (int)numbers.size() ? numbers[ordinal - 1] : 0;
  }
  bool Show(int number) {
    if (locked.count(number)) return false;
    shown = number;
    return true;
  }
};

TEST(LevelMapRules, ArrowsStepOverExistingLevelsAndRefuseLocked) {
  struct Case {
    std::vector<int> numbers;
    std::set<int> locked;
    int ordinal;
    bool next;
    int newOrdinal, shown;
  } cases[] = {
      {{1, 2, 7}, {}, 1, true, 2, 2},
      {{1, 2, 7}, {}, 2, true, 3, 7},
      {{1, 2, 7}, {}, 3, true, 3, 1},   // last level: nothing shown
      {{1, 2, 7}, {}, 3, false, 2, 2},
      {{1, 2, 7}, {}, 1, false, 1, 1},  // first level: nothing shown
      {{1, 2, 7}, {}, 0, false, 0, 1},
      {{1, 2, 3}, {3}, 2, true, 2, 1},  // locked: the ordinal stays
      {{1, 2, 3}, {3}, 2, false, 1, 1},
  };
  for (const Case& c : cases) {
    ArrowWorld world;
    world.numbers = c.numbers;
    world.locked = c.locked;
    auto find = [&](int n) { return world.Find(n); };
    auto show = [&](int n) { return world.Show(n); };
    int result = c.next ? NextArrowStep(c.ordinal, find, show) : PrevArrowStep(c.ordinal, find, show);
    EXPECT_EQ(result, c.newOrdinal) << "from " << c.ordinal << (c.next ? " next" : " prev");
    EXPECT_EQ(world.shown, c.shown) << "from " << c.ordinal << (c.next ? " next" : " prev");
  }
}

class LevelMapScreen : public ScreensDataDir {
 protected:
  void SetUp() override {
    ScreensDataDir::SetUp();
    Form3 = new TForm3();
    MessageBoxHook = [this](const std::string& text, const std::string&, MsgButtons) {
      boxes.push_back(text);
      return MsgResult::Ok;
    };
  }
  void TearDown() override {
    MessageBoxHook = nullptr;
    delete Form3;
    Form3 = nullptr;
    ScreensDataDir::TearDown();
  }
  std::vector<std::string> boxes;
};

TEST_F(LevelMapScreen, ShowsLevelOneWithItsListAndMinimap) {
  LevelFileFields one = Level(1);
  one.Description = {"Calm water", "Sharp bend", "Caf\xe9 at the end"};
  one.TargetTime = 95;
  one.Season = "winter";
  one.BestTimes = {{83, "Anna Maria"}, {605, "Bob"}};
  WriteLevel(1, one);
  Season = "normal";
  Form3->FormShow();

  EXPECT_EQ(LevelOrdinal, 1);
  EXPECT_EQ(CurrentLevelFile, "level1.dcc");
  EXPECT_EQ(Form3->Label1->Caption, "River 1");
  EXPECT_EQ(Form3->Label2->Caption,
            "\n\rCalm water\n\rSharp bend\n\rCaf\xc3\xa9 at the end\n\r\n\rCheckpoints: 4\n\r"
            "Time: 1:35 min");
  EXPECT_EQ(Form3->Label7->Caption, "1:23 min\n\r10:05 min\n\r");
  EXPECT_EQ(Form3->Label6->Caption, "Anna Maria\n\rBob\n\r");
  EXPECT_EQ(TargetTime, 95);
  EXPECT_EQ(TerrainName, "level1");
  EXPECT_EQ(MusicFile, "song.xm");
  EXPECT_EQ(Season, "winter");
  EXPECT_EQ(BestTimeText, "83");
  EXPECT_EQ(BestName, "Anna Maria");
  EXPECT_EQ(Form3->Image2->Picture, &Minimap);
  EXPECT_EQ(Minimap.PixelAt(3, 5)[0], (2 * 3 + 2 * 5) & 0xF8);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(LevelMapScreen, EmptyListGivesEmptyColumnsAndEndMarker) {
  WriteLevel(1, Level(1));
  Form3->FormShow();
  EXPECT_EQ(BestTimeText, "#eop");
  EXPECT_EQ(BestName, "");
  EXPECT_EQ(Form3->Label6->Caption, "");
  EXPECT_EQ(Form3->Label7->Caption, "");
}

TEST_F(LevelMapScreen, LockedLevelShowsMessageAndKeepsTheShownLevel) {
  WriteLevel(1, Level(1));
  WriteLevel(2, Level(2));
  WriteLevel(3, Level(3, false));
  Form3->FormShow();
  Form3->Image3MouseDown(TMouseButton::Left, 1, 1);
  ASSERT_EQ(LevelOrdinal, 2);
  ASSERT_EQ(Form3->Label1->Caption, "River 2");

  TickCount = 500;
  Form3->Image3MouseDown(TMouseButton::Left, 1, 1);
  EXPECT_EQ(Form3->Label3->Caption, "Level not availible. First play this!");
  EXPECT_EQ(TickCount, 0);
  EXPECT_EQ(LevelOrdinal, 2);
  EXPECT_EQ(CurrentLevelFile, "level2.dcc");
  EXPECT_EQ(TerrainName, "level2");
  EXPECT_EQ(Form3->Label1->Caption, "River 2");

  TickCount = 50;
  Form3->Image3MouseDown(TMouseButton::Left, 1, 1);  // refused again
  EXPECT_EQ(Form3->Label3->Caption, "Level not availible. First play this!");
  EXPECT_EQ(LevelOrdinal, 2);

  ClearLevelMapStatus();
  EXPECT_EQ(Form3->Label3->Caption, "");
  Form3->Image4MouseDown(TMouseButton::Left, 1, 1);
  EXPECT_EQ(LevelOrdinal, 1);
  EXPECT_EQ(Form3->Label1->Caption, "River 1");
}

TEST_F(LevelMapScreen, ShowingALevelEmptiesTheMessageAtOnce) {
  WriteLevel(1, Level(1));
  WriteLevel(2, Level(2, false));
  Form3->FormShow();
  Form3->Image3MouseDown(TMouseButton::Left, 0, 0);
  ASSERT_NE(Form3->Label3->Caption, "");
  Form3->FormShow();
  EXPECT_EQ(Form3->Label3->Caption, "");
}

TEST_F(LevelMapScreen, ArrowsFollowLevelNumbersWithGaps) {
  WriteLevel(1, Level(1));
  WriteLevel(2, Level(2));
  WriteLevel(7, Level(7));
  Form3->FormShow();
  std::vector<std::string> seen;
  for (int i = 0; i < 3; i++) {
    Form3->Image3MouseDown(TMouseButton::Right, 0, 0);
    seen.push_back(CurrentLevelFile + "@" + std::to_string(LevelOrdinal));
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"level2.dcc@2", "level7.dcc@3", "level7.dcc@3"}));
}

TEST_F(LevelMapScreen, ResultsToggleSwapsMinimapAndColumns) {
  WriteLevel(1, Level(1));
  Form3->FormShow();
  ASSERT_TRUE(Form3->Image2->Visible);
  Form3->Label5Click();
  EXPECT_FALSE(Form3->Image2->Visible);
  EXPECT_TRUE(Form3->Label6->Visible);
  EXPECT_TRUE(Form3->Label7->Visible);
  EXPECT_EQ(Form3->Label5->Caption, "Map");
  Form3->FormShow();  // a new visit keeps the choice
  EXPECT_FALSE(Form3->Image2->Visible);
  Form3->Label5Click();
  EXPECT_TRUE(Form3->Image2->Visible);
  EXPECT_FALSE(Form3->Label6->Visible);
  EXPECT_EQ(Form3->Label5->Caption, "Results");
}

TEST_F(LevelMapScreen, WaysBackToTheMenu) {
  WriteLevel(1, Level(1));
  struct Case {
    int x, y;
    bool back;
  } cases[] = {{50, 500, true}, {200, 600, true}, {49, 550, false}, {201, 550, false},
               {100, 499, false}};
  for (const Case& c : cases) {
    ScreenState = StateLevelMap;
    LeaveLoop = false;
    Form3->Show();
    Form3->Image1MouseDown(TMouseButton::Left, c.x, c.y);
    EXPECT_EQ(ScreenState == StateMenu, c.back) << c.x << "," << c.y;
    EXPECT_EQ(LeaveLoop, c.back) << c.x << "," << c.y;
    EXPECT_EQ(Form3->Visible(), !c.back) << c.x << "," << c.y;
  }
  ScreenState = StateLevelMap;
  LeaveLoop = false;
  Form3->Show();
  int key = 27;
  Form3->FormKeyDown(key);
  EXPECT_EQ(ScreenState, StateMenu);
  EXPECT_TRUE(LeaveLoop);
  EXPECT_FALSE(Form3->Visible());
}

TEST_F(LevelMapScreen, StartRaceRacesTheShownLevel) {
  WriteLevel(1, Level(1));
  WriteLevel(2, Level(2));
  WriteLevel(3, Level(3, false));
  WriteFile("data/vontel.cfg", "<#Vontel\r\n2\r\n100\r\n170\r\n170\r\n0\r\n");
  ScreenState = StateLevelMap;
  Form3->Show();
  Form3->Image3MouseDown(TMouseButton::Left, 0, 0);
  Form3->Image3MouseDown(TMouseButton::Left, 0, 0);  // level 3 refused
  LastCheckpoint = 3;
  TickCount = 77;
  LeaveLoop = false;
  Form3->Label4MouseDown(TMouseButton::Left, 0, 0);
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(ScreenState, StateRace);
  EXPECT_EQ(LastCheckpoint, -1);
  EXPECT_EQ(TickCount, 0);
  EXPECT_EQ(CheckpointCount, 4);
  EXPECT_TRUE(LeaveLoop);
  EXPECT_FALSE(Form3->Visible());
  EXPECT_EQ(CurrentLevelFile, "level2.dcc");
}

TEST_F(LevelMapScreen, FailedLevelLoadStaysOnTheMap) {
  WriteLevel(1, Level(1));
  WriteFile("data/vontel.cfg", "<#Vontel\r\n2\r\n100\r\n170\r\n170\r\n0\r\n");
  std::filesystem::remove("data/level1add.raw");
  ScreenState = StateLevelMap;
  Form3->Show();
  LeaveLoop = false;
  Form3->Image2MouseDown(TMouseButton::Left, 5, 5);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("level1add.raw"), std::string::npos) << boxes[0];
  EXPECT_EQ(ScreenState, StateLevelMap);
  EXPECT_FALSE(LeaveLoop);
  EXPECT_TRUE(Form3->Visible());
}

TEST_F(LevelMapScreen, MissingHeightmapIsReportedAndTheTextStays) {
  WriteLevel(1, Level(1));
  std::filesystem::resize_file("data/level1.raw", 1000);
  Form3->FormShow();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("data/level1.raw"), std::string::npos) << boxes[0];
  EXPECT_EQ(Form3->Label1->Caption, "River 1");
}

TEST_F(LevelMapScreen, LevelFileWithoutEndMarkerIsAnErrorNotAHang) {
  WriteFile("data/level1.dcc", StoredLine("1") + StoredLine("Broken") + StoredLine("text"));
  Form3->FormShow();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("data/level1.dcc"), std::string::npos) << boxes[0];
}

TEST_F(LevelMapScreen, LockedMessageLivesOneHundredTicks) {
  WriteLevel(1, Level(1));
  WriteLevel(2, Level(2, false));
  ScreenState = StateLevelMap;
  Form3->Show();
  Form3->Image3MouseDown(TMouseButton::Left, 0, 0);
  for (int tick = 1; tick <= 100; tick++) ThreadedTimer1Timer();
  EXPECT_EQ(Form3->Label3->Caption, "Level not availible. First play this!");
  ThreadedTimer1Timer();
  EXPECT_EQ(Form3->Label3->Caption, "");
}

TEST_F(LevelMapScreen, MissingFirstLevelKeepsTheCaptions) {
  WriteLevel(1, Level(1));
  Form3->FormShow();
  std::filesystem::remove("data/level1.dcc");
  Form3->FormShow();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("data/level1.dcc"), std::string::npos) << boxes[0];
  EXPECT_EQ(Form3->Label1->Caption, "River 1");
  EXPECT_EQ(LevelOrdinal, 1);
}
