#pragma once
// The world transform shared by the terrain and the scenery: from the identity, look 25
// degrees down, turn by the heading and the camera's yaw, and move the world by
// (cx, -35 - bob + dy, cz).
void ApplyWorldTransform(float cx, float dy, float cz);
// The current bob of camera and boat (from WavePhase and Throttle).
float CurrentBob();
