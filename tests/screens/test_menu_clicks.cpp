// The menu's clicks: which screen comes up, and nothing outside the items or the menu.
#include <gtest/gtest.h>

#include "platform/message_box.h"
#include "screens/credits_form.h"
#include "screens/level_map.h"
#include "screens/level_map_form.h"
#include "screens/menu.h"
#include "screens_fixture.h"
#include "shell/state.h"

class MenuClicks : public ScreensDataDir {
 protected:
  void SetUp() override {
    ScreensDataDir::SetUp();
    WriteLevel(1, Level(1));
    MessageBoxHook = [](const std::string&, const std::string&, MsgButtons) { return MsgResult::Ok; };
    Form3 = new TForm3();
    Form4 = new TForm4();
    ScreenState = StateMenu;
    LeaveLoop = false;
  }
  void TearDown() override {
    delete Form3;
    delete Form4;
    Form3 = nullptr;
    Form4 = nullptr;
    MessageBoxHook = nullptr;
    ScreensDataDir::TearDown();
  }
};

TEST_F(MenuClicks, FirstItemOpensTheLevelMapOnLevelOne) {
  LevelOrdinal = 5;
  MenuMouseDown(600, 330);
  EXPECT_EQ(ScreenState, StateLevelMap);
  EXPECT_TRUE(LeaveLoop);
  EXPECT_TRUE(Form3->Visible());
  EXPECT_EQ(Form3->Left(), 0);
  EXPECT_EQ(Form3->Width(), 800);
  EXPECT_EQ(LevelOrdinal, 1);
  EXPECT_EQ(Form3->Label1->Caption, "River 1");
}

TEST_F(MenuClicks, ThirdItemOpensTheCreditsWithTheTickReset) {
  TickCount = 999;
  MenuMouseDown(750, 440);
  EXPECT_EQ(ScreenState, StateCredits);
  EXPECT_TRUE(LeaveLoop);
  EXPECT_TRUE(Form4->Visible());
  EXPECT_EQ(TickCount, 0);
}

TEST_F(MenuClicks, NothingOutsideTheItemsOrOffTheMenu) {
  struct Case {
    int32_t state;
    int x, y;
  } cases[] = {{StateMenu, 599, 300}, {StateMenu, 675, 340}, {StateMenu, 675, 501},
               {StateLevelMap, 675, 300}, {StateCredits, 675, 470}, {StateResult, 675, 300}};
  for (const Case& c : cases) {
    ScreenState = c.state;
    LeaveLoop = false;
    TickCount = 50;
    MenuMouseDown(c.x, c.y);
    EXPECT_EQ(ScreenState, c.state) << c.x << "," << c.y;
    EXPECT_FALSE(LeaveLoop) << c.x << "," << c.y;
    EXPECT_EQ(TickCount, 50);
    EXPECT_FALSE(Form3->Visible());
    EXPECT_FALSE(Form4->Visible());
  }
}
