// The 30 ms tick: counts TickCount in every state, then runs the live screen's step.
#include "shell/tick_dispatch.h"

#include "race/race_progress.h"
#include "screens/credits.h"
#include "screens/intro.h"
#include "screens/level_map.h"
#include "screens/menu.h"
#include "shell/form1.h"
#include "shell/state.h"

TickSteps TickStep = {IntroTick, MenuTick, CreditsTick, ClearLevelMapStatus, RaceTick};

void ThreadedTimer1Timer() {
  TickCount++;
  if (ScreenState == StateIntro) TickStep.Intro();
  if (ScreenState == StateMenu) TickStep.Menu();
  if (ScreenState == StateCredits) TickStep.Credits();
  if (ScreenState == StateLevelMap && TickCount > 100) TickStep.LevelMapStatus();
  if (ScreenState == StateRace) TickStep.Race();
}
