#include "screens/race_result_form.h"

#include "audio/sound.h"
#include "platform/codepage.h"
#include "platform/cursor.h"
#include "race/level_file.h"
#include "race/race_state.h"
#include "screens/handler_errors.h"
#include "screens/level_map.h"
#include "screens/level_map_rules.h"
#include "screens/menu.h"
#include "shell/state.h"

TForm6* Form6 = nullptr;

int RaceTicks = 0;
double RaceSeconds = 0.0;
int ListTimes[ListSlots] = {};
std::string ListNames[ListSlots];
int NewTimes[ListSlots + 1] = {};
std::string NewNames[ListSlots + 1];

namespace {
constexpr uint32_t ResultTextColor = 0xFF0000;

TLabel* AddResultLabel(TForm6* form, int left, int top, int height, bool bold) {
  TLabel* label = form->Add<TLabel>();
  label->Left = left;
  label->Top = top;
  label->Font.Height = height;
  label->Font.Bold = bold;
  label->Font.Color = ResultTextColor;
  label->Transparent = true;
  return label;
}

void ShowColumns(TForm6* form, const std::string& times, const std::string& names) {
  form->Label3->SetCaption(times);
  form->Label4->SetCaption(Cp1252ToUtf8(names));
}

}  // namespace

TForm6::TForm6() {
  Color = 0x808000;
  KeyPreview = true;
  Image1 = Add<TImage>();
  Image1->OnMouseDown = [this](TMouseButton b, int x, int y) { Image1MouseDown(b, x, y); };
  Label1 = AddResultLabel(this, 136, 144, 19, true);
  Label2 = AddResultLabel(this, 168, 216, 11, false);
  Label2->SetCaption("Enter your name");
  Label2->Visible = false;
  Edit1 = Add<TEdit>();
  Edit1->SetBounds(256, 208, 137, 21);
  Edit1->Visible = false;
  Edit1->OnKeyPress = [this](char& key) { Edit1KeyPress(key); };
  Label3 = AddResultLabel(this, 416, 208, 11, false);
  Label3->Visible = false;
  Label4 = AddResultLabel(this, 512, 208, 11, false);
  Label4->Visible = false;
}

void TForm6::FormShow() {
  Label3->Visible = false;
  Edit1->Visible = false;
  Label4->Visible = false;
  Label2->Visible = false;
  Edit1->Cursor = Image1->Cursor = Label2->Cursor = Label3->Cursor = Label4->Cursor = crGame;

  RaceTicks = TickCount - StartTicks;
  RaceSeconds = RaceSecondsOf(RaceTicks);
  bool beaten = BeatsTarget(FinishCounter, RaceSeconds, TargetTime);
  Label1->SetCaption(ResultSentence(RaceTicks, beaten));
  if (beaten) {
    LevelOrdinal++;
    int next = FindLevelFile(LevelOrdinal);
    if (next == 0) LevelOrdinal--;  // the raced level was the last one
    else RunShowingErrors([&] { UnlockLevel(next); });
  }

  for (int k = 0; k < ListSlots; k++) {
    ListTimes[k] = 0;
    ListNames[k].clear();
  }
  Label3->SetCaption("");
  Label4->SetCaption("");
  std::vector<BestTimeEntry> entries;
  if (!RunShowingErrors([&] { entries = ReadLevelBestTimes("data/" + CurrentLevelFile); })) return;
  std::string times, names;
  for (size_t k = 0; k < entries.size() && k < (size_t)ListSlots; k++) {
    ListTimes[k] = entries[k].Seconds;
    ListNames[k] = entries[k].PlayerName;
    AppendBestTimeLine(entries[k].Seconds, entries[k].PlayerName, times, names);
  }
  ShowColumns(this, times, names);

  if (FinishCounter == 0) {
    Label3->Visible = true;
    Label4->Visible = true;
    Label1->Visible = true;
  }
  if (OffersNameEntry(FinishCounter, ListTimes, RaceSeconds)) {
    Label2->Visible = true;
    Edit1->Visible = true;
    SetFocus(Edit1);
  }
}

void TForm6::Edit1KeyPress(char& key) {
  if (key != '\r') {
    // Refuse what the level file cannot store; Backspace passes.
    if (key != '\b' && !StorableNameByte((unsigned char)key)) key = 0;
    return;
  }
  key = 0;
  if (!Edit1->Visible) return;
  PlayEffect(EventChannel, ClickSample);
  Label1->SetCaption("Highscore");
  Edit1->Visible = false;
  Label2->Visible = false;
  Label3->Visible = true;
  Label4->Visible = true;
  Label3->SetCaption("");
  Label4->SetCaption("");

  MergeBestTime(ListTimes, ListNames, RaceSeconds, StorableName(Edit1->Text), NewTimes, NewNames);
  std::string times, names;
  std::vector<BestTimeEntry> entries;
  for (int k = 0; k < ListSlots; k++) {
    if (NewTimes[k] == 0) continue;
    AppendBestTimeLine(NewTimes[k], NewNames[k], times, names);
    entries.push_back({NewTimes[k], NewNames[k]});
  }
  ShowColumns(this, times, names);
  RunShowingErrors([&] { WriteBestTimes("data/" + CurrentLevelFile, entries); });
}

void TForm6::FormKeyDown(int& key) {
  if (key != VK_ESCAPE) return;
  key = 0;
  ReturnToMenu(*this, false);
}

void TForm6::Image1MouseDown(TMouseButton, int x, int y) {
  if (!InRange(x, 638, 800) || !InRange(y, 519, 600)) return;
  ReturnToMenu(*this, true, false);
}
