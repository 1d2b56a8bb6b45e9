#pragma once
// Text rendered with FreeType from the DejaVu fonts into coverage masks.
#include <string>

#include "picture_canvas.h"

// One of the fonts of the basic DejaVu package, optionally narrowed or slanted by the
// renderer (so the condensed and italic looks need no further font files).
struct FontFace {
  const char* file;  // file name under the DejaVu font directory
  float narrow = 1.0f;
  float slant = 0.0f;  // horizontal shift per unit of height
};

extern const FontFace kFontSansBold;
extern const FontFace kFontSans;
extern const FontFace kFontCondensedBold;
extern const FontFace kFontSerifBoldItalic;
extern const FontFace kFontSerifItalic;

struct TextFont {
  FontFace face;
  float pixels;           // em size in pixels
  float stretch = 1.0f;   // horizontal scale, for pictures shown stretched
  float tracking = 0.0f;  // extra pixels between letters
};

// `pad` blank pixels surround the ink so glows and outlines have room.
struct TextImage {
  Mask mask;
  int baseline = 0;  // mask row of the baseline
  int inkLeft = 0, inkRight = 0, inkTop = 0, inkBottom = 0;  // ink box in mask pixels
};

// Throws std::runtime_error when the font cannot be loaded.
TextImage RenderText(const std::string& utf8, const TextFont& font, int pad);
