// One-line edit box. Typed characters arrive as Windows-1252 bytes (the code page of the
// game's files), pass the OnKeyPress filter and are kept as UTF-8 text.
#include "platform/codepage.h"
#include "platform/control_look.h"
#include "platform/forms.h"
#include "platform/state_hash.h"

namespace {

size_t Utf8Length(const std::string& s) {
  size_t n = 0;
  for (unsigned char c : s)
    if ((c & 0xC0) != 0x80) n++;
  return n;
}

void EraseLastCharacter(std::string& s) {
  while (!s.empty()) {
    unsigned char c = (unsigned char)s.back();
    s.pop_back();
    if ((c & 0xC0) != 0x80) break;  // reached the lead byte
  }
}

}  // namespace

bool TEdit::KeyDown(int) { return false; }

bool TEdit::KeyPress(char key) {
  if (OnKeyPress) OnKeyPress(key);
  if (key == 0) return true;
  if (key == '\b') {
    EraseLastCharacter(Text);
    return true;
  }
  if ((unsigned char)key < 32) return true;  // Enter, Escape and other controls add nothing
  if ((int)Utf8Length(Text) >= MaxLength) return true;
  Text += Cp1252ToUtf8(std::string(1, key));
  return true;
}

void TEdit::TypeText(const std::string& utf8) {
  size_t i = 0;
  while (i < utf8.size()) {
    size_t n = 1;
    unsigned char c = (unsigned char)utf8[i];
    if (c >= 0xF0) n = 4;
    else if (c >= 0xE0) n = 3;
    else if (c >= 0xC0) n = 2;
    std::string one;
    if (Utf8ToCp1252(utf8.substr(i, n), one) && one.size() == 1) KeyPress(one[0]);
    i += n;  // characters the code page cannot hold are left out
  }
}

void TEdit::MouseDown(TMouseButton button, int x, int y) {
  Form->SetFocus(this);
  TControl::MouseDown(button, x, y);
}

uint64_t TEdit::StateHash() const {
  THasher h;
  h.Add(BaseControlHash(*this));
  h.Add(Text);
  bool focused = Form && Form->FocusedControl() == this;
  h.Add((uint64_t)(focused ? (CaretVisibleNow() ? 1 : 2) : 0));
  return h.Value;
}

void TEdit::Draw(TDrawList& d) {
  int x = FormLeft(), y = FormTop();
  d.FillRect(x, y, Width, Height, Enabled() ? clWindow : clBtnFace);
  DrawSunkenBorder(d, x, y, Width, Height);
  int textW = TDrawList::TextWidth(Font, Text);
  int room = Width - 8;
  int textX = x + 3;
  if (textW > room) textX -= textW - room;  // keep the end of a long text in view
  int lineHeight = TDrawList::LineHeight(Font);
  int textY = y + (Height - lineHeight) / 2;
  d.PushClip(x + 2, y + 2, Width - 4, Height - 4);
  DrawCaption(d, textX, textY, Font, Text, Enabled());
  bool focused = Form->FocusedControl() == this;
  if (focused && Enabled() && CaretVisibleNow())
    d.FillRect(textX + textW + 1, textY, 1, lineHeight, Font.Color);
  d.PopClip();
}
