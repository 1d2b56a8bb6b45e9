#pragma once
// The application object: title, one pass of message processing, and a message loop of
// its own for the small setup dialog that runs before the game window exists.
#include <functional>
#include <string>

#include "platform/forms.h"

class TApplication {
 public:
  void Initialize();
  void SetTitle(const std::string& title);
  const std::string& Title() const { return title_; }

  // One pass: pump window-system events and deliver them to the live forms (the active
  // form first where it has KeyPreview), run a pending timer tick, repaint what changed.
  void ProcessMessages();

  // Called at the start of every pass of message processing (tests and the autopilot
  // inject input from here).
  std::function<void()> OnMessagePass;

  // Runs a message loop with `dialog` in a small window of its own (title: its Caption,
  // client area: its size, centred on the desktop) until Terminate(); the window is gone
  // afterwards. Closing that window runs the dialog's FormClose, sets CloseRequested and
  // ends the loop. Throws GameError when no window can be opened at all.
  void RunDialog(TForm* dialog);
  void Terminate() { terminated_ = true; }
  bool Terminated() const { return terminated_; }

  // Synthetic input, delivered by the next ProcessMessages exactly like real input
  // (used by the in-process game test and the autopilot).
  void PostKeyDown(int key);
  void PostKeyUp(int key);
  void PostText(const std::string& utf8);
  // A whole click: the pointer moves there, presses and lets go.
  void PostMouseDown(int x, int y, TMouseButton button = TMouseButton::Left);
  void PostMouseMove(int x, int y);
  // The press and the release alone, for drags.
  void PostMousePress(int x, int y, TMouseButton button = TMouseButton::Left);
  void PostMouseRelease(int x, int y, TMouseButton button = TMouseButton::Left);

  // Set when the window system asked the game window to close (close button, Alt+F4,
  // the session ending); the spine then ends the game in order.
  bool CloseRequested = false;

 private:
  std::string title_;
  bool terminated_ = false;
};

extern TApplication Application;
