#pragma once
// Input as the forms receive it, whether it came from the window system or was posted
// by a test or the autopilot: both go through DeliverInput.
#include <string>

#include "platform/forms.h"

struct TInputEvent {
  enum Kind { KeyDown, KeyUp, Text, MouseDown, MouseUp, MouseMove, CloseRequest, Expose };
  Kind Type = Expose;
  int Key = 0;                 // virtual-key code
  std::string Utf8;            // Text
  int X = 0, Y = 0;            // game pixels (dialog: the dialog's own pixels)
  TMouseButton Button = TMouseButton::Left;
};

// Hands one event to the forms: keys to the active form (or the running dialog), mouse
// presses to the topmost form under the pointer. Handlers' errors are shown in the
// error box and do not stop the delivery of later events.
void DeliverInput(const TInputEvent& event);
// The form that receives keys now: the running dialog, else the active form.
TForm* KeyTargetForm();
// Sets the cursor for the control or form under the last known mouse position.
void RefreshCursorUnderMouse();
// Where the mouse was last seen, in game pixels.
void LastMousePosition(int& x, int& y);
