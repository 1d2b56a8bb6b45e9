#pragma once
// The intro: the camera glides in over the intro level while eight pictures fade in and
// out over the scene.
void IntroStart();
void IntroTick();
// One frame: IntroDraw, then the buffer swap.
void IntroFrame();
// Draws the scene and the overlay of the current tick into the 3D drawing target.
void IntroDraw();
