#pragma once
// The makers of the single pictures, one family per source file.
#include "picture_canvas.h"

extern const Rgb kKeyColour;  // background left out when a keyed picture is drawn

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
