#include "race/race_simulator.h"

#include <algorithm>
#include <cmath>

#include "race/boat_physics.h"
#include "race/race_progress.h"
#include "race/race_setup.h"
#include "race/race_state.h"
#include "shell/state.h"

// The result screen counts the race from tick 80 and the finish run-out of 80 ticks.
static const int ResultTickOffset = 160;
static const double SecondsPerTick = 0.08;

// Notes the tick of every checkpoint passed since the last look, and the finish.
static void NoteProgress(RaceSimResult& result) {
  if (FinishCounter > 0 && !result.Finished) {
    result.Finished = true;
    result.FinishTick = TickCount;
    result.Crashes = CrashCount;
    while ((int)result.CheckpointTicks.size() < CheckpointCount)
      result.CheckpointTicks.push_back(TickCount);
  }
  if (!result.Finished)
    while ((int)result.CheckpointTicks.size() < LastCheckpoint + 1)
      result.CheckpointTicks.push_back(TickCount);
}

static void RunFrames(const RaceSimOptions& options, RaceSimResult& result) {
  for (int f = 0; f < std::max(1, options.FramesPerTick); f++) {
    PhysicsStep();
    NoteProgress(result);
  }
}

RaceSimResult RunLoadedRace(const RaceSimOptions& options) {
  RaceSimResult result;
  std::vector<RaceKeyEvent> script = options.Script;
  std::stable_sort(script.begin(), script.end(),
                   [](const RaceKeyEvent& a, const RaceKeyEvent& b) { return a.Tick < b.Tick; });
  size_t nextEvent = 0;
  AutopilotKeys held = {false, false, false, false};
  if (options.UseAutopilot) AutopilotReset();

  ScreenState = StateRace;
  LeaveLoop = false;
  auto deliverKeys = [&]() {
    if (options.UseAutopilot) {
      ApplyAutopilotKeys(held, AutopilotDecide());
      return;
    }
    for (; nextEvent < script.size() && script[nextEvent].Tick <= TickCount; nextEvent++) {
      if (script[nextEvent].Down)
        BoatKeyDown(script[nextEvent].Key);
      else
        BoatKeyUp(script[nextEvent].Key);
    }
  };

  deliverKeys();
  if (!LeaveLoop) RunFrames(options, result);
  while (!LeaveLoop) {
    if (!result.Finished && TickCount >= options.TickLimit) break;  // gave up
    TickCount++;
    if (ScreenState == StateRace) RaceTick();
    if (LeaveLoop) break;
    deliverKeys();
    if (LeaveLoop) break;
    RunFrames(options, result);
    if (options.RecordTrajectory)
      result.Trajectory.push_back(RaceSample{TickCount, BoatX, BoatZ, BoatHeading, BoatSpeed});
  }
  if (options.UseAutopilot) ApplyAutopilotKeys(held, AutopilotKeys{false, false, false, false});

  result.EndTickCount = TickCount;
  result.RaceTicks = TickCount - ResultTickOffset;
  result.RaceSeconds = result.RaceTicks * SecondsPerTick;
  result.StoredSeconds = (int)std::nearbyint(result.RaceSeconds);
  if (!result.Finished) result.Crashes = CrashCount;
  return result;
}

RaceSimResult SimulateRace(const std::string& terrainName, const RaceSimOptions& options) {
  ScreenState = StateRace;
  LastCheckpoint = -1;
  LoadLevel(terrainName);
  return RunLoadedRace(options);
}
