#pragma once
// The fonts of the controls: DejaVu Sans, Sans Bold, Sans Mono and Sans Mono Bold in one
// ImGui font atlas shared by every window. Text can be measured without any window or
// OpenGL context; only drawing needs the atlas uploaded as a texture.
#include <cstdint>

#include "platform/forms.h"

struct ImFont;
struct ImFontAtlas;

ImFontAtlas& SharedFontAtlas();
// The font for `font`; loaded into the atlas on first use. While a frame is being drawn
// the atlas cannot grow, and the nearest loaded height of the same face is used.
ImFont* FontFor(const TFont& font);
// Bumped whenever the atlas was rebuilt; a window uploads its font texture again then.
uint64_t FontAtlasGeneration();
// Set while a frame is drawn (the atlas must not change then).
void SetFontAtlasLocked(bool locked);
