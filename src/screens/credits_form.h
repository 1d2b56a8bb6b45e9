#pragma once
// The credits window.
#include "platform/forms.h"

class TForm4 : public TForm {
 public:
  TForm4();  // builds the controls and runs FormCreate
};

extern TForm4* Form4;
