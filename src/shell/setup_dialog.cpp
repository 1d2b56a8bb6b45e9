// The first-run setup dialog. It runs in a small window of its own before the display
// mode changes, in the application's message loop, and ends that loop itself.
#include "shell/setup_dialog.h"

#include <cstdlib>

#include "platform/application.h"
#include "platform/message_box.h"
#include "shell/config.h"
#include "shell/errors.h"

void (*SetupDialogExit)(int status) = std::exit;

namespace {
constexpr uint32_t ButtonFace = 0xD4D0C8;
constexpr int DialogFontHeight = 11;

template <class T>
T* AddAt(TForm5* form, TControl* parent, int left, int top, int width, int height) {
  T* control = form->Add<T>(parent);
  control->SetBounds(left, top, width, height);
  control->Font.Height = DialogFontHeight;
  return control;
}

TLabel* AddLabel(TForm5* form, TControl* parent, int left, int top, const char* caption) {
  TLabel* label = AddAt<TLabel>(form, parent, left, top, 0, 0);
  label->SetCaption(caption);
  return label;
}

TRadioButton* AddRadio(TForm5* form, TControl* parent, int top, const char* caption) {
  TRadioButton* radio = AddAt<TRadioButton>(form, parent, 40, top, 193, 17);
  radio->Caption = caption;
  return radio;
}

// Line 2 as the file holds it; a file without a second line gives the empty line.
std::string DetailLine() { return ReadConfigLines(2)[1]; }
}  // namespace

TForm5::TForm5() {
  Caption = "Vontel";
  Color = ButtonFace;
  SetBounds(0, 0, SetupClientWidth, SetupClientHeight);

  GroupBox1 = AddAt<TGroupBox>(this, nullptr, 0, 0, 241, 193);
  GroupBox1->Caption = "Video";
  GroupBox1->Color = ButtonFace;
  Label4 = AddLabel(this, GroupBox1, 16, 24, "Select your prefert detail.");
  RadioButton1 = AddRadio(this, GroupBox1, 48, "Low Res (no smoke; solid water)");
  Label1 = AddLabel(this, GroupBox1, 56, 64, "[<600 MHz and no GeForce}");
  RadioButton2 = AddRadio(this, GroupBox1, 96, "Mid Res (smoke; solid water)");
  Label2 = AddLabel(this, GroupBox1, 56, 112, "[>600 MHz and no GeForce}");
  RadioButton3 = AddRadio(this, GroupBox1, 144, "Hi Res (smoke; transpartent water)");
  Label3 = AddLabel(this, GroupBox1, 56, 160, "[>800 MHz and GeForce}");
  RadioButton2->SetChecked(true);

  Button1 = AddAt<TButton>(this, nullptr, 8, 208, 113, 25);
  Button1->Caption = "Start and Save";
  Button1->OnClick = [this] { Button1Click(); };
  Button2 = AddAt<TButton>(this, nullptr, 128, 208, 113, 25);
  Button2->Caption = "Exit";
  Button2->OnClick = [this] { Button2Click(); };
  SetFocus(Button1);
}

std::string TForm5::CheckedDetail() const {
  if (RadioButton1->Checked()) return "1";
  if (RadioButton3->Checked()) return "3";
  return "2";
}

void TForm5::EndDialog() {
  Ended = true;
  Application.Terminate();
}

void TForm5::FormShow() {
  // Setup already done: nothing to ask.
  if (DetailLine() != "0") EndDialog();
}

void TForm5::Button1Click() {
  try {
    WriteConfigFile({ConfigHeader, CheckedDetail(), DefaultParticleCount, DefaultMusicVolume,
                     DefaultEffectsVolume, DefaultMusicOff});
  } catch (const GameError& e) {
    // The old file is still whole; the player may try again or exit.
    ShowErrorBox(e.what());
    return;
  }
  Saved = true;
  EndDialog();
}

void TForm5::Button2Click() {
  EndDialog();
  SetupDialogExit(0);
}

void TForm5::FormClose() { Button2Click(); }

void RunSetupDialog() {
  if (DetailLine() != "0") return;
  TForm5* Form5 = new TForm5();
  Application.RunDialog(Form5);
  delete Form5;
}
