#include "platform/control_look.h"
#include "platform/forms.h"
#include "platform/state_hash.h"
#include "platform/text_lines.h"

void TLabel::SetCaption(const std::string& caption) {
  Caption = caption;
  AdjustSize();
}

void TLabel::AdjustSize() {
  if (!AutoSize) return;
  TDrawList::MeasureText(Font, Caption, Width, Height);
}

uint64_t TLabel::StateHash() const {
  THasher h;
  h.Add(BaseControlHash(*this));
  h.Add(Caption);
  h.Add((uint64_t)Transparent);
  h.Add((uint64_t)Color);
  h.Add((uint64_t)Alignment);
  h.Add((uint64_t)CenterVertically);
  return h.Value;
}

void TLabel::Draw(TDrawList& d) {
  int x = FormLeft(), y = FormTop();
  if (!Transparent) d.FillRect(x, y, Width, Height, Color);
  std::vector<std::string> lines = SplitLines(Caption);
  int lineHeight = TDrawList::LineHeight(Font);
  int blockW, blockH;
  TDrawList::MeasureText(Font, Caption, blockW, blockH);
  int top = y;
  if (CenterVertically) top = y + (Height - blockH) / 2;
  for (size_t i = 0; i < lines.size(); i++) {
    int lineX = x;
    if (Alignment == AlignCenter) lineX = x + (Width - TDrawList::TextWidth(Font, lines[i])) / 2;
    DrawCaption(d, lineX, top + (int)i * lineHeight, Font, lines[i], Enabled());
  }
}
