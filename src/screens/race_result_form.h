#pragma once
// The race result window.
#include "platform/forms.h"

class TForm6 : public TForm {
 public:
  TForm6();  // builds the controls and runs FormCreate
  // The background picture; the main loop sets it to ResultBackground after each race.
  TImage* Image1 = nullptr;
};

extern TForm6* Form6;
