#pragma once
// The race frame's picture, everything before the buffer swap: physics, boat, terrain,
// particles, scenery and the on-screen display quad.
void DrawRaceScene();
void DrawOsdQuad();
