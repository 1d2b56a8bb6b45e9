#pragma once
// Text rendered with FreeType from the DejaVu fonts into coverage masks.
#include <string>

#include "picture_canvas.h"

struct TextFont {
  const char* file;       // file name under the DejaVu font directory
  float pixels;           // em size in pixels
  float stretch = 1.0f;   // horizontal scale, for pictures shown stretched
  float tracking = 0.0f;  // extra pixels between letters
};

extern const char* const kFontSansBold;
extern const char* const kFontSans;
extern const char* const kFontCondensedBold;
extern const char* const kFontSerifBoldItalic;
extern const char* const kFontSerifItalic;

// `pad` blank pixels surround the ink so glows and outlines have room.
struct TextImage {
  Mask mask;
  int baseline = 0;  // mask row of the baseline
  int inkLeft = 0, inkRight = 0, inkTop = 0, inkBottom = 0;  // ink box in mask pixels
};

// Throws std::runtime_error when the font cannot be loaded.
TextImage RenderText(const std::string& utf8, const TextFont& font, int pad);
