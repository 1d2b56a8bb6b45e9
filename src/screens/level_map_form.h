#pragma once
// The level map window.
#include "platform/forms.h"

class TForm3 : public TForm {
 public:
  TForm3();  // builds the controls and runs FormCreate
};

extern TForm3* Form3;
