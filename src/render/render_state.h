#pragma once
// Rendering state shared by the 3D drawing routines: texture names and the model table.
#include <cstdint>

extern uint32_t SmokeTexture, RiverTexture, WinterRiverTexture, WaterTexture, OsdTexture,
    SnowflakeTexture;
extern uint32_t IntroTexture[9];  // intro pictures 1..8 (index 0 unused)

// Display lists of the models: slot 0 the boat, odd slots 5..253 the scenery.
extern uint32_t ModelTable[256];
