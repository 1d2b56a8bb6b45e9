#pragma once
// The wave that moves the water, the boat and the camera up and down.
double SinDegrees(double degrees);
double CosDegrees(double degrees);
// Camera and boat bob: sin(100 degrees x phase) x (|throttle| - 2) / 5.
double BobOffset(double wavePhase, double throttle);
// Water surface height at grid row j: 20 + sin(100 degrees x (j + phase)) / 2.
double WaterHeight(int j, double wavePhase);
// Whole-number rounding of the camera windows: nearest, halves to the even neighbour.
int RoundHalfEven(double value);
