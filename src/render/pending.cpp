// Placeholders until the 3D view lands; each goes when its real routine exists.
#include "render/display.h"
#include "render/loaders.h"
#include "render/render_state.h"
#include "render/scene.h"

uint32_t SmokeTexture, RiverTexture, WinterRiverTexture, WaterTexture, OsdTexture,
    SnowflakeTexture;
uint32_t IntroTexture[9];
uint32_t ModelTable[256];

void DisplaySetup() {}
void ReleaseContext() {}
void MakeContextCurrent() {}
void DeleteContext() {}
void SwapGameBuffers() {}
void RaceFrame() {}
uint32_t UploadTexture(const TBitmap&) { return 0; }
void LoadTextures() {}
uint32_t LoadModel(const std::string&, float, float, float) { return 0; }
void LoadModels() {}
void DrawTerrain(float, float, float) {}
void DrawBoat(float, float, float) {}
void DrawSceneObjects(float, float, float) {}
void DrawAllSceneObjects(float, float, float) {}
void DrawSpray(int, float, float, float, float) {}
void DrawSnow() {}
