#pragma once
// Boat controls and physics. Key codes are Windows virtual-key codes.
#include <cstdint>

inline constexpr int VK_ESCAPE_KEY = 27;
inline constexpr int VK_LEFT_KEY = 37;
inline constexpr int VK_UP_KEY = 38;
inline constexpr int VK_RIGHT_KEY = 39;
inline constexpr int VK_DOWN_KEY = 40;

inline constexpr int KeysLiveAfterTick = 80;

// The 3D window's key handlers (the window itself only forwards to these). Escape sets
// LeaveLoop in every state; the window hides itself.
void BoatKeyDown(int key);
void BoatKeyUp(int key);
// One frame of physics: one substep for every tick passed since the previous frame.
void PhysicsStep();
// One fixed substep: motion, collisions, checkpoint and finish tests, crash sound.
void PhysicsSubstep();

// Crash sounds played since the last level load (for the race simulator's report).
extern int32_t CrashCount;
