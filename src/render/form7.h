#pragma once
// The 3D window: intro and race window.
#include "platform/forms.h"

class TForm7 : public TForm {
 public:
  TForm7();  // builds the controls and runs FormCreate
};

extern TForm7* Form7;
