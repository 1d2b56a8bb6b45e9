#pragma once
// Display mode, rendering context and the fixed OpenGL state (the menu window's
// creation), and the race frame.
void DisplaySetup();   // FormCreate of the menu window
void ReleaseContext();
void MakeContextCurrent();
void DeleteContext();
void SwapGameBuffers();
void RaceFrame();
