#include "screens/credits_form.h"

#include "audio/sound.h"
#include "platform/cursor.h"
#include "screens/credits_text.h"
#include "screens/menu.h"
#include "shell/state.h"

TForm4* Form4 = nullptr;

TForm4::TForm4() {
  Color = 0x000000;
  Panel1 = Add<TPanel>();
  Panel1->SetBounds(456, 192, 361, 369);
  Panel1->Color = 0x000000;
  Panel1->Bevel = false;
  Panel1->SetEnabled(false);
  Label1 = Add<TLabel>(Panel1);
  Label1->Left = 88;
  Label1->Alignment = TLabel::AlignCenter;
  Label1->Font.Color = 0xFFFFFF;
  Label1->Font.Height = 13;
  Label1->Transparent = true;
  Label1->AutoSize = true;
  Label1->SetEnabled(false);
  FormCreate();
}

void TForm4::FormCreate() {
  Cursor = crGame;
  const std::vector<std::string>& lines = CreditsLines();
  Label1->SetCaption(lines[0] + "\n\r");
  Label1->Top = CreditsStartTop;
  std::string text = Label1->Caption;
  for (size_t i = 1; i < lines.size(); i++) text += lines[i] + "\n\r";
  Label1->SetCaption(text);
}

void TForm4::FormMouseDown(TMouseButton button, int x, int y) {
  // The two areas share the column x = 180: a click there goes back and then quits.
  if (InRange(x, 50, 180) && InRange(y, 500, 600)) {
    ReturnToMenu(*this, true);
  }
  if (InRange(x, 180, 340) && InRange(y, 500, 600)) {
    ScreenState = StateClosing;
    LeaveLoop = true;
    QuitGame = true;
    Hide();
  }
}

void TForm4::FormKeyDown(int& key) {
  if (key != VK_ESCAPE) return;
  ReturnToMenu(*this, false);
}

void CreditsTick() {
  if (Form4) Form4->Label1->Top = CreditsLabelTop(TickCount, Form4->Label1->Top);
}
