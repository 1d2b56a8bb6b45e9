#pragma once
// The race result window.
#include "platform/forms.h"

class TForm6 : public TForm {
 public:
  TForm6();  // builds the controls and runs FormCreate
};

extern TForm6* Form6;
