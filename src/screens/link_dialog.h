#pragma once
// The link status dialog of the result upload window.
#include "platform/forms.h"

class TForm8 : public TForm {
 public:
  TForm8();  // builds the controls and runs FormCreate
};

extern TForm8* Form8;
