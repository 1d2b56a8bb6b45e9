#pragma once
// The boat's motion in one physics substep (throttle, coasting, swing, the two moves and
// the turn, each with its collision test), free of any shared state so that the autopilot
// can look ahead with the same arithmetic the race uses.
#include <cstdint>

inline constexpr int BlockedMoveHeight = 76;  // a move onto higher ground is taken back
inline constexpr int BlockedTurnHeight = 80;  // a turn onto higher ground is partly taken back

struct BoatMotion {
  double X, Z, Heading, Speed, Swing;
};

// Applies the crash latch for one blocked test.
void ApplyCrashLatch(int32_t& crashState, double throttle);

// Runs the motion part of a substep; returns how many of the three tests blocked. The crash
// latch is applied at each blocked test.
int MoveBoat(BoatMotion& boat, double throttle, double steering, const uint8_t* heightmap,
             int32_t& crashState);
