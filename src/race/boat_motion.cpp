#include "race/boat_motion.h"

#include <cmath>

#include "race/probe_cell.h"

void ApplyCrashLatch(int32_t& crashState, double throttle) {
  if (crashState == 0) crashState = 1;
  if (throttle != 0 && crashState == 2) crashState = 3;
}

int MoveBoat(BoatMotion& boat, double throttle, double steering, const uint8_t* heightmap,
             int32_t& crashState) {
  int blocked = 0;
  if (boat.Speed < 2.0 && boat.Speed > -5.0) boat.Speed = boat.Speed + throttle;
  if (boat.Speed != 0 && throttle == 0) boat.Speed = boat.Speed * 0.992;
  if (boat.Swing != 0) boat.Swing = boat.Swing * 0.89;
  boat.Swing = boat.Swing - steering * boat.Speed / 2 - steering * throttle * 100;

  // Both moves and their probes use the heading the substep began with.
  double theta = boat.Heading / 2 * M_PI / 90;
  double cosTheta = std::cos(theta), sinTheta = std::sin(theta);
  boat.Z = boat.Z + sinTheta * boat.Speed;
  if (ProbeHeightAt(heightmap, boat.X, boat.Z, cosTheta, sinTheta) > BlockedMoveHeight) {
    boat.Z = boat.Z - sinTheta * boat.Speed;
    boat.Speed = boat.Speed * 0.9;
    ApplyCrashLatch(crashState, throttle);
    blocked++;
  }

  boat.X = boat.X - cosTheta * boat.Speed;
  if (ProbeHeightAt(heightmap, boat.X, boat.Z, cosTheta, sinTheta) > BlockedMoveHeight) {
    boat.X = boat.X + cosTheta * boat.Speed;
    boat.Speed = boat.Speed * 0.9;
    ApplyCrashLatch(crashState, throttle);
    blocked++;
  }

  boat.Heading = boat.Heading - steering * boat.Speed / 1.5 - steering * throttle * 150;
  if (ProbeHeight(heightmap, boat.X, boat.Z, boat.Heading) > BlockedTurnHeight) {
    // A quarter of the speed part and a third of the throttle part of the turn remain.
    boat.Heading = boat.Heading + steering * boat.Speed / 2 + steering * throttle * 100;
    ApplyCrashLatch(crashState, throttle);
    boat.Speed = boat.Speed * 0.9;
    blocked++;
  }
  return blocked;
}
