// The tick handler counts in every state and runs each screen's step only in its state.
#include <gtest/gtest.h>

#include <string>

#include "shell/form1.h"
#include "shell/state.h"
#include "shell/tick_dispatch.h"

static std::string ran;

static void SetRecordingSteps() {
  TickStep.Intro = [] { ran += "intro "; };
  TickStep.Menu = [] { ran += "menu "; };
  TickStep.Credits = [] { ran += "credits "; };
  TickStep.LevelMapStatus = [] { ran += "status "; };
  TickStep.Race = [] { ran += "race "; };
}

TEST(TickDispatch, EachStepRunsOnlyInItsState) {
  struct Case {
    int state;
    int tickBefore;
    std::string expected;
  };
  const Case cases[] = {
      {StateStartup, 0, ""},          {StateIntro, 0, "intro "},
      {StateMenu, 7, "menu "},        {StateOptions, 7, ""},
      {StateCredits, 0, "credits "},  {StateLevelMap, 99, ""},  // tick 100: not yet
      {StateLevelMap, 100, "status "}, {StateLevelMap, 500, "status "},
      {StateRace, 80, "race "},       {StateResult, 3, ""},
      {StateClosing, 3, ""},
  };
  SetRecordingSteps();
  for (const Case& c : cases) {
    ran.clear();
    ScreenState = c.state;
    TickCount = c.tickBefore;
    ThreadedTimer1Timer();
    EXPECT_EQ(TickCount, c.tickBefore + 1) << "state " << c.state;
    EXPECT_EQ(ran, c.expected) << "state " << c.state << " at tick " << c.tickBefore;
  }
}

TEST(TickDispatch, TickCountKeepsGrowingWhereNothingElseRuns) {
  SetRecordingSteps();
  for (int state : {StateStartup, StateOptions, StateResult, StateClosing}) {
    ran.clear();
    ScreenState = state;
    TickCount = 0;
    for (int i = 0; i < 50; i++) ThreadedTimer1Timer();
    EXPECT_EQ(TickCount, 50);
    EXPECT_EQ(ran, "");
  }
}
