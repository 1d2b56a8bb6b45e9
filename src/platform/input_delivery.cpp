#include <exception>

#include "platform/application.h"
#include "platform/codepage.h"
#include "platform/cursor.h"
#include "platform/dialog_internal.h"
#include "platform/input_events.h"
#include "platform/message_box.h"

namespace {

int MouseX = 0, MouseY = 0;
TForm* CaptureForm = nullptr;        // the form and control that got the last press keep
TControl* CaptureControl = nullptr;  // the moves and the release until the button is up

bool StillExists(TForm* form) {
  for (TForm* f : TForm::ZOrder())
    if (f == form) return true;
  return false;
}

TForm* MouseTargetForm(int x, int y) {
  if (TForm* dialog = RunningDialog()) {
    if (x >= 0 && y >= 0 && x < dialog->Width() && y < dialog->Height()) return dialog;
    return nullptr;
  }
  return TForm::FormAt(x, y);
}

// Form pixels of a point: the dialog's window shows its form at 0,0.
void ToForm(TForm* form, int x, int y, int& fx, int& fy) {
  if (form == RunningDialog()) {
    fx = x;
    fy = y;
  } else {
    fx = x - form->Left();
    fy = y - form->Top();
  }
}

// Characters typed produce a key press after the key down, as the window system's
// message translation does; Enter, Backspace and Escape type control characters.
char PressForKey(int key) {
  switch (key) {
    case VK_RETURN: return '\r';
    case VK_BACK: return '\b';
    case VK_ESCAPE: return 27;
    default: return 0;
  }
}

void KeyDownToForm(int key) {
  TForm* form = KeyTargetForm();
  if (!form) return;
  TControl* focused = form->FocusedControl();
  if (!focused || form->KeyPreview) {
    form->FormKeyDown(key);
    if (key == 0) return;
  }
  if (focused) focused->KeyDown(key);
}

void KeyUpToForm(int key) {
  TForm* form = KeyTargetForm();
  if (!form) return;
  TControl* focused = form->FocusedControl();
  if (!focused || form->KeyPreview) form->FormKeyUp(key);
}

void KeyPressToForm(char key) {
  TForm* form = KeyTargetForm();
  if (!form) return;
  TControl* focused = form->FocusedControl();
  if (!focused || form->KeyPreview) {
    form->FormKeyPress(key);
    if (key == 0) return;
  }
  if (focused) focused->KeyPress(key);
}

void TypeText(const std::string& utf8) {
  size_t i = 0;
  while (i < utf8.size()) {
    unsigned char c = (unsigned char)utf8[i];
    size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    std::string one;
    if (Utf8ToCp1252(utf8.substr(i, n), one) && one.size() == 1) KeyPressToForm(one[0]);
    i += n;  // characters the code page cannot hold are left out
  }
}

void MouseDownAt(int x, int y, TMouseButton button) {
  TForm* form = MouseTargetForm(x, y);
  if (!form) return;
  int fx, fy;
  ToForm(form, x, y, fx, fy);
  TControl* control = form->InputControlAt(fx, fy);
  CaptureForm = form;
  CaptureControl = control;
  if (control) {
    if (control->CanFocus()) form->SetFocus(control);
    control->MouseDown(button, fx - control->FormLeft(), fy - control->FormTop());
  } else {
    form->FormMouseDown(button, fx, fy);
  }
}

// The captured control may have gone with its form; only a live one is told.
TControl* LiveCapture() {
  if (!CaptureForm || !StillExists(CaptureForm) || !CaptureControl) return nullptr;
  for (auto& c : CaptureForm->Controls())
    if (c.get() == CaptureControl) return CaptureControl;
  return nullptr;
}

void MouseMoveTo(int x, int y) {
  MouseX = x;
  MouseY = y;
  if (TControl* c = LiveCapture()) {
    int fx, fy;
    ToForm(CaptureForm, x, y, fx, fy);
    c->MouseMove(fx - c->FormLeft(), fy - c->FormTop());
  }
  RefreshCursorUnderMouse();
}

void MouseUpAt(int x, int y) {
  TControl* c = LiveCapture();
  TForm* form = CaptureForm;
  CaptureForm = nullptr;
  CaptureControl = nullptr;
  if (c) {
    int fx, fy;
    ToForm(form, x, y, fx, fy);
    c->MouseUp(fx - c->FormLeft(), fy - c->FormTop());
  }
}

void CloseRequested() {
  Application.CloseRequested = true;
  if (TForm* dialog = RunningDialog()) {
    dialog->FormClose();
    Application.Terminate();  // the dialog's window was its loop's main window
    return;
  }
  if (TForm* form = TForm::ActiveForm()) form->FormClose();
}

void Deliver(const TInputEvent& e) {
  switch (e.Type) {
    case TInputEvent::KeyDown: {
      KeyDownToForm(e.Key);
      if (char press = PressForKey(e.Key)) KeyPressToForm(press);
      break;
    }
    case TInputEvent::KeyUp: KeyUpToForm(e.Key); break;
    case TInputEvent::Text: TypeText(e.Utf8); break;
    case TInputEvent::MouseDown:
      MouseX = e.X;
      MouseY = e.Y;
      MouseDownAt(e.X, e.Y, e.Button);
      break;
    case TInputEvent::MouseUp: MouseUpAt(e.X, e.Y); break;
    case TInputEvent::MouseMove: MouseMoveTo(e.X, e.Y); break;
    case TInputEvent::CloseRequest: CloseRequested(); break;
    case TInputEvent::Expose: break;
  }
}

}  // namespace

TForm* KeyTargetForm() {
  if (TForm* dialog = RunningDialog()) return dialog;
  return TForm::ActiveForm();
}

void DeliverInput(const TInputEvent& event) {
  try {
    Deliver(event);
  } catch (const std::exception& error) {
    ShowErrorBox(error.what());
  }
}

void RefreshCursorUnderMouse() {
  TForm* form = MouseTargetForm(MouseX, MouseY);
  int cursor = crDefault;
  if (form) {
    int fx, fy;
    ToForm(form, MouseX, MouseY, fx, fy);
    // The first control up the chain with a cursor of its own decides, else the form.
    for (TControl* c = form->ControlAt(fx, fy); c && cursor == crDefault; c = c->Parent)
      cursor = c->Cursor;
    if (cursor == crDefault) cursor = form->Cursor;
  }
  SetActiveCursor(cursor);
}

void LastMousePosition(int& x, int& y) {
  x = MouseX;
  y = MouseY;
}
