#pragma once
// The credits window.
#include "platform/forms.h"

class TForm4 : public TForm {
 public:
  TForm4();  // builds the controls and runs FormCreate

  TPanel* Panel1 = nullptr;
  TLabel* Label1 = nullptr;  // the scrolling text, inside Panel1

  void FormCreate();
  void FormMouseDown(TMouseButton button, int x, int y) override;
  void FormKeyDown(int& key) override;
};

extern TForm4* Form4;
