// The 30 ms tick: counts TickCount in every state, then runs the live screen's step.
#include "race/race_progress.h"
#include "screens/credits.h"
#include "screens/intro.h"
#include "screens/level_map.h"
#include "screens/menu.h"
#include "shell/form1.h"
#include "shell/state.h"

void ThreadedTimer1Timer() {
  TickCount++;
  if (ScreenState == StateIntro) IntroTick();
  if (ScreenState == StateMenu) MenuTick();
  if (ScreenState == StateCredits) CreditsTick();
  if (ScreenState == StateLevelMap && TickCount > 100) ClearLevelMapStatus();
  if (ScreenState == StateRace) RaceTick();
}
