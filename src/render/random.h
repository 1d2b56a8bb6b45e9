#pragma once
// The program's random number generator: seeded from the clock when the models load,
// drawn from by the particles and the intro's shake.
void Randomize();
int Random(int n);  // a whole number from 0 to n - 1; 0 when n is 0 or less
