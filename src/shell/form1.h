#pragma once
// The menu window: the main menu's drawing surface, owner of the 30 ms timer, and the
// window whose creation switches the display and builds the OpenGL context.
#include "platform/forms.h"
#include "platform/threaded_timer.h"

class TForm1 : public TForm {
 public:
  TForm1();  // runs FormCreate
  TThreadedTimer ThreadedTimer1;

  void FormCreate();
  void FormKeyDown(int& key) override;
  void FormActivate() override;
  void FormClose() override;
  void FormMouseDown(TMouseButton button, int x, int y) override;
};

extern TForm1* Form1;

// The timer's handler: counts the tick and runs the live screen's per-tick step.
void ThreadedTimer1Timer();
