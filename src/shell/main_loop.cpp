// The main loop: the menu loop and the race loop, each alternating one frame with one pass
// of message processing; in every other state it only processes messages.
#include "audio/sound.h"
#include "platform/application.h"
#include "platform/cursor.h"
#include "render/display.h"
#include "render/form7.h"
#include "screens/menu.h"
#include "screens/race_result_form.h"
#include "shell/form1.h"
#include "shell/game_main.h"
#include "shell/state.h"

// A close of the game window by the window system ends the game from any screen.
static bool WindowClosing() {
  if (Application.CloseRequested) {
    LeaveLoop = true;
    QuitGame = true;
  }
  return Application.CloseRequested;
}

static void MenuBranch() {
  Form1->ThreadedTimer1.SetEnabled(true);
  DrawMenu();
  Form1->Update();
  do {
    MenuFrame();
    Application.ProcessMessages();
  } while (!LeaveLoop && !WindowClosing());
  LeaveLoop = false;
}

static void RaceBranch() {
  Form1->ThreadedTimer1.SetEnabled(true);
  LeaveLoop = false;
  Form7->Show();
  Form7->SetTop(0);
  Form7->SetLeft(0);
  Form7->Update();
  do {
    RaceFrame();
    Application.ProcessMessages();
  } while (!LeaveLoop && !WindowClosing());
  if (QuitGame) return;

  ReleaseContext();
  Form7->SetTop(600);
  Form7->SetLeft(0);
  Form7->Update();
  Form6->Update();
  Form7->Update();
  Application.ProcessMessages();
  MakeContextCurrent();
  ShowCursor(true);  // the level map hid it when it started the race
  ScreenState = StateMenu;
  LeaveLoop = false;
  StartSong("data/lomira.xm");
  StopEngineSound();
  if (MenuBackground) Form1->Canvas.Draw(0, 0, *MenuBackground);
  Form6->SetBounds(0, 0, 800, 600);
  Form6->Show();  // its FormShow evaluates the race
  if (Form6->Image1) Form6->Image1->SetPicture(ResultBackground);
  ScreenState = StateResult;
}

void MainLoop() {
  while (!QuitGame && !WindowClosing()) {
    if (ScreenState == StateMenu) MenuBranch();
    if (ScreenState == StateRace && !QuitGame) RaceBranch();
    Application.ProcessMessages();
  }
}
