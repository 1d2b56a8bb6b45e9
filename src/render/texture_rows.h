#pragma once
// Pixel rows as the texture upload hands them to GL: blue-green-red, bottom row first,
// each row padded to a multiple of 4 bytes (GL's default unpack alignment).
#include <cstdint>
#include <vector>

struct TBitmap;
std::vector<uint8_t> BottomUpBgrRows(const TBitmap& image);
