#pragma once
// The main menu: pictures loaded after the intro, the hover and click rules, lightning.
struct TBitmap;

extern int MenuSelection;  // 0 none, else the item last marked (1..3)
extern int LightningStep;

extern TBitmap* MenuBackground;
extern TBitmap* MenuSelector;
extern TBitmap* MenuFlash1;
extern TBitmap* MenuFlash2;
extern TBitmap* ScreenBackground;
extern TBitmap* CreditsBackground;
extern TBitmap* NextArrow;
extern TBitmap* PrevArrow;
extern TBitmap* ResultBackground;

inline bool InRange(int v, int lo, int hi) { return lo <= v && v <= hi; }

void LoadMenuResources();
void DrawMenu();
void MenuFrame();
void MenuTick();
void MenuMouseDown(int x, int y);  // FormMouseDown of the menu window, any button
void FreeMenuResources();          // shut-down: the decoder kept by LoadMenuResources
