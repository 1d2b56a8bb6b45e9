#pragma once
// Writes pictures as JPEG files for the texture loading tests.
#include <string>

#include "platform/bitmap.h"

void WriteTestJpeg(const std::string& path, const TBitmap& picture);
