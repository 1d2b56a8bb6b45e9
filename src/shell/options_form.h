#pragma once
// The options screen window.
#include "platform/forms.h"

class TForm2 : public TForm {
 public:
  TForm2();  // builds the controls and runs FormCreate
};

extern TForm2* Form2;
