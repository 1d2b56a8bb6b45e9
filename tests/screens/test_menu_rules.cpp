// The menu's hit rectangles and the lightning script.
#include <gtest/gtest.h>

#include "screens/menu_rules.h"

TEST(MenuRules, ItemRectanglesIncludeTheirBorders) {
  struct Case {
    int x, y, item;
  } cases[] = {
      {600, 270, 1}, {750, 330, 1}, {675, 300, 1}, {599, 300, 0}, {751, 300, 0},
      {675, 269, 0}, {675, 331, 0}, {675, 340, 0},  // between items 1 and 2
      {600, 350, 2}, {750, 410, 2}, {675, 411, 0}, {675, 439, 0},
      {600, 440, 3}, {750, 500, 3}, {675, 501, 0}, {0, 0, 0}, {799, 599, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MenuItemAt(c.x, c.y), c.item) << "at " << c.x << "," << c.y;
}

TEST(MenuRules, SelectorSitsBesideItsItem) {
  EXPECT_EQ(SelectorTop(1), 270);
  EXPECT_EQ(SelectorTop(2), 350);
  EXPECT_EQ(SelectorTop(3), 440);
  EXPECT_EQ(SelectorTop(0), -1);
  EXPECT_EQ(SelectorTop(4), -1);
}

TEST(MenuRules, EachLightningStepDrawsItsPicture) {
  using P = LightningPicture;
  struct Case {
    int step;
    P picture;
    bool thunder, ends;
  } cases[] = {
      {1, P::None, false, false},       {2, P::None, false, false},
      {3, P::Flash1, false, false},     {4, P::Background, false, false},
      {5, P::None, false, false},       {7, P::Flash1, false, false},
      {8, P::Background, false, false}, {9, P::None, false, false},
      {10, P::Flash1, false, false},    {11, P::Background, true, false},
      {12, P::None, false, false},      {14, P::Flash2, false, false},
      {15, P::None, false, false},      {18, P::Background, false, false},
      {59, P::None, false, false},      {60, P::None, false, true},
  };
  for (const Case& c : cases) {
    TLightningAction a = LightningActionAt(c.step);
    EXPECT_EQ(a.Picture, c.picture) << "step " << c.step;
    EXPECT_EQ(a.Thunder, c.thunder) << "step " << c.step;
    EXPECT_EQ(a.Ends, c.ends) << "step " << c.step;
  }
}

TEST(MenuRules, FlashStartsOnlyOnLowRollsAndRunsToItsEnd) {
  EXPECT_EQ(NextLightningStep(0, 0), 2);  // the starting tick already acts as step 2
  EXPECT_EQ(NextLightningStep(0, 1), 2);
  EXPECT_EQ(NextLightningStep(0, 2), 0);
  EXPECT_EQ(NextLightningStep(0, 199), 0);
  EXPECT_EQ(NextLightningStep(5, 199), 6);  // a running flash ignores the roll

  // A whole flash: the ticks after its start that show a picture, and the thunder.
  int step = NextLightningStep(0, 0);
  std::vector<int> pictureTicks;
  int thunderTick = -1, ticks = 0;
  while (true) {
    TLightningAction a = LightningActionAt(step);
    if (a.Picture != LightningPicture::None) pictureTicks.push_back(ticks);
    if (a.Thunder) thunderTick = ticks;
    if (a.Ends) break;
    step = NextLightningStep(step, 199);
    ticks++;
  }
  EXPECT_EQ(pictureTicks, (std::vector<int>{1, 2, 5, 6, 8, 9, 12, 16}));
  EXPECT_EQ(thunderTick, 9);
  EXPECT_EQ(ticks, 58);
}
