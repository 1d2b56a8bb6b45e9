#pragma once
#include <string>
#include <cstdint>

// Decoded picture handed to the upload: width, height, 24-bit pixels.
struct TBitmap;
uint32_t UploadTexture(const TBitmap& image);
void LoadTextures();
uint32_t LoadModel(const std::string& fileName, float sx, float sy, float sz);
void LoadModels();
