#pragma once
// The race result window.
#include <string>

#include "platform/forms.h"
#include "screens/race_result_rules.h"

class TForm6 : public TForm {
 public:
  TForm6();  // builds the controls and runs FormCreate
  // The background picture; the main loop sets it to ResultBackground after each race.
  TImage* Image1 = nullptr;
  TLabel* Label1 = nullptr;  // result sentence, later "Highscore"
  TLabel* Label2 = nullptr;  // "Enter your name"
  TEdit* Edit1 = nullptr;    // player name; keeps the last name typed
  TLabel* Label3 = nullptr;  // column of times
  TLabel* Label4 = nullptr;  // column of names

  void FormShow() override;
  void FormKeyDown(int& key) override;
  void Edit1KeyPress(char& key);
  void Image1MouseDown(TMouseButton button, int x, int y);
};

extern TForm6* Form6;

// The race just shown and the list read for it (names in the level file's code page).
extern int RaceTicks;
extern double RaceSeconds;
extern int ListTimes[ListSlots];
extern std::string ListNames[ListSlots];
extern int NewTimes[ListSlots + 1];
extern std::string NewNames[ListSlots + 1];
