// Placeholders until the screens land; each goes when its real routine exists.
#include "screens/credits.h"
#include "screens/intro.h"
#include "screens/level_map.h"
#include "screens/menu.h"

int MenuSelection = 0;
int LightningStep = 0;
TBitmap* MenuBackground = nullptr;
TBitmap* MenuSelector = nullptr;
TBitmap* MenuFlash1 = nullptr;
TBitmap* MenuFlash2 = nullptr;
TBitmap* ScreenBackground = nullptr;
TBitmap* CreditsBackground = nullptr;
TBitmap* NextArrow = nullptr;
TBitmap* PrevArrow = nullptr;
TBitmap* ResultBackground = nullptr;

void LoadMenuResources() {}
void DrawMenu() {}
void MenuFrame() {}
void MenuTick() {}
void MenuMouseDown(int, int) {}
void FreeMenuResources() {}
void IntroStart() {}
void IntroTick() {}
void IntroFrame() {}
void CreditsTick() {}

int LevelOrdinal = 1;
std::string CurrentLevelFile;
std::string LevelName;
int TargetTime = 0;
std::string TerrainName;
std::string MusicFile;
std::string BestTimeText;
std::string BestName;
void StartRace() {}
void ClearLevelMapStatus() {}
