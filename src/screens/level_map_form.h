#pragma once
// The level map window.
#include "platform/forms.h"

class TForm3 : public TForm {
 public:
  TForm3();  // builds the controls and runs FormCreate

  TImage* Image1 = nullptr;  // background; lower left area is the way back
  TLabel* Label1 = nullptr;  // level title
  TLabel* Label2 = nullptr;  // description, checkpoints, target time
  TImage* Image2 = nullptr;  // minimap; a click starts the race
  TImage* Image3 = nullptr;  // next-level arrow
  TImage* Image4 = nullptr;  // previous-level arrow
  TLabel* Label3 = nullptr;  // the locked-level message
  TLabel* Label4 = nullptr;  // start text
  TLabel* Label5 = nullptr;  // "Results" / "Map" toggle
  TLabel* Label6 = nullptr;  // column of best-times names
  TLabel* Label7 = nullptr;  // column of best times
  TLabel* Label8 = nullptr;  // "Load to Internet"

  void FormCreate();
  void FormShow() override;
  void FormKeyDown(int& key) override;
  void FormClose() override;
  void Image1MouseDown(TMouseButton button, int x, int y);
  void Image2MouseDown(TMouseButton button, int x, int y);
  void Image3MouseDown(TMouseButton button, int x, int y);
  void Image4MouseDown(TMouseButton button, int x, int y);
  void Label4MouseDown(TMouseButton button, int x, int y);
  void Label5Click();
  void Label8Click();
};

extern TForm3* Form3;
