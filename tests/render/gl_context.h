#pragma once
// The GL context of the drawing tests: the game window and its 800 x 600 drawing target,
// opened by the game's own display set-up.
#include <cstdint>
#include <vector>

#include "platform/bitmap.h"

// Opens the context once per process and sets the fixed state; later calls only reset
// the state the tests change (matrices, bound texture, flags).
void OpenTestContext();

// The 3D drawing target's pixels, RGB, top row first.
TBitmap ReadTestPixels();

// Saves a picture as a binary PPM, for looking at what a test drew.
void SaveTestPicture(const TBitmap& picture, const char* name);

// A picture of the given size filled with one colour (0xRRGGBB).
TBitmap SolidPicture(int width, int height, uint32_t rgb);
void SetPixel(TBitmap& picture, int x, int y, uint32_t rgb);
uint32_t PixelRgb(const TBitmap& picture, int x, int y);
