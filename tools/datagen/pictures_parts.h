#pragma once
// The makers of the single pictures, one family per source file.
#include "picture_canvas.h"

// The keyed sprites leave out the colour of their bottom-left pixel. The screens paint
// exactly that colour, flat, wherever a sprite is drawn, so a background pixel that JPEG
// moved a step away from the key still matches what lies under it.
extern const Rgb kSelectorGround;  // menu panel behind the selector, x 550..599
extern const Rgb kArrowGround;     // level-map panel behind the two arrows

// Screens, 800 x 600.
enum class MenuSky { Calm, Flash, Afterglow };
Canvas MakeMenuPicture(MenuSky sky);
Canvas MakeLevelMapBackground();
Canvas MakeCreditsBackground();
Canvas MakeResultBackground();
Canvas MakeLoadingPicture();

// Keyed sprites.
Canvas MakeSelector();
Canvas MakeArrow(bool pointsRight);

// Textures.
Canvas MakeSummerLand();
Canvas MakeWinterLand();
Canvas MakeWater();
Canvas MakeSmoke();
Canvas MakeSnowflake();
Canvas MakeOsd();

// Intro title cards, 1..8, additive on black.
Canvas MakeIntroCard(int number);
