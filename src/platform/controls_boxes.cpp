// Group boxes and panels: containers that frame or fill the controls inside them.
#include "platform/control_look.h"
#include "platform/forms.h"
#include "platform/state_hash.h"

uint64_t TGroupBox::StateHash() const {
  THasher h;
  h.Add(BaseControlHash(*this));
  h.Add(Caption);
  h.Add((uint64_t)Color);
  h.Add((uint64_t)ParentBackground);
  return h.Value;
}

void TGroupBox::Draw(TDrawList& d) {
  int x = FormLeft(), y = FormTop();
  if (!ParentBackground) d.FillRect(x, y, Width, Height, Color);
  int lineHeight = TDrawList::LineHeight(Font);
  int frameTop = y + lineHeight / 2;
  int captionW = Caption.empty() ? 0 : TDrawList::TextWidth(Font, Caption);
  int captionX = x + 8;
  // Etched frame: a shadow line with a light line beside it; the top line leaves a gap
  // where the caption stands.
  for (int pass = 0; pass < 2; pass++) {
    uint32_t rgb = pass == 0 ? clBtnShadow : clBtnHighlight;
    int o = pass;
    int left = x + o, top = frameTop + o, right = x + Width - 2 + o, bottom = y + Height - 2 + o;
    if (captionW > 0) {
      d.FillRect(left, top, captionX - 2 - left, 1, rgb);
      d.FillRect(captionX + captionW + 2, top, right - (captionX + captionW + 2), 1, rgb);
    } else {
      d.FillRect(left, top, right - left, 1, rgb);
    }
    d.FillRect(left, top, 1, bottom - top, rgb);
    d.FillRect(left, bottom, right - left + 1, 1, rgb);
    d.FillRect(right, top, 1, bottom - top, rgb);
  }
  if (captionW > 0) DrawCaption(d, captionX, y, Font, Caption, Enabled());
}

uint64_t TPanel::StateHash() const {
  THasher h;
  h.Add(BaseControlHash(*this));
  h.Add((uint64_t)Color);
  h.Add((uint64_t)Bevel);
  return h.Value;
}

void TPanel::Draw(TDrawList& d) {
  int x = FormLeft(), y = FormTop();
  d.FillRect(x, y, Width, Height, Color);
  if (Bevel) {
    d.FillRect(x, y, Width, 1, clBtnHighlight);
    d.FillRect(x, y, 1, Height, clBtnHighlight);
    d.FillRect(x, y + Height - 1, Width, 1, clBtnShadow);
    d.FillRect(x + Width - 1, y, 1, Height, clBtnShadow);
  }
}
