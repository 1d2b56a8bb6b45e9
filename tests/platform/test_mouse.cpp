// Mouse presses: topmost form, topmost enabled control, control pixels, capture.
#include <gtest/gtest.h>

#include "platform/application.h"
#include "platform/cursor.h"
#include "recording_form.h"

using Log = std::vector<std::string>;

namespace {

void Click(int x, int y, TMouseButton button = TMouseButton::Left) {
  Application.PostMouseDown(x, y, button);
  Application.ProcessMessages();
}

void PostPressDragRelease(int x0, int y0, int x1, int y1) {
  Application.PostMouseMove(x0, y0);
  Application.PostMousePress(x0, y0);
  Application.PostMouseMove(x1, y1);
  Application.PostMouseRelease(x1, y1);
}

}  // namespace

TEST(MouseRouting, PressGoesToTheTopmostControlInItsOwnPixels) {
  TRecordingForm form("form");
  form.SetBounds(100, 50, 400, 300);
  form.Show();
  TImage* background = form.Add<TImage>();
  background->AutoSize = false;
  background->SetBounds(0, 0, 400, 300);
  TLabel* label = form.Add<TLabel>();
  label->AutoSize = false;
  label->SetBounds(20, 30, 50, 10);
  std::vector<std::string> got;
  background->OnMouseDown = [&](TMouseButton, int x, int y) {
    got.push_back("image " + std::to_string(x) + "," + std::to_string(y));
  };
  label->OnMouseDown = [&](TMouseButton b, int x, int y) {
    got.push_back("label " + std::to_string(x) + "," + std::to_string(y) +
                  (b == TMouseButton::Right ? " right" : ""));
  };
  Click(100 + 25, 50 + 35);
  Click(100 + 5, 50 + 5);
  Click(100 + 69, 50 + 39, TMouseButton::Right);  // last pixel of the label
  Click(100 + 70, 50 + 39);                       // just beside it
  EXPECT_EQ(got, (Log{"label 5,5", "image 5,5", "label 49,9 right", "image 70,39"}));
}

TEST(MouseRouting, PressBesideEveryControlGoesToTheFormInFormPixels) {
  TRecordingForm back("back"), front("front");
  back.Show();
  front.SetBounds(300, 300, 100, 100);
  front.Show();
  Click(310, 320);
  Click(10, 20);
  Click(900, 20);  // off the screen: nobody
  EXPECT_EQ(front.Log.back(), "mousedown 10,20");
  EXPECT_EQ(back.Log.back(), "mousedown 10,20");
  EXPECT_EQ(back.Log.size(), 3u);
}

TEST(MouseRouting, DisabledControlsAreLookedThroughWithTheirChildren) {
  TRecordingForm form("form");
  form.Show();
  TPanel* panel = form.Add<TPanel>();
  panel->SetBounds(100, 100, 200, 200);
  TLabel* inside = form.Add<TLabel>(panel);
  inside->AutoSize = false;
  inside->SetBounds(10, 10, 50, 50);
  bool labelClicked = false;
  inside->OnClick = [&] { labelClicked = true; };
  panel->SetEnabled(false);
  Click(115, 115);
  EXPECT_FALSE(labelClicked);
  EXPECT_EQ(form.Log.back(), "mousedown 115,115");
  panel->SetEnabled(true);
  Click(115, 115);
  EXPECT_TRUE(labelClicked);
}

TEST(MouseRouting, ChildOutsideItsParentIsNotHit) {
  TRecordingForm form("form");
  form.Show();
  TPanel* panel = form.Add<TPanel>();
  panel->SetBounds(100, 100, 50, 50);
  TLabel* label = form.Add<TLabel>(panel);
  label->AutoSize = false;
  label->SetBounds(0, 60, 50, 20);  // scrolled below the panel's visible area
  EXPECT_EQ(form.ControlAt(110, 165), nullptr);
  EXPECT_EQ(form.ControlAt(110, 110), panel);
}

TEST(MouseRouting, WindowedControlsLieAbovePicturesWhateverTheOrder) {
  TRecordingForm form("form");
  form.Show();
  TEdit* edit = form.Add<TEdit>();
  edit->SetBounds(0, 0, 100, 21);
  TImage* image = form.Add<TImage>();
  image->AutoSize = false;
  image->SetBounds(0, 0, 800, 600);
  EXPECT_EQ(form.ControlAt(5, 5), edit);
  EXPECT_EQ(form.ControlAt(5, 30), image);
}

TEST(MouseRouting, ButtonClicksOnReleaseInsideOnly) {
  TRecordingForm form("form");
  form.Show();
  TButton* button = form.Add<TButton>();
  button->SetBounds(10, 10, 100, 25);
  int clicks = 0;
  button->OnClick = [&] { clicks++; };
  Click(20, 20);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(form.FocusedControl(), button);
  // Pressed, dragged off, released: no click.
  PostPressDragRelease(20, 20, 300, 300);
  Application.ProcessMessages();
  EXPECT_EQ(clicks, 1);
}

TEST(MouseRouting, TrackBarFollowsTheDraggedThumb) {
  TRecordingForm form("form");
  form.Show();
  TTrackBar* bar = form.Add<TTrackBar>();
  bar->SetBounds(100, 100, 153, 25);
  bar->SetRange(0, 255);
  int changes = 0;
  bar->OnChange = [&] { changes++; };
  PostPressDragRelease(100 + bar->ChannelLeft(), 110, 100 + bar->ChannelRight() + 50, 110);
  Application.ProcessMessages();
  EXPECT_EQ(bar->Position(), 255);  // dragged past the end: clamped
  EXPECT_EQ(changes, 1);
  PostPressDragRelease(100 + bar->ChannelRight(), 110, 0, 110);
  Application.ProcessMessages();
  EXPECT_EQ(bar->Position(), 0);
}

TEST(MouseRouting, PointerPositionAndCursorFollowTheMouse) {
  TRecordingForm form("form");
  form.Cursor = crGame;
  form.Show();
  Application.PostMouseMove(612, 280);
  Application.ProcessMessages();
  int x = -1, y = -1;
  GetCursorPos(x, y);
  EXPECT_EQ(x, 612);
  EXPECT_EQ(y, 280);
}
