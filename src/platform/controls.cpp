// What every control shares: place, parents, enabling and the default mouse press.
#include "platform/control_look.h"
#include "platform/forms.h"

TControl::TControl(TForm* form, TControl* parent) : Form(form), Parent(parent) {
  if (parent) Font = parent->Font;  // a control takes its parent's font, as designed
}

void TControl::SetEnabled(bool enabled) { enabled_ = enabled; }

void TControl::SetBounds(int left, int top, int width, int height) {
  Left = left;
  Top = top;
  Width = width;
  Height = height;
}

int TControl::FormLeft() const { return Left + (Parent ? Parent->FormLeft() : 0); }
int TControl::FormTop() const { return Top + (Parent ? Parent->FormTop() : 0); }

bool TControl::Showing() const { return Visible && (!Parent || Parent->Showing()); }

bool TControl::EnabledWithParents() const {
  return enabled_ && (!Parent || Parent->EnabledWithParents());
}

bool TControl::Contains(int formX, int formY) const {
  int x = FormLeft(), y = FormTop();
  return formX >= x && formY >= y && formX < x + Width && formY < y + Height;
}

void TControl::MouseDown(TMouseButton button, int x, int y) {
  if (OnMouseDown) OnMouseDown(button, x, y);
  if (button == TMouseButton::Left && OnClick) OnClick();
}

uint64_t TControl::StateHash() const { return BaseControlHash(*this); }
