#pragma once
// The first-run setup dialog: asks for the detail level and writes a complete
// configuration. Returns when "Start and Save" was pressed; "Exit" and the close box end
// the program at once without writing.
#include <string>

#include "platform/forms.h"

void RunSetupDialog();

// Ends the program from the dialog. The game exits with status 0; tests replace it.
extern void (*SetupDialogExit)(int status);

// The defaults the dialog writes after the detail digit.
inline constexpr const char* DefaultParticleCount = "100";
inline constexpr const char* DefaultMusicVolume = "170";
inline constexpr const char* DefaultEffectsVolume = "170";
inline constexpr const char* DefaultMusicOff = "0";

class TForm5 : public TForm {
 public:
  TForm5();  // builds the controls

  TGroupBox* GroupBox1 = nullptr;
  TLabel* Label4 = nullptr;
  TRadioButton* RadioButton1 = nullptr;
  TLabel* Label1 = nullptr;
  TRadioButton* RadioButton2 = nullptr;
  TLabel* Label2 = nullptr;
  TRadioButton* RadioButton3 = nullptr;
  TLabel* Label3 = nullptr;
  TButton* Button1 = nullptr;  // "Start and Save"
  TButton* Button2 = nullptr;  // "Exit"

  bool Ended = false;  // the dialog has ended its loop
  bool Saved = false;  // ... after writing the configuration

  void FormShow() override;
  void FormClose() override;
  void Button1Click();
  void Button2Click();
  // "1", "2" or "3" for the checked radio button.
  std::string CheckedDetail() const;
  void EndDialog();  // ends the dialog's message loop
};

inline constexpr int SetupClientWidth = 243;
inline constexpr int SetupClientHeight = 248;
