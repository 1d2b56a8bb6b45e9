#pragma once
// A race without a window: loads a level with LoadLevel and runs it the way the game's loops
// do, ticks and frames interleaved (per tick TickCount + 1 and RaceTick, then a number of
// frames each calling PhysicsStep), with the real key handlers. The keys come from a script
// or from the autopilot. Used to prove levels finishable, to find target times, by the
// benchmarks and by the in-game test.
#include <string>
#include <vector>

// A key event delivered after the RaceTick of the given tick (before that tick's frames).
struct RaceKeyEvent {
  int Tick;
  int Key;  // VK_UP_KEY etc.
  bool Down;
};

struct RaceSample {
  int Tick;  // TickCount when the sample was taken (after the tick's frames)
  double X, Z, Heading, Speed;
};

struct RaceSimOptions {
  int FramesPerTick = 1;       // frames drawn between two ticks (1 or more)
  int TickLimit = 30000;       // give up after this TickCount (15 minutes of game time)
  bool UseAutopilot = false;   // otherwise the script drives
  std::vector<RaceKeyEvent> Script;
  bool RecordTrajectory = false;
};

struct RaceSimResult {
  bool Finished = false;
  int FinishTick = 0;        // TickCount of the frame that passed the last checkpoint
  int EndTickCount = 0;      // TickCount when the race loop ended
  int RaceTicks = 0;         // EndTickCount - 160, as the result screen computes it
  double RaceSeconds = 0;    // RaceTicks * 0.08
  int StoredSeconds = 0;     // RaceSeconds rounded, as the best-times list stores it
  int Crashes = 0;           // crash sounds played up to the finish (or the end)
  std::vector<int> CheckpointTicks;  // TickCount at which each checkpoint was passed
  std::vector<RaceSample> Trajectory;
};

// Loads the level (data/<terrainName>.*, relative to the working directory) and races it.
// Throws what LoadLevel throws.
RaceSimResult SimulateRace(const std::string& terrainName, const RaceSimOptions& options);

// Races the level already loaded (LoadLevel just called, ScreenState 6).
RaceSimResult RunLoadedRace(const RaceSimOptions& options);

// The autopilot, usable step by step: once per tick it looks at the shared race state and
// the grids and says which arrow keys should be held now.
struct AutopilotKeys {
  bool up, down, left, right;
};
AutopilotKeys AutopilotDecide();
// Forgets what the autopilot worked out for the previous level (called after LoadLevel;
// AutopilotDecide also notices a new race by TickCount running backwards).
void AutopilotReset();
// Sends the key-down and key-up events that take the held keys from `held` to `wanted`
// through BoatKeyDown/BoatKeyUp, and records `wanted` in `held`.
void ApplyAutopilotKeys(AutopilotKeys& held, const AutopilotKeys& wanted);
