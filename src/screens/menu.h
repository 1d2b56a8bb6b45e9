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

class TForm;

// The way back from a screen: state 2, the menu drawn again, the click where a click led
// back, the screen's own window hidden, and LeaveLoop (harmless where no inner loop runs;
// the result screen's back area leaves it alone).
void ReturnToMenu(TForm& screen, bool withClick, bool leaveLoop = true);

void LoadMenuResources();
void DrawMenu();
void MenuFrame();
void MenuTick();
void MenuMouseDown(int x, int y);  // FormMouseDown of the menu window, any button
void FreeMenuResources();          // shut-down: the decoder kept by LoadMenuResources
