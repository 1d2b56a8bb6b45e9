// Forms without a window: z-order, activation, key and mouse delivery.
#include <gtest/gtest.h>

#include <SDL.h>

#include "platform/application.h"
#include "platform/message_box.h"
#include "recording_form.h"

using Log = std::vector<std::string>;

TEST(FormZOrder, ShowRaisesAndActivatesHideActivatesTheNextBelow) {
  TRecordingForm a("a"), b("b");
  a.Show();
  EXPECT_EQ(TForm::ActiveForm(), &a);
  EXPECT_EQ(a.Log, (Log{"show", "activate"}));
  b.Show();
  EXPECT_EQ(TForm::ActiveForm(), &b);
  EXPECT_EQ(TForm::ZOrder().back(), &b);
  b.Hide();
  EXPECT_EQ(TForm::ActiveForm(), &a);
  EXPECT_EQ(a.Log, (Log{"show", "activate", "activate"}));
  // Showing a visible form again only raises it: no second FormShow.
  a.Show();
  EXPECT_EQ(a.Log.size(), 3u);
}

TEST(FormZOrder, FormParkedBelowTheScreenIsNeverActive) {
  TRecordingForm menu("menu"), scene("scene");
  menu.Show();
  scene.Show();
  EXPECT_EQ(TForm::ActiveForm(), &scene);
  scene.SetTop(600);  // parked below the visible screen
  EXPECT_EQ(TForm::ActiveForm(), &menu);
  scene.SetTop(0);
  EXPECT_EQ(TForm::ActiveForm(), &scene);
  EXPECT_EQ(scene.Log, (Log{"show", "activate", "activate"}));
}

TEST(FormZOrder, FormAtFindsTheTopmostVisibleFormUnderThePoint) {
  TRecordingForm back("back"), dialog("dialog");
  back.Show();
  dialog.SetBounds(200, 200, 100, 50);
  dialog.Show();
  EXPECT_EQ(TForm::FormAt(250, 220), &dialog);
  EXPECT_EQ(TForm::FormAt(199, 220), &back);
  EXPECT_EQ(TForm::FormAt(300, 220), &back);  // right edge is outside
  dialog.Hide();
  EXPECT_EQ(TForm::FormAt(250, 220), &back);
}

TEST(FormBounds, CanvasFollowsTheSizeAndKeepsWhatFits) {
  TRecordingForm f("f");
  TBitmap red;
  red.SetSize(10, 10);
  for (auto& b : red.Pixels) b = 0;
  for (int i = 0; i < 100; i++) red.Pixels[i * 3] = 255;
  f.Canvas.Draw(0, 0, red);
  f.SetBounds(0, 0, 5, 4);
  ASSERT_EQ(f.Canvas.Image.Width, 5);
  ASSERT_EQ(f.Canvas.Image.Height, 4);
  EXPECT_EQ(f.Canvas.Image.PixelAt(4, 3)[0], 255);
  EXPECT_EQ(f.Canvas.Painted[3 * 5 + 4], 1);
}

// --- keys ---

class KeyDelivery : public ::testing::Test {
 protected:
  TRecordingForm form{"form"};
  void SetUp() override { form.Show(); }
  void Press(int key) {
    Application.PostKeyDown(key);
    Application.ProcessMessages();
  }
};

TEST_F(KeyDelivery, FormWithoutControlsGetsKeysAndTheirPresses) {
  Press(VK_ESCAPE);
  EXPECT_EQ(form.Log, (Log{"show", "activate", "keydown 27", "keypress 27"}));
}

TEST_F(KeyDelivery, KeyPreviewSeesTheKeyFirstAndMaySwallowIt) {
  TEdit* edit = form.Add<TEdit>();
  form.KeyPreview = true;
  form.SwallowPress = 'x';
  Application.PostText("axb");
  Application.ProcessMessages();
  EXPECT_EQ(edit->Text, "ab");
  EXPECT_EQ(form.Log, (Log{"show", "activate", "keypress 97", "keypress 120", "keypress 98"}));
}

TEST_F(KeyDelivery, WithoutKeyPreviewTheFocusedControlAloneGetsTheKeys) {
  TEdit* edit = form.Add<TEdit>();
  Application.PostText("hi");
  Press(VK_BACK);
  EXPECT_EQ(edit->Text, "h");
  EXPECT_EQ(form.Log, (Log{"show", "activate"}));
}

TEST_F(KeyDelivery, SwallowedKeyDownNeverReachesTheControl) {
  TTrackBar* bar = form.Add<TTrackBar>();
  bar->SetBounds(0, 0, 100, 25);
  form.KeyPreview = true;
  form.SwallowKey = VK_RIGHT;
  Press(VK_RIGHT);
  EXPECT_EQ(bar->Position(), 0);
  Press(VK_LEFT);  // not swallowed, but clamped at Min
  form.SwallowKey = -1;
  Press(VK_RIGHT);
  EXPECT_EQ(bar->Position(), 1);
}

TEST_F(KeyDelivery, KeysGoToTheActiveFormOnly) {
  TRecordingForm top("top");
  top.Show();
  Press('A');
  EXPECT_EQ(form.Log, (Log{"show", "activate"}));
  EXPECT_EQ(top.Log.back(), "keydown 65");
  Application.PostKeyUp('A');
  Application.ProcessMessages();
  EXPECT_EQ(top.Log.back(), "keyup 65");
}

TEST_F(KeyDelivery, HiddenFocusedControlPassesTheFocusOn) {
  TEdit* first = form.Add<TEdit>();
  TEdit* second = form.Add<TEdit>();
  form.SetFocus(first);
  first->Visible = false;
  Application.PostText("z");
  Application.ProcessMessages();
  EXPECT_EQ(first->Text, "");
  EXPECT_EQ(second->Text, "z");
  second->Visible = false;  // nothing can take keys now: the form gets them
  Application.PostText("q");
  Application.ProcessMessages();
  EXPECT_EQ(form.Log.back(), "keypress 113");
}

TEST_F(KeyDelivery, HandlerErrorIsShownAndLaterEventsStillArrive) {
  std::vector<std::string> shown;
  MessageBoxHook = [&](const std::string& text, const std::string&, MsgButtons) {
    shown.push_back(text);
    return MsgResult::Ok;
  };
  TButton* button = form.Add<TButton>();
  int clicks = 0;
  button->OnClick = [&] {
    if (++clicks == 1) throw std::runtime_error("The level file data/level2.dcc is missing.");
  };
  Application.PostKeyDown(VK_RETURN);
  Application.PostKeyDown(VK_RETURN);
  Application.ProcessMessages();
  MessageBoxHook = nullptr;
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(shown, (Log{"The level file data/level2.dcc is missing."}));
}

TEST(MessagePass, HookRunsFirstAndItsInputArrivesInTheSamePass) {
  TRecordingForm form("form");
  form.Show();
  Application.OnMessagePass = [] { Application.PostKeyDown(VK_UP); };
  Application.ProcessMessages();
  Application.OnMessagePass = nullptr;
  EXPECT_EQ(form.Log.back(), "keydown 38");
}

TEST(CloseRequest, RunsTheActiveFormsFormCloseAndIsRemembered) {
  // The window system's close arrives as an event; posted input takes the same road.
  TRecordingForm form("form");
  form.Show();
  Application.Initialize();
  Application.CloseRequested = false;
  SDL_Event quit;
  SDL_zero(quit);
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
  Application.ProcessMessages();
  EXPECT_TRUE(Application.CloseRequested);
  EXPECT_EQ(form.Log.back(), "close");
  Application.CloseRequested = false;
}
