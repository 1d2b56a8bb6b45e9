#include "shell/form1.h"

#include "render/display.h"
#include "screens/menu.h"
#include "shell/state.h"

TForm1* Form1 = nullptr;

TForm1::TForm1() {
  Caption = "Vontel";
  Color = 0x000000;
  SetBounds(0, 0, 800, 600);
  FormCreate();
  // The menu window is visible from its creation; the timer counts from here to the end.
  Show();
}

void TForm1::FormCreate() {
  DisplaySetup();
  ThreadedTimer1.OnTimer = ThreadedTimer1Timer;
  ThreadedTimer1.SetInterval(30);
  ThreadedTimer1.SetEnabled(true);
}

void TForm1::FormKeyDown(int& key) {
  if (key == VK_ESCAPE) {
    LeaveLoop = true;
    QuitGame = true;
  }
}

void TForm1::FormActivate() { DrawMenu(); }

void TForm1::FormClose() { ScreenState = StateClosing; }

void TForm1::FormMouseDown(TMouseButton button, int x, int y) { MenuMouseDown(x, y); }
