#include "screens/level_map_form.h"

#include "audio/sound.h"
#include "platform/cursor.h"
#include "race/level_file.h"
#include "screens/handler_errors.h"
#include "screens/level_map.h"
#include "screens/level_map_rules.h"
#include "screens/menu.h"
#include "screens/upload.h"
#include "shell/state.h"

TForm3* Form3 = nullptr;

namespace {
constexpr uint32_t MapTextColor = 0xFF0000;

TLabel* AddMapLabel(TForm3* form, int left, int top, int height, const char* caption) {
  TLabel* label = form->Add<TLabel>();
  label->Left = left;
  label->Top = top;
  label->Font.Height = height;
  label->Font.Bold = true;
  label->Font.Color = MapTextColor;
  label->Transparent = true;
  label->SetCaption(caption);
  return label;
}

void PlayClick() { PlayEffect(EventChannel, ClickSample); }

// Shows level file `number` unless it is locked; errors are shown and count as refused.
bool ShowLevelNumber(int number) {
  bool shown = false;
  RunShowingErrors([&] { shown = LoadLevelInfo("level" + std::to_string(number) + ".dcc"); });
  return shown;
}
}  // namespace

TForm3::TForm3() {
  Color = 0x000000;
  KeyPreview = true;
  Image1 = Add<TImage>();
  Image1->OnMouseDown = [this](TMouseButton b, int x, int y) { Image1MouseDown(b, x, y); };
  Label1 = AddMapLabel(this, 392, 200, 16, "");
  Label1->Font.FixedPitch = true;
  Label2 = AddMapLabel(this, 392, 224, 11, "");
  Label2->Font.FixedPitch = true;
  Image2 = Add<TImage>();
  Image2->Left = 392;
  Image2->Top = 370;
  Image2->OnMouseDown = [this](TMouseButton b, int x, int y) { Image2MouseDown(b, x, y); };
  Image3 = Add<TImage>();
  Image3->SetBounds(700, 290, 57, 73);
  Image3->AutoSize = false;
  Image3->Transparent = true;
  Image3->OnMouseDown = [this](TMouseButton b, int x, int y) { Image3MouseDown(b, x, y); };
  Image4 = Add<TImage>();
  Image4->Left = 300;
  Image4->Top = 290;
  Image4->Transparent = true;
  Image4->OnMouseDown = [this](TMouseButton b, int x, int y) { Image4MouseDown(b, x, y); };
  Label3 = AddMapLabel(this, 30, 256, 16, "");
  Label4 = AddMapLabel(this, 392, 552, 13, "Click here or on Map to start the Game");
  Label4->OnMouseDown = [this](TMouseButton b, int x, int y) { Label4MouseDown(b, x, y); };
  Label5 = AddMapLabel(this, 624, 416, 16, "Results");
  Label5->OnClick = [this] { Label5Click(); };
  Label6 = AddMapLabel(this, 488, 368, 11, "");
  Label6->Visible = false;
  Label7 = AddMapLabel(this, 400, 368, 11, "");
  Label7->Visible = false;
  Label8 = AddMapLabel(this, 624, 448, 16, "Load to Internet");
  Label8->OnClick = [this] { Label8Click(); };
  FormCreate();
}

void TForm3::FormCreate() { Cursor = crGame; }

void TForm3::FormShow() {
  RunShowingErrors([] { LoadLevelInfo("level1.dcc"); });
  LevelOrdinal = 1;
}

void TForm3::FormKeyDown(int& key) {
  if (key != VK_ESCAPE) return;
  key = 0;
  ReturnToMenu(*this, false);
}

void TForm3::FormClose() { ScreenState = StateMenu; }

void TForm3::Image1MouseDown(TMouseButton, int x, int y) {
  if (!InRange(x, 50, 200) || !InRange(y, 500, 600)) return;
  ReturnToMenu(*this, true);
}

void TForm3::Image2MouseDown(TMouseButton, int, int) { StartRace(); }
void TForm3::Label4MouseDown(TMouseButton, int, int) { StartRace(); }

void TForm3::Image3MouseDown(TMouseButton, int, int) {
  PlayClick();
  LevelOrdinal = NextArrowStep(LevelOrdinal, FindLevelFile, ShowLevelNumber);
}

void TForm3::Image4MouseDown(TMouseButton, int, int) {
  PlayClick();
  LevelOrdinal = PrevArrowStep(LevelOrdinal, FindLevelFile, ShowLevelNumber);
}

void TForm3::Label5Click() {
  PlayClick();
  bool showMap = !Image2->Visible;
  Image2->Visible = showMap;
  Label5->SetCaption(showMap ? "Results" : "Map");
  Label6->Visible = !showMap;
  Label7->Visible = !showMap;
}

void TForm3::Label8Click() { UploadResult(); }
