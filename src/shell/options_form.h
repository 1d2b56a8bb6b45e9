#pragma once
// The options screen window: detail level, particle budget, music and effects volumes and
// the music switch, saved to the configuration file through the back area.
#include <string>

#include "platform/forms.h"

class TForm2 : public TForm {
 public:
  TForm2();  // builds the controls and runs FormCreate

  TGroupBox* GroupBox1 = nullptr;  // " Options "
  TGroupBox* GroupBox2 = nullptr;  // " Video "
  TRadioButton* RadioButton1 = nullptr;
  TRadioButton* RadioButton2 = nullptr;
  TRadioButton* RadioButton3 = nullptr;
  TLabel* Label3 = nullptr;
  TTrackBar* TrackBar3 = nullptr;  // particles
  TLabel* Label5 = nullptr;
  TLabel* Label4 = nullptr;
  TGroupBox* GroupBox3 = nullptr;  // " Audio "
  TLabel* Label1 = nullptr;
  TTrackBar* TrackBar1 = nullptr;  // music volume
  TLabel* Label2 = nullptr;
  TTrackBar* TrackBar2 = nullptr;  // effects volume
  TCheckBox* CheckBox1 = nullptr;  // "Music off"

  // Reads the configuration and sets the controls from it. Throws FileError or
  // ConvertError when the file cannot be read or a number line is not a number.
  void FormCreate();
  void FormKeyDown(int& key) override;
  void FormMouseDown(TMouseButton button, int x, int y) override;
  void RadioButton1Click();
  void RadioButton2Click();
  void RadioButton3Click();
  void TrackBar1Change();
  void TrackBar2Change();
  void CheckBox1Click();

  // "1", "2" or "3" for the checked radio button.
  std::string CheckedDetail() const;
  // Writes the six lines the controls show. Throws FileError; the old file then stays.
  void SaveOptions();
};

extern TForm2* Form2;

// The back area of the options screen (inclusive).
inline constexpr int OptionsBackLeft = 50, OptionsBackRight = 200;
inline constexpr int OptionsBackTop = 500, OptionsBackBottom = 600;
