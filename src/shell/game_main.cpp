// The main routine: start-up in its fixed order, the main loop, the orderly shut-down.
#include "shell/game_main.h"

#include <cstdio>

#include "audio/sound.h"
#include "audio/soundlib.h"
#include "platform/application.h"
#include "platform/cursor.h"
#include "platform/display.h"
#include "platform/message_box.h"
#include "race/race_setup.h"
#include "render/display.h"
#include "render/form7.h"
#include "render/loaders.h"
#include "screens/credits_form.h"
#include "screens/intro.h"
#include "screens/level_map_form.h"
#include "screens/link_dialog.h"
#include "screens/menu.h"
#include "screens/race_result_form.h"
#include "shell/config.h"
#include "shell/errors.h"
#include "shell/form1.h"
#include "shell/options_form.h"
#include "shell/setup_dialog.h"
#include "shell/state.h"

static const char* const GameTitle = "Stay high, Stay free, Use \"Vontel\"";

static bool ClosingDuringStartup() { return Application.CloseRequested; }

// Start-up up to the first menu frame. Errors end the program (GameMain reports them).
static void Startup() {
  Application.Initialize();

  // Only the detail line decides here; a missing file stops before any window opens.
  std::vector<std::string> lines = ReadConfigLines(2);
  const std::string detailLine = lines[1];

  Application.SetTitle(GameTitle);
  if (detailLine == "0") RunSetupDialog();

  Form7 = new TForm7();
  Form1 = new TForm1();  // switches the display, makes the context, hides the cursor
  Form7->SetBounds(0, 0, 800, 600);
  Form7->Hide();
  ShowCursor(false);

  LoadModels();  // textures with the loading screen, models, the title decoder
  LoadLevel("intro");

  ScreenState = StateIntro;
  IntroStart();
  Form7->Show();
  Season = "normal";
  do {
    IntroFrame();
    Application.ProcessMessages();
  } while (!LeaveLoop && !ClosingDuringStartup());

  ReleaseContext();
  Form7->SetTop(600);
  Form7->SetLeft(0);
  Form1->SetTop(0);
  Form1->SetLeft(0);
  Form7->Update();
  Form1->Update();
  MakeContextCurrent();
  Application.ProcessMessages();

  StopTitleMusic();
  FSOUND_Init(44100, 42, 0);
  LoadMenuResources();
  LeaveLoop = false;

  Form2 = new TForm2();
  Form3 = new TForm3();
  Form4 = new TForm4();
  Form6 = new TForm6();
  Form8 = new TForm8();

  ScreenState = StateMenu;
  StartSong("data/lomira.xm");
  ShowCursor(true);
  MenuFrame();
  Form1->Update();
  ShowCursor(true);  // with the two hides of the display set-up the cursor now shows
}

void Shutdown() {
  TDisplayMode saved;
  saved.Width = SavedScreenWidth;
  saved.Height = SavedScreenHeight;
  saved.BitsPerPixel = SavedScreenDepth;
  RestoreDisplayMode(saved);
  FreeMenuResources();
  StopTitleMusic();
  CloseSound();
  ReleaseContext();
  DeleteContext();
  ShowCursor(true);
  CloseGameWindow();
}

int GameMain() {
  try {
    Startup();
    MainLoop();
  } catch (const GameError& error) {
    // The error report of a failed start-up: the player reads what is wrong, and the
    // display is given back before the program ends.
    std::fprintf(stderr, "vontel: %s\n", error.what());
    ShowErrorBox(error.what());
    if (SavedScreenWidth > 0) Shutdown();
    return 1;
  }
  Shutdown();
  return 0;
}
