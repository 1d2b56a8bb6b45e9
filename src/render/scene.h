#pragma once
// Per-frame drawing routines of the 3D view.
void DrawTerrain(float cx, float cy, float cz);
void DrawBoat(float bx, float by, float bz);
void DrawSceneObjects(float ox, float oy, float oz);     // scenery around the camera
void DrawAllSceneObjects(float ox, float oy, float oz);  // whole layer (the intro)
void DrawSpray(int emitter, float ox, float oy, float oz, float rise);
void DrawSnow();
