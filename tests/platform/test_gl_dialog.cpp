// The small dialog window with its own loop, before any game window exists.
#include <gtest/gtest.h>

#include <cstdlib>

#include <SDL.h>

#include "platform/application.h"
#include "platform/display.h"
#include "platform/forms.h"

namespace {

class TSetupLike : public TForm {
 public:
  bool EndAtShow = false;
  int Shows = 0, Closes = 0;
  TButton* Button1;
  TSetupLike() {
    Caption = "Vontel";
    SetBounds(0, 0, 243, 248);
    Color = 0xD4D0C8;
    Button1 = Add<TButton>();
    Button1->SetBounds(8, 208, 113, 25);
    Button1->Caption = "Start and Save";
    Button1->OnClick = [] { Application.Terminate(); };
  }
  void FormShow() override {
    Shows++;
    if (EndAtShow) Application.Terminate();
  }
  void FormClose() override { Closes++; }
};

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X display (run under xvfb-run)";
    Application.Initialize();
  }
  void TearDown() override { Application.OnMessagePass = nullptr; }
};

}  // namespace

TEST_F(DialogTest, ButtonClickEndsTheLoopAndTheWindowGoes) {
  TSetupLike dialog;
  int passes = 0;
  Application.OnMessagePass = [&] {
    if (++passes == 3) Application.PostMouseDown(8 + 50, 208 + 10);  // the dialog's pixels
    if (passes > 100000) Application.Terminate();                    // a broken click
  };
  Application.RunDialog(&dialog);
  EXPECT_LT(passes, 100000);
  EXPECT_EQ(dialog.Shows, 1);
  EXPECT_FALSE(dialog.Visible());
  EXPECT_FALSE(Application.Terminated());
  // Nothing of the dialog is left: the game window can follow.
  EXPECT_EQ(SDL_GL_GetCurrentContext(), nullptr);
}

TEST_F(DialogTest, EndingInFormShowNeverRunsTheLoop) {
  TSetupLike dialog;
  dialog.EndAtShow = true;
  int passes = 0;
  Application.OnMessagePass = [&] { passes++; };
  Application.RunDialog(&dialog);
  EXPECT_EQ(passes, 0);
  EXPECT_EQ(dialog.Shows, 1);
}

TEST_F(DialogTest, ClosingTheWindowRunsFormCloseAndEndsTheLoop) {
  TSetupLike dialog;
  Application.CloseRequested = false;
  int passes = 0;
  Application.OnMessagePass = [&] {
    if (++passes != 2) return;
    SDL_Event close;
    SDL_zero(close);
    close.type = SDL_WINDOWEVENT;
    close.window.event = SDL_WINDOWEVENT_CLOSE;
    close.window.windowID = SDL_GetWindowID(SDL_GL_GetCurrentWindow());
    SDL_PushEvent(&close);
  };
  Application.RunDialog(&dialog);
  EXPECT_EQ(dialog.Closes, 1);
  EXPECT_TRUE(Application.CloseRequested);
  Application.CloseRequested = false;
}
