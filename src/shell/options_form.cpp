// The options screen. Moving a control puts volumes and the music switch into effect at
// once; the detail level and the particle budget reach the game through the file, which
// the back area saves and Escape leaves alone.
#include "shell/options_form.h"

#include <initializer_list>
#include <vector>

#include "audio/sound.h"
#include "platform/cursor.h"
#include "platform/message_box.h"
#include "screens/menu.h"
#include "shell/config.h"
#include "shell/errors.h"
#include "shell/state.h"

TForm2* Form2 = nullptr;

namespace {
constexpr uint32_t OptionsBlack = 0x000000;
constexpr uint32_t OptionsWhite = 0xFFFFFF;
constexpr int OptionsFontHeight = 11;

template <class T>
T* AddAt(TForm2* form, TControl* parent, int left, int top, int width, int height) {
  T* control = form->Add<T>(parent);
  control->SetBounds(left, top, width, height);
  control->Font.Height = OptionsFontHeight;
  control->Font.Bold = true;
  control->Font.Color = OptionsWhite;
  return control;
}

TGroupBox* AddGroup(TForm2* form, TControl* parent, int left, int top, int width, int height,
                    const char* caption) {
  TGroupBox* group = AddAt<TGroupBox>(form, parent, left, top, width, height);
  group->Caption = caption;
  group->Color = OptionsBlack;
  return group;
}

TRadioButton* AddRadio(TForm2* form, TControl* parent, int top, const char* caption) {
  TRadioButton* radio = AddAt<TRadioButton>(form, parent, 16, top, 193, 17);
  radio->Caption = caption;
  return radio;
}

TLabel* AddLabel(TForm2* form, TControl* parent, int left, int top, const char* caption) {
  TLabel* label = AddAt<TLabel>(form, parent, left, top, 0, 0);
  label->SetCaption(caption);
  return label;
}

TTrackBar* AddTrackBar(TForm2* form, TControl* parent, int left, int top, int width, int max) {
  TTrackBar* bar = AddAt<TTrackBar>(form, parent, left, top, width, 25);
  bar->SetRange(0, max);
  bar->SetPosition(100);
  return bar;
}
}  // namespace

TForm2::TForm2() {
  Color = OptionsBlack;
  KeyPreview = true;

  GroupBox1 = AddGroup(this, nullptr, 0, 0, 257, 385, " Options ");
  GroupBox2 = AddGroup(this, GroupBox1, 16, 24, 225, 185, " Video ");
  RadioButton1 = AddRadio(this, GroupBox2, 24, "Low Res (no smoke)");
  RadioButton2 = AddRadio(this, GroupBox2, 56, "Mid Res (solid water)");
  RadioButton3 = AddRadio(this, GroupBox2, 88, "Hi Res (transparent water)");
  RadioButton1->SetChecked(true);
  Label3 = AddLabel(this, GroupBox2, 16, 136, "# Particles");
  TrackBar3 = AddTrackBar(this, GroupBox2, 80, 128, 129, 300);
  TrackBar3->TickMarks = false;
  Label5 = AddLabel(this, GroupBox2, 88, 152, "min 0");
  Label4 = AddLabel(this, GroupBox2, 160, 152, "max 300");

  GroupBox3 = AddGroup(this, GroupBox1, 16, 224, 225, 145, " Audio ");
  Label1 = AddLabel(this, GroupBox3, 16, 40, "Music");
  TrackBar1 = AddTrackBar(this, GroupBox3, 64, 32, 153, 255);
  Label2 = AddLabel(this, GroupBox3, 16, 72, "Effects");
  TrackBar2 = AddTrackBar(this, GroupBox3, 64, 64, 153, 255);
  CheckBox1 = AddAt<TCheckBox>(this, GroupBox3, 16, 112, 193, 17);
  CheckBox1->Caption = "Music off";

  // Handlers join after the design-time values are set, as the form designer has it.
  RadioButton1->OnClick = [this] { RadioButton1Click(); };
  RadioButton2->OnClick = [this] { RadioButton2Click(); };
  RadioButton3->OnClick = [this] { RadioButton3Click(); };
  TrackBar1->OnChange = [this] { TrackBar1Change(); };
  TrackBar2->OnChange = [this] { TrackBar2Change(); };
  CheckBox1->OnClick = [this] { CheckBox1Click(); };
  ActiveControl = GroupBox1;
  FormCreate();
}

void TForm2::FormCreate() {
  Cursor = crGame;
  for (TControl* control :
       std::initializer_list<TControl*>{GroupBox1, GroupBox2, GroupBox3, RadioButton1,
                                        RadioButton2, RadioButton3, TrackBar1, TrackBar2,
                                        TrackBar3, CheckBox1})
    control->Cursor = crGame;
  GroupBox1->Left = 500;
  GroupBox1->Top = 180;

  std::vector<std::string> lines = ReadConfigLines(ConfigLineCount);
  TrackBar3->SetEnabled(true);
  if (lines[1] == "1") {
    RadioButton1->SetChecked(true);
    TrackBar3->SetEnabled(false);
  }
  if (lines[1] == "2") RadioButton2->SetChecked(true);
  if (lines[1] == "3") RadioButton3->SetChecked(true);
  TrackBar3->SetPosition(ConfigInteger(lines[2], 3));
  TrackBar1->SetPosition(ConfigInteger(lines[3], 4));
  TrackBar2->SetPosition(ConfigInteger(lines[4], 5));
  CheckBox1->SetChecked(lines[5] == "1");
}

void TForm2::RadioButton1Click() { TrackBar3->SetEnabled(false); }
void TForm2::RadioButton2Click() { TrackBar3->SetEnabled(true); }
void TForm2::RadioButton3Click() { TrackBar3->SetEnabled(true); }

void TForm2::TrackBar1Change() { SetMusicVolume(TrackBar1->Position()); }
void TForm2::TrackBar2Change() { SetEffectsVolume(TrackBar2->Position()); }
void TForm2::CheckBox1Click() { SetMusicOff(CheckBox1->Checked()); }

std::string TForm2::CheckedDetail() const {
  if (RadioButton2->Checked()) return "2";
  if (RadioButton3->Checked()) return "3";
  return "1";
}

void TForm2::SaveOptions() {
  WriteConfigFile({ConfigHeader, CheckedDetail(), std::to_string(TrackBar3->Position()),
                   std::to_string(TrackBar1->Position()), std::to_string(TrackBar2->Position()),
                   CheckBox1->Checked() ? "1" : "0"});
}

void TForm2::FormMouseDown(TMouseButton button, int x, int y) {
  if (!InRange(x, OptionsBackLeft, OptionsBackRight) ||
      !InRange(y, OptionsBackTop, OptionsBackBottom))
    return;
  ReturnToMenu(*this, true);
  try {
    SaveOptions();
  } catch (const GameError& e) {
    // The file keeps its old settings whole; the player learns they were not saved.
    ShowErrorBox(e.what());
  }
}

void TForm2::FormKeyDown(int& key) {
  if (key != VK_ESCAPE) return;
  key = 0;
  ReturnToMenu(*this, false);
}
