// How the controls look, composed on a black options-like form and a grey dialog.
#include "gl_fixture.h"
#include "platform/forms.h"

namespace {

bool AnyPixelNear(const TBitmap& b, int x0, int y0, int w, int h, uint32_t rgb, int tolerance) {
  for (int y = y0; y < y0 + h; y++)
    for (int x = x0; x < x0 + w; x++) {
      const uint8_t* p = b.PixelAt(x, y);
      if (std::abs(p[0] - (int)(rgb >> 16)) <= tolerance &&
          std::abs(p[1] - (int)((rgb >> 8) & 0xFF)) <= tolerance &&
          std::abs(p[2] - (int)(rgb & 0xFF)) <= tolerance)
        return true;
    }
  return false;
}

}  // namespace

TEST_F(GameWindowTest, ControlsDrawTheirFacesCaptionsAndValues) {
  TForm form;
  form.Color = 0x000000;
  form.Show();
  TGroupBox* options = form.Add<TGroupBox>();
  options->SetBounds(500, 180, 257, 385);
  options->Caption = " Options ";
  options->Color = 0x000000;
  options->Font.Color = 0xFFFFFF;
  options->Font.Bold = true;
  TRadioButton* low = form.Add<TRadioButton>(options);
  low->SetBounds(16, 24, 200, 17);
  low->Caption = "Low Res (no smoke)";
  low->SetChecked(true);
  TTrackBar* music = form.Add<TTrackBar>(options);
  music->SetBounds(64, 64, 153, 25);
  music->SetRange(0, 255);
  music->SetPosition(255);
  TCheckBox* off = form.Add<TCheckBox>(options);
  off->SetBounds(16, 112, 120, 17);
  off->Caption = "Music off";
  off->SetChecked(true);
  TButton* button = form.Add<TButton>();
  button->SetBounds(112, 112, 113, 25);
  button->Caption = "Cancel";
  TEdit* edit = form.Add<TEdit>();
  edit->SetBounds(256, 208, 137, 21);
  edit->Text = "Anna";
  TLabel* red = form.Add<TLabel>();
  red->Left = 30;
  red->Top = 256;
  red->Font.Height = 16;
  red->Font.Bold = true;
  red->Font.Color = 0xFF0000;
  red->SetCaption("Level not availible. First play this!");
  TPanel* panel = form.Add<TPanel>();
  panel->SetBounds(30, 320, 200, 60);
  panel->Color = 0x000040;
  TLabel* scrolled = form.Add<TLabel>(panel);
  scrolled->Top = 40;
  scrolled->Alignment = TLabel::AlignCenter;
  scrolled->Font.Color = 0xFFFFFF;
  scrolled->SetCaption("Vontel\n\r \n\rCode \n\r*********");

  form.Update();
  TBitmap screen;
  ReadScreenPixels(screen);
  SavePicture(screen, "controls");

  // Button face and its caption.
  EXPECT_EQ(PixelRgb(screen, 112 + 10, 112 + 5), 0xD4D0C8u);
  EXPECT_TRUE(AnyPixelNear(screen, 112, 112, 113, 25, 0x000000, 40));
  // White bold group caption over the frame line.
  EXPECT_TRUE(AnyPixelNear(screen, 508, 180, 60, 14, 0xFFFFFF, 30));
  // The track bar's thumb stands at the right end for the maximum.
  int thumb = 500 + 64 + music->ThumbCenter();
  EXPECT_EQ(PixelRgb(screen, thumb, 180 + 64 + 10), 0xD4D0C8u);
  EXPECT_GT(thumb, 500 + 64 + 153 - 16);
  // Edit box: white field with dark text.
  EXPECT_EQ(PixelRgb(screen, 256 + 130, 208 + 10), 0xFFFFFFu);
  EXPECT_TRUE(AnyPixelNear(screen, 258, 210, 40, 17, 0x000000, 60));
  // Red label text, transparent elsewhere.
  EXPECT_TRUE(AnyPixelNear(screen, 30, 256, red->Width, red->Height, 0xFF0000, 40));
  EXPECT_EQ(PixelRgb(screen, 30 + red->Width + 3, 258), 0x000000u);
  // The label inside the panel is cut off at the panel's lower edge.
  EXPECT_TRUE(AnyPixelNear(screen, 30, 360, 200, 20, 0xFFFFFF, 40));
  EXPECT_FALSE(AnyPixelNear(screen, 30, 380, 200, 30, 0xFFFFFF, 40));
}

TEST_F(GameWindowTest, DisabledTrackBarAndRadioLookGreyed) {
  TForm form;
  form.Color = 0xD4D0C8;
  form.Show();
  TTrackBar* bar = form.Add<TTrackBar>();
  bar->SetBounds(20, 20, 129, 25);
  bar->TickMarks = false;
  bar->SetEnabled(false);
  TRadioButton* radio = form.Add<TRadioButton>();
  radio->SetBounds(20, 60, 200, 17);
  radio->Caption = "Hi Res (transparent water)";
  radio->SetEnabled(false);
  form.Update();
  TBitmap screen;
  ReadScreenPixels(screen);
  SavePicture(screen, "disabled");
  EXPECT_TRUE(AnyPixelNear(screen, 37, 60, 150, 17, 0x808080, 10));
  EXPECT_FALSE(AnyPixelNear(screen, 37, 60, 150, 17, 0x000000, 10));
}
