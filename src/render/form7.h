#pragma once
// The 3D window: intro and race window. Black, borderless, 800 x 600; its content is the
// game's OpenGL picture. Its keys steer the boat.
#include "platform/forms.h"

class TForm7 : public TForm {
 public:
  TForm7();  // builds the controls and runs FormCreate
  void FormKeyDown(int& key) override;
  void FormKeyUp(int& key) override;
};

extern TForm7* Form7;
