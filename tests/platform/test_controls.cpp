// Control values: setters run handlers only on a change, radio groups, clamping,
// edit box filtering, label sizes.
#include <gtest/gtest.h>

#include "recording_form.h"

TEST(ControlValues, SettersRunHandlersOnlyWhenTheValueChanges) {
  TRecordingForm form("form");
  TCheckBox* box = form.Add<TCheckBox>();
  TTrackBar* bar = form.Add<TTrackBar>();
  bar->SetRange(0, 300);
  int clicks = 0, changes = 0;
  box->OnClick = [&] { clicks++; };
  bar->OnChange = [&] { changes++; };
  box->SetChecked(false);
  box->SetChecked(true);
  box->SetChecked(true);
  box->SetChecked(false);
  bar->SetPosition(0);
  bar->SetPosition(100);
  bar->SetPosition(100);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(changes, 1);
}

TEST(ControlValues, TrackBarClampsToItsRange) {
  struct Case { int min, max, set, expected; };
  const Case cases[] = {{0, 300, 301, 300}, {0, 300, -1, 0}, {0, 255, 170, 170},
                        {0, 255, 1000, 255}, {10, 20, 5, 10}};
  for (const Case& c : cases) {
    TRecordingForm form("form");
    TTrackBar* bar = form.Add<TTrackBar>();
    bar->SetRange(c.min, c.max);
    bar->SetPosition(c.set);
    EXPECT_EQ(bar->Position(), c.expected) << c.min << ".." << c.max << " set " << c.set;
  }
}

TEST(ControlValues, NarrowingTheRangeMovesThePositionAndTellsSo) {
  TRecordingForm form("form");
  TTrackBar* bar = form.Add<TTrackBar>();
  bar->SetRange(0, 300);
  bar->SetPosition(250);
  int changes = 0;
  bar->OnChange = [&] { changes++; };
  bar->SetRange(0, 100);
  EXPECT_EQ(bar->Position(), 100);
  EXPECT_EQ(changes, 1);
}

TEST(RadioGroups, CheckingOneClearsItsSiblingsOnlyAndRunsOnlyItsOwnClick) {
  TRecordingForm form("form");
  TGroupBox* video = form.Add<TGroupBox>();
  TGroupBox* other = form.Add<TGroupBox>();
  TRadioButton* low = form.Add<TRadioButton>(video);
  TRadioButton* mid = form.Add<TRadioButton>(video);
  TRadioButton* elsewhere = form.Add<TRadioButton>(other);
  std::vector<std::string> clicks;
  low->OnClick = [&] { clicks.push_back("low"); };
  mid->OnClick = [&] { clicks.push_back("mid"); };
  elsewhere->OnClick = [&] { clicks.push_back("elsewhere"); };
  low->SetChecked(true);
  elsewhere->SetChecked(true);
  mid->SetChecked(true);
  mid->SetChecked(true);
  EXPECT_FALSE(low->Checked());
  EXPECT_TRUE(mid->Checked());
  EXPECT_TRUE(elsewhere->Checked());
  EXPECT_EQ(clicks, (std::vector<std::string>{"low", "elsewhere", "mid"}));
}

TEST(EditBox, OnKeyPressFiltersAndMaxLengthLimits) {
  TRecordingForm form("form");
  TEdit* edit = form.Add<TEdit>();
  edit->MaxLength = 5;
  std::string seen;
  edit->OnKeyPress = [&](char& key) {
    seen += key == '\r' ? 'R' : key == '\b' ? 'B' : key;
    if (key == '#') key = 0;  // dropped
  };
  edit->TypeText("ab#c");
  edit->KeyPress('\r');
  edit->TypeText("defg");
  EXPECT_EQ(edit->Text, "abcde");
  edit->KeyPress('\b');
  EXPECT_EQ(edit->Text, "abcd");
  EXPECT_EQ(seen, "ab#cRdefgB");
}

TEST(EditBox, TypedCharactersAreWindows1252AndStoredAsUtf8) {
  TRecordingForm form("form");
  TEdit* edit = form.Add<TEdit>();
  std::vector<int> keys;
  edit->OnKeyPress = [&](char& key) { keys.push_back((unsigned char)key); };
  edit->TypeText("Jürgen€\xe4\xb8\x80");  // the last one has no place in the code page
  EXPECT_EQ(edit->Text, "Jürgen€");
  EXPECT_EQ(keys, (std::vector<int>{'J', 0xFC, 'r', 'g', 'e', 'n', 0x80}));
  edit->KeyPress('\b');
  edit->KeyPress('\b');
  EXPECT_EQ(edit->Text, "Jürge");  // a backspace takes a whole character
}

TEST(LabelSize, AutoSizeFollowsTheCaptionAndItsLineBreaks) {
  TRecordingForm form("form");
  TLabel* label = form.Add<TLabel>();
  label->Font.Height = 11;
  label->SetCaption("Checkpoints: 5");
  int oneLineW = label->Width, oneLineH = label->Height;
  EXPECT_GT(oneLineW, 40);
  EXPECT_GE(oneLineH, 11);
  // LF CR, CR LF and a lone LF each break once; a break at the end adds no line.
  label->SetCaption("Checkpoints: 5\n\rTime\r\nx\n\r");
  EXPECT_EQ(label->Width, oneLineW);
  EXPECT_EQ(label->Height, 3 * oneLineH);
  label->SetCaption("\n\rCheckpoints: 5");  // a leading break is an empty first line
  EXPECT_EQ(label->Height, 2 * oneLineH);
  // A caption assigned directly is measured too, before hit tests and drawing.
  label->Caption = "A";
  label->AdjustSize();
  EXPECT_LT(label->Width, oneLineW);
}

TEST(LabelSize, BiggerAndBoldFontsMeasureWider) {
  int w11, h11, w16, h16, wBold, hBold, wMono, hMono;
  TFont f;
  TDrawList::MeasureText(f, "Level not availible", w11, h11);
  f.Height = 16;
  TDrawList::MeasureText(f, "Level not availible", w16, h16);
  f.Bold = true;
  TDrawList::MeasureText(f, "Level not availible", wBold, hBold);
  f.FixedPitch = true;
  TDrawList::MeasureText(f, "iiii", wMono, hMono);
  int wMonoW, hMonoW;
  TDrawList::MeasureText(f, "WWWW", wMonoW, hMonoW);
  EXPECT_GT(w16, w11);
  EXPECT_GT(h16, h11);
  EXPECT_GT(wBold, w16);
  EXPECT_EQ(wMono, wMonoW);  // fixed pitch
  f.Height = 23;             // not preloaded: loaded on demand
  int w23, h23;
  TDrawList::MeasureText(f, "WWWW", w23, h23);
  EXPECT_GT(w23, wMonoW);
}

TEST(ImageSize, AutoSizeTakesThePicturesSize) {
  TRecordingForm form("form");
  TImage* image = form.Add<TImage>();
  TBitmap minimap;
  minimap.SetSize(160, 160);
  image->SetPicture(&minimap);
  EXPECT_EQ(image->Width, 160);
  EXPECT_EQ(image->Height, 160);
  TImage* fixed = form.Add<TImage>();
  fixed->AutoSize = false;
  fixed->SetBounds(700, 290, 57, 73);
  fixed->SetPicture(&minimap);
  EXPECT_EQ(fixed->Width, 57);
}

TEST(ControlFont, ControlsTakeTheirParentsFont) {
  TRecordingForm form("form");
  TGroupBox* box = form.Add<TGroupBox>();
  box->Font.Color = 0xFFFFFF;
  box->Font.Bold = true;
  TRadioButton* radio = form.Add<TRadioButton>(box);
  EXPECT_EQ(radio->Font.Color, 0xFFFFFFu);
  EXPECT_TRUE(radio->Font.Bold);
}
