#pragma once
// The link status dialog of the result upload: progress lines and one button.
#include <string>

#include "platform/forms.h"

class TForm8 : public TForm {
 public:
  TForm8();  // builds the controls and runs FormCreate

  TLabel* Label1 = nullptr;    // the progress text, lines ended by CR LF
  TButton* Button1 = nullptr;  // "Cancel" while a request runs, "OK" afterwards

  void FormCreate();
  void FormShow() override;  // centred in the game's picture
  void Button1Click();

  void SetText(const std::string& text);
  // The text becomes its current text, CR LF and `line`.
  void Append(const std::string& line);
  void ShowButton(const std::string& caption);
};

extern TForm8* Form8;

inline constexpr int LinkDialogWidth = 331;
inline constexpr int LinkDialogHeight = 145;
// Room for one line of the progress text, a small margin left on both sides.
inline constexpr int LinkLineWidth = LinkDialogWidth - 8;
// The progress text's font: 11 pixels, red.
TFont LinkTextFont();
