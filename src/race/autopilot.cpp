// The autopilot: at every tick it tries each combination of the arrow keys for a short
// while, followed by a steered run under throttle, on a copy of the boat with the race's
// own motion code, and keeps the keys whose run brings the probe furthest along the course
// field toward the next checkpoint (or through it). It sees only the grids and the boat.
#include <algorithm>
#include <cmath>
#include <vector>

#include "race/boat_motion.h"
#include "race/boat_physics.h"
#include "race/course_field.h"
#include "race/probe_cell.h"
#include "race/race_progress.h"
#include "race/race_simulator.h"
#include "race/race_state.h"
#include "shell/state.h"

static const int FirstPartTicks = 6;    // the keys being chosen now
static const int SecondPartTicks = 18;  // then a steered run under throttle
static const float BlockedPenalty = 0.3f;
static const float ReachedBonus = 1e6f;
static const double ReverseUsefulSpeed = 1.5;

// Stuck detection: when the probe has not come closer to the checkpoint for a while, the
// autopilot turns the boat on the spot toward the way on, as a player would.
static const int StuckTicks = 50;
static const int RecoveryTicksMax = 400;
static const double RecoveredWithin = 12.0;  // degrees
static const int LookAroundCells = 12;

static std::vector<float> FieldNow;   // toward the next checkpoint
static std::vector<float> FieldNext;  // toward the one after it
static int FieldTarget = -100;
static int LastSeenTick = -1;
static uint32_t SeenGrids = 0;  // sparse signature of the grids the fields were built from
static float BestProgress = FieldUnreachable;
static int TicksWithoutProgress = 0;
static int RecoveryTicks = 0;  // above 0 while turning on the spot

void AutopilotReset() {
  FieldNow.clear();
  FieldNext.clear();
  FieldTarget = -100;
  LastSeenTick = -1;
  BestProgress = FieldUnreachable;
  TicksWithoutProgress = 0;
  RecoveryTicks = 0;
}

static void PrepareFields(int target) {
  if (target == FieldTarget) return;
  if (target == FieldTarget + 1)
    FieldNow.swap(FieldNext);
  else
    FieldNow = BuildCourseField(Heightmap, CheckpointLayer, target);
  FieldNext.clear();
  if (target + 1 < CheckpointCount)
    FieldNext = BuildCourseField(Heightmap, CheckpointLayer, target + 1);
  FieldTarget = target;
  BestProgress = FieldUnreachable;
  TicksWithoutProgress = 0;
  RecoveryTicks = 0;
}

struct KeyChoice {
  double Throttle, Steering;
};

static float FieldAt(const std::vector<float>& field, const BoatMotion& boat) {
  int probe = ProbeOffset(boat.X, boat.Z, boat.Heading);
  if (probe < 0 || field.empty()) return FieldUnreachable;
  return field[probe];
}

// A look-ahead run on a copy of the boat; its score is lower the better the run went.
struct LookAhead {
  BoatMotion Boat;
  int32_t Latch;
  int Blocked;
  int Steps;
  bool Reached;  // through the checkpoint; Score is final
  float Score;
};

static LookAhead StartLookAhead() {
  LookAhead run = {{BoatX, BoatZ, BoatHeading, BoatSpeed, BoatSwing}, CrashSoundState, 0, 0,
                   false, 0};
  return run;
}

static void Advance(LookAhead& run, KeyChoice keys, int ticks, int target) {
  for (int i = 0; i < ticks && !run.Reached; i++, run.Steps++) {
    run.Blocked += MoveBoat(run.Boat, keys.Throttle, keys.Steering, Heightmap, run.Latch);
    int probe = ProbeOffset(run.Boat.X, run.Boat.Z, run.Boat.Heading);
    if (probe >= 0 && CheckpointLayer[probe] == target) {
      // Through the gate: earlier is better; beyond it, the way on to the next one counts.
      // (A next checkpoint out of reach from here must not make this one look worse.)
      float after = FieldNext.empty() ? (float)run.Steps : FieldAt(FieldNext, run.Boat);
      run.Score = -ReachedBonus + std::min(after, ReachedBonus / 2) + BlockedPenalty * run.Blocked;
      run.Reached = true;
    }
  }
  if (!run.Reached)
    run.Score = FieldAt(FieldNow, run.Boat) + BlockedPenalty * run.Blocked + (float)run.Boat.Speed;
}

// The heading error (degrees, -180..180) toward the lowest water cell of the field around
// the boat's own cell; false when there is none lower than the cell itself.
static bool WayOnFromTheBoat(double& error) {
  int col0 = (int)std::lround(319 - BoatX / 4), row0 = (int)std::lround(-BoatZ / 4);
  float best = FieldUnreachable;
  int bestRow = row0, bestCol = col0;
  for (int r = row0 - LookAroundCells; r <= row0 + LookAroundCells; r++)
    for (int c = col0 - LookAroundCells; c <= col0 + LookAroundCells; c++) {
      if (r < 0 || r >= GridSize || c < 0 || c >= GridSize) continue;
      int cell = r * GridSize + c;
      if (Heightmap[cell] > BlockedMoveHeight || FieldNow[cell] >= best) continue;
      best = FieldNow[cell];
      bestRow = r;
      bestCol = c;
    }
  if (bestRow == row0 && bestCol == col0) return false;
  // Forward travel runs along (-cos, +sin) in (column, row).
  double wanted = std::atan2(bestRow - row0, -(bestCol - col0)) * 180 / M_PI;
  error = std::remainder(wanted - BoatHeading, 360.0);
  return true;
}

// A sample of both grids, enough to tell one level from another.
static uint32_t GridSignature() {
  uint32_t h = 2166136261u;
  for (int i = 0; i < 2 * GridBytes; i += 53) h = (h ^ LevelGrids[i]) * 16777619u;
  return h;
}

AutopilotKeys AutopilotDecide() {
  AutopilotKeys none = {false, false, false, false};
  uint32_t grids = GridSignature();
  if (TickCount < LastSeenTick || grids != SeenGrids) AutopilotReset();  // a new race
  SeenGrids = grids;
  LastSeenTick = TickCount;
  if (ScreenState != StateRace || TickCount <= KeysLiveAfterTick || FinishCounter > 0)
    return none;
  int target = LastCheckpoint + 1;
  PrepareFields(target);
  if (FieldNow.empty()) return AutopilotKeys{true, false, false, false};

  float progress = FieldAt(FieldNow, BoatMotion{BoatX, BoatZ, BoatHeading, 0, 0});
  if (progress < BestProgress - 0.5f) {
    BestProgress = progress;
    TicksWithoutProgress = 0;
  } else if (++TicksWithoutProgress > StuckTicks && RecoveryTicks == 0) {
    RecoveryTicks = RecoveryTicksMax;
  }
  if (RecoveryTicks > 0) {
    double error = 0;
    if (--RecoveryTicks > 0 && WayOnFromTheBoat(error) && std::fabs(error) > RecoveredWithin)
      return AutopilotKeys{true, false, error < 0, error > 0};
    RecoveryTicks = 0;
    TicksWithoutProgress = 0;
    BestProgress = progress;
  }

  static const double throttles[3] = {-0.01, 0.0, 0.01};
  static const double steerings[3] = {0.0, -0.5, 0.5};
  KeyChoice best = {Throttle, Steering};
  float bestScore = FieldUnreachable * 10;
  bool haveBest = false;
  for (double throttle : throttles)
    for (double steering : steerings) {
      // Down barely brakes at speed and takes the throttle part out of the turn: it only
      // helps to back away from a bank.
      if (throttle > 0 && BoatSpeed < -ReverseUsefulSpeed) continue;
      KeyChoice first = {throttle, steering};
      LookAhead opening = StartLookAhead();
      Advance(opening, first, FirstPartTicks, target);
      float score = opening.Score;
      if (!opening.Reached) {
        score = FieldUnreachable * 10;
        for (double later : steerings) {
          LookAhead run = opening;
          Advance(run, KeyChoice{-0.01, later}, SecondPartTicks, target);
          score = std::min(score, run.Score);
        }
      }
      // On a tie the keys already held win, so the boat does not twitch.
      bool current = throttle == Throttle && steering == Steering;
      if (!haveBest || score < bestScore || (score == bestScore && current)) {
        best = first;
        bestScore = score;
        haveBest = true;
      }
    }
  return AutopilotKeys{best.Throttle < 0, best.Throttle > 0, best.Steering < 0,
                       best.Steering > 0};
}

void ApplyAutopilotKeys(AutopilotKeys& held, const AutopilotKeys& wanted) {
  // Releases first, so a press of the opposite key is the one that counts.
  if (held.up && !wanted.up) BoatKeyUp(VK_UP_KEY);
  if (held.down && !wanted.down) BoatKeyUp(VK_DOWN_KEY);
  if (held.left && !wanted.left) BoatKeyUp(VK_LEFT_KEY);
  if (held.right && !wanted.right) BoatKeyUp(VK_RIGHT_KEY);
  if (!held.up && wanted.up) BoatKeyDown(VK_UP_KEY);
  if (!held.down && wanted.down) BoatKeyDown(VK_DOWN_KEY);
  if (!held.left && wanted.left) BoatKeyDown(VK_LEFT_KEY);
  if (!held.right && wanted.right) BoatKeyDown(VK_RIGHT_KEY);
  held = wanted;
}
