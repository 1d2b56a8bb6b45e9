#pragma once
// Boat controls and physics. Key codes are Windows virtual-key codes.
inline constexpr int VK_ESCAPE_KEY = 27;
inline constexpr int VK_LEFT_KEY = 37;
inline constexpr int VK_UP_KEY = 38;
inline constexpr int VK_RIGHT_KEY = 39;
inline constexpr int VK_DOWN_KEY = 40;

// The 3D window's key handlers (the window itself only forwards to these).
void BoatKeyDown(int key);
void BoatKeyUp(int key);
// One frame of physics: substeps for the ticks passed since the previous frame.
void PhysicsStep();
