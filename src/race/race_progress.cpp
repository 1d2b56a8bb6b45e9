#include "race/race_progress.h"

#include "race/probe_cell.h"
#include "race/race_sounds.h"
#include "race/race_state.h"
#include "shell/state.h"

void CheckpointAndFinishTest() {
  int offset = ProbeCell();
  // A probe outside the grid sees no checkpoint.
  if (offset >= 0 && CheckpointLayer[offset] == LastCheckpoint + 1) {
    LastCheckpoint++;
    OverlayOn = true;
  }
  if (LastCheckpoint == CheckpointCount - 1) {
    FinishCounter = 1;
    LastCheckpoint = 255;  // no byte can match 256, so nothing counts after the finish
    PlayRaceEffect(EventChannel, EngineSample1);
  }
}

static FSOUND_SAMPLE* EngineSampleFor(int32_t request) {
  switch (request) {
    case 1: return EngineSample1;
    case 2: return EngineSample2;
    case 3: return EngineSample3;
  }
  return nullptr;
}

void RaceTick() {
  if (TickCount == 1) PlayRaceEffect(EngineChannel, EngineStartSample);
  if (OverlayTimer > OverlayHoldTicks) {
    OverlayOn = false;
    OverlayTimer = 0;
  }
  if (OverlayOn) OverlayTimer++;
  if (FinishCounter > 0) {
    FinishCounter++;
    OverlayOn = true;
  }
  if (FinishCounter > FinishRunOutTicks) LeaveLoop = true;
  if (TickCount > 1 && TickCount < StartPhaseEndTick) {
    if (!RaceChannelPlaying(EngineChannel)) PlayRaceEffect(EngineChannel, EngineSample1);
    OverlayOn = true;
    OverlayTimer = 0;
  }
  if (TickCount > StartPhaseEndTick) {
    if (FinishCounter == 0 && EngineRequest != 0)
      PlayRaceEffect(EngineChannel, EngineSampleFor(EngineRequest));
    EngineRequest = 0;
  }
}
