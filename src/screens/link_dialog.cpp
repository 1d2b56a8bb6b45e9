#include "screens/link_dialog.h"

#include "audio/sound.h"
#include "platform/cursor.h"
#include "screens/upload.h"

TForm8* Form8 = nullptr;

namespace {
constexpr int DesktopWidth = 800;
constexpr int DesktopHeight = 600;
}  // namespace

TFont LinkTextFont() {
  TFont font;
  font.Height = 11;
  font.Color = 0xFF0000;
  return font;
}

TForm8::TForm8() {
  Caption = "Interlink";
  Color = 0x000000;
  SetBounds((DesktopWidth - LinkDialogWidth) / 2, (DesktopHeight - LinkDialogHeight) / 2,
            LinkDialogWidth, LinkDialogHeight);

  // Across the top, above the button; the lines are centred both ways.
  Label1 = Add<TLabel>();
  Label1->SetBounds(0, 0, LinkDialogWidth, 110);
  Label1->AutoSize = false;
  Label1->Alignment = TLabel::AlignCenter;
  Label1->CenterVertically = true;
  Label1->Font = LinkTextFont();
  Label1->SetCaption("Interlink");

  Button1 = Add<TButton>();
  Button1->SetBounds(112, 112, 113, 25);
  Button1->Caption = "OK";
  Button1->OnClick = [this] { Button1Click(); };
  FormCreate();
}

void TForm8::FormCreate() {
  Cursor = crGame;
  Button1->Cursor = crGame;
}

void TForm8::FormShow() {
  SetLeft((DesktopWidth - Width()) / 2);
  SetTop((DesktopHeight - Height()) / 2);
  SetFocus(Button1);
}

void TForm8::Button1Click() {
  PlayEffect(EventChannel, ClickSample);
  Hide();
  NMHTTP1.Cancel();
}

void TForm8::SetText(const std::string& text) { Label1->SetCaption(text); }

void TForm8::Append(const std::string& line) { SetText(Label1->Caption + "\r\n" + line); }

void TForm8::ShowButton(const std::string& caption) {
  Button1->Visible = true;
  Button1->Caption = caption;
}
