// Push buttons, radio buttons and check boxes.
#include "platform/control_look.h"
#include "platform/forms.h"
#include "platform/state_hash.h"

namespace {

bool HasFocus(TControl* c) { return c->Form && c->Form->FocusedControl() == c; }

}  // namespace

// --- push button ---

bool TButton::KeyDown(int key) {
  if (key != VK_RETURN && key != VK_SPACE) return false;
  if (OnClick) OnClick();
  return true;
}

void TButton::MouseDown(TMouseButton button, int x, int y) {
  Form->SetFocus(this);
  if (OnMouseDown) OnMouseDown(button, x, y);
  if (button == TMouseButton::Left) pressed_ = true;
}

void TButton::MouseUp(int x, int y) {
  bool inside = x >= 0 && y >= 0 && x < Width && y < Height;
  bool wasPressed = pressed_;
  pressed_ = false;
  if (wasPressed && inside && OnClick) OnClick();  // a press dragged off the button is no click
}

uint64_t TButton::StateHash() const {
  THasher h;
  h.Add(BaseControlHash(*this));
  h.Add(Caption);
  h.Add((uint64_t)pressed_);
  return h.Value;
}

void TButton::Draw(TDrawList& d) {
  int x = FormLeft(), y = FormTop();
  bool focused = HasFocus(this);
  d.FillRect(x, y, Width, Height, clBtnFace);
  if (focused) {
    d.FrameRect(x, y, Width, Height, 0x000000);
    if (pressed_) {
      d.FrameRect(x + 1, y + 1, Width - 2, Height - 2, clBtnShadow);
    } else {
      DrawRaisedBorder(d, x + 1, y + 1, Width - 2, Height - 2);
    }
  } else {
    DrawRaisedBorder(d, x, y, Width, Height);
  }
  int textW = TDrawList::TextWidth(Font, Caption);
  int lineHeight = TDrawList::LineHeight(Font);
  int shift = pressed_ ? 1 : 0;
  int tx = x + (Width - textW) / 2 + shift, ty = y + (Height - lineHeight) / 2 + shift;
  DrawCaption(d, tx, ty, Font, Caption, EnabledWithParents());
  if (focused) DrawFocusRect(d, x + 4, y + 4, Width - 8, Height - 8, 0x000000);
}

// --- radio button ---

void TRadioButton::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  if (!checked) return;
  for (auto& control : Form->Controls()) {
    auto* other = dynamic_cast<TRadioButton*>(control.get());
    if (other && other != this && other->Parent == Parent) other->checked_ = false;
  }
  if (OnClick) OnClick();
}

bool TRadioButton::KeyDown(int key) {
  if (key != VK_SPACE) return false;
  SetChecked(true);
  return true;
}

void TRadioButton::MouseDown(TMouseButton button, int x, int y) {
  Form->SetFocus(this);
  if (OnMouseDown) OnMouseDown(button, x, y);
  if (button == TMouseButton::Left) SetChecked(true);
}

uint64_t TRadioButton::StateHash() const {
  THasher h;
  h.Add(BaseControlHash(*this));
  h.Add(Caption);
  h.Add((uint64_t)checked_);
  return h.Value;
}

void TRadioButton::Draw(TDrawList& d) {
  int x = FormLeft(), y = FormTop();
  int lineHeight = TDrawList::LineHeight(Font);
  int h = Height > 0 ? Height : lineHeight;
  int cy = y + h / 2, cx = x + 6;
  bool enabled = EnabledWithParents();
  d.FillCircle(cx, cy, 6, clBtnShadow);
  d.FillCircle(cx + 1, cy + 1, 6, clBtnHighlight);
  d.FillCircle(cx, cy, 5, clDarkShadow);
  d.FillCircle(cx + 1, cy + 1, 5, clBtnFace);
  d.FillCircle(cx, cy, 4, enabled ? clWindow : clBtnFace);
  if (checked_) d.FillCircle(cx, cy, 2, enabled ? 0x000000 : clGrayText);
  int tx = x + 17, ty = y + (h - lineHeight) / 2;
  DrawCaption(d, tx, ty, Font, Caption, enabled);
  if (HasFocus(this) && !Caption.empty())
    DrawFocusRect(d, tx - 1, ty, TDrawList::TextWidth(Font, Caption) + 3, lineHeight,
                  Font.Color);
}

// --- check box ---

void TCheckBox::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  if (OnClick) OnClick();
}

bool TCheckBox::KeyDown(int key) {
  if (key != VK_SPACE) return false;
  SetChecked(!checked_);
  return true;
}

void TCheckBox::MouseDown(TMouseButton button, int x, int y) {
  Form->SetFocus(this);
  if (OnMouseDown) OnMouseDown(button, x, y);
  if (button == TMouseButton::Left) SetChecked(!checked_);
}

uint64_t TCheckBox::StateHash() const {
  THasher h;
  h.Add(BaseControlHash(*this));
  h.Add(Caption);
  h.Add((uint64_t)checked_);
  return h.Value;
}

void TCheckBox::Draw(TDrawList& d) {
  int x = FormLeft(), y = FormTop();
  int lineHeight = TDrawList::LineHeight(Font);
  int h = Height > 0 ? Height : lineHeight;
  int by = y + (h - 13) / 2;
  bool enabled = EnabledWithParents();
  d.FillRect(x, by, 13, 13, enabled ? clWindow : clBtnFace);
  DrawSunkenBorder(d, x, by, 13, 13);
  if (checked_) {
    uint32_t mark = enabled ? 0x000000 : clGrayText;
    // The tick: a short stroke down to the right, then a long one up.
    for (int i = 0; i < 3; i++) d.FillRect(x + 3 + i, by + 5 + i, 1, 3, mark);
    for (int i = 0; i < 4; i++) d.FillRect(x + 6 + i, by + 6 - i, 1, 3, mark);
  }
  int tx = x + 17, ty = y + (h - lineHeight) / 2;
  DrawCaption(d, tx, ty, Font, Caption, enabled);
  if (HasFocus(this) && !Caption.empty())
    DrawFocusRect(d, tx - 1, ty, TDrawList::TextWidth(Font, Caption) + 3, lineHeight,
                  Font.Color);
}
