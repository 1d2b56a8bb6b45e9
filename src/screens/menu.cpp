#include "screens/menu.h"

#include "audio/sound.h"
#include "platform/bitmap.h"
#include "platform/cursor.h"
#include "screens/credits_form.h"
#include "screens/game_random.h"
#include "screens/level_map_form.h"
#include "screens/menu_rules.h"
#include "screens/race_result_form.h"
#include "shell/config.h"
#include "shell/form1.h"
#include "shell/options_form.h"
#include "shell/state.h"

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

namespace {
// The nine pictures, in their loading order.
struct TMenuPicture {
  TBitmap** Slot;
  const char* File;
  bool Transparent;
};
const TMenuPicture MenuPictures[9] = {
    {&MenuBackground, "data/menue3.jpg", false},
    {&MenuSelector, "data/menue2.jpg", true},
    {&MenuFlash1, "data/menue1.jpg", false},
    {&MenuFlash2, "data/menue4.jpg", false},
    {&ScreenBackground, "data/menue5.jpg", false},
    {&CreditsBackground, "data/menue6.jpg", false},
    {&NextArrow, "data/menue7.jpg", true},
    {&PrevArrow, "data/menue8.jpg", true},
    {&ResultBackground, "data/fame.jpg", false},
};

void DrawOnMenu(int x, int y, const TBitmap* picture) {
  if (Form1 && picture) Form1->Canvas.Draw(x, y, *picture);
}

void DrawSelectorOnly() {
  int top = SelectorTop(MenuSelection);
  if (top >= 0) DrawOnMenu(SelectorLeft, top, MenuSelector);
}

void ShowFullScreen(TForm* form) {
  form->SetBounds(0, 0, 800, 600);
  form->Show();
}
}  // namespace

void LoadMenuResources() {
  if (Form1) Form1->Cursor = crGame;
  for (const TMenuPicture& p : MenuPictures) {
    if (!*p.Slot) *p.Slot = new TBitmap();
  }
  for (const TMenuPicture& p : MenuPictures) {
    **p.Slot = LoadJpeg(p.File);
    (*p.Slot)->Transparent = p.Transparent;
  }
  std::vector<std::string> lines = ReadConfigLines(ConfigLineCount);
  MusicVolume = ConfigInteger(lines[3], 4);
  EffectsVolume = ConfigInteger(lines[4], 5);
  MusicOn = lines[5] == "0";
  LoadSampleBank();
}

void FreeMenuResources() {
  // No form may keep pointing at a picture that is gone.
  if (Form3) {
    Form3->Image1->SetPicture(nullptr);
    Form3->Image3->SetPicture(nullptr);
    Form3->Image4->SetPicture(nullptr);
  }
  if (Form6) Form6->Image1->SetPicture(nullptr);
  for (const TMenuPicture& p : MenuPictures) {
    delete *p.Slot;
    *p.Slot = nullptr;
  }
}

void ReturnToMenu(TForm& screen, bool withClick, bool leaveLoop) {
  ScreenState = StateMenu;
  DrawMenu();
  if (withClick) PlayEffect(EventChannel, ClickSample);
  screen.Hide();
  if (leaveLoop) LeaveLoop = true;
}

void DrawMenu() {
  DrawOnMenu(0, 0, MenuBackground);
  DrawSelectorOnly();
}

void MenuFrame() {
  int x = 0, y = 0;
  GetCursorPos(x, y);
  for (int item = 1; item <= 3; item++) {
    if (MenuItemAt(x, y) == item && MenuSelection != item) {
      DrawOnMenu(0, 0, MenuBackground);
      DrawOnMenu(SelectorLeft, SelectorTop(item), MenuSelector);
      MenuSelection = item;
    }
  }
}

void MenuMouseDown(int x, int y) {
  if (ScreenState != StateMenu) return;
  int item = MenuItemAt(x, y);
  if (item == 0) return;
  PlayEffect(EventChannel, ClickSample);
  if (item == 1) {
    ScreenState = StateLevelMap;
    LeaveLoop = true;
    Form3->Image1->SetPicture(ScreenBackground);
    ShowFullScreen(Form3);
  } else if (item == 2) {
    ScreenState = StateOptions;
    LeaveLoop = true;
    ShowFullScreen(Form2);
    if (ScreenBackground) Form2->Canvas.Draw(0, 0, *ScreenBackground);
  } else {
    ScreenState = StateCredits;
    LeaveLoop = true;
    ShowFullScreen(Form4);
    TickCount = 0;
    if (CreditsBackground) Form4->Canvas.Draw(0, 0, *CreditsBackground);
  }
}

void MenuTick() {
  ReseedFromClock();
  int roll = LightningStep == 0 ? GameRandom(200) : 0;
  LightningStep = NextLightningStep(LightningStep, roll);
  if (LightningStep == 0) return;
  TLightningAction action = LightningActionAt(LightningStep);
  const TBitmap* picture = nullptr;
  if (action.Picture == LightningPicture::Background) picture = MenuBackground;
  if (action.Picture == LightningPicture::Flash1) picture = MenuFlash1;
  if (action.Picture == LightningPicture::Flash2) picture = MenuFlash2;
  if (picture) DrawOnMenu(0, 0, picture);
  if (action.Thunder) PlayEffect(EngineChannel, ThunderSample);
  if (action.Ends) LightningStep = 0;
  if (picture) DrawSelectorOnly();
}
