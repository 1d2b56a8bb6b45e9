// Horizontal track bar: a sunken channel, a thumb dragged along it, optional tick marks.
#include <algorithm>
#include <cmath>

#include "platform/control_look.h"
#include "platform/forms.h"
#include "platform/state_hash.h"

namespace {
const int ThumbWidth = 11;
}

int TTrackBar::ChannelLeft() const { return ThumbWidth / 2 + 3; }
int TTrackBar::ChannelRight() const { return std::max(ChannelLeft(), Width - ThumbWidth / 2 - 4); }

int TTrackBar::ThumbCenter() const {
  if (Max <= Min) return ChannelLeft();
  return ChannelLeft() + (int)std::lround((double)(position_ - Min) *
                                          (ChannelRight() - ChannelLeft()) / (Max - Min));
}

void TTrackBar::SetPosition(int position) {
  position = std::clamp(position, Min, std::max(Min, Max));
  if (position == position_) return;
  position_ = position;
  if (OnChange) OnChange();
}

void TTrackBar::SetRange(int min, int max) {
  Min = min;
  Max = std::max(min, max);
  SetPosition(position_);
}

bool TTrackBar::KeyDown(int key) {
  int page = std::max(1, (Max - Min) / 10);
  switch (key) {
    case VK_LEFT: case VK_UP: SetPosition(position_ - 1); return true;
    case VK_RIGHT: case VK_DOWN: SetPosition(position_ + 1); return true;
    case VK_PRIOR: SetPosition(position_ - page); return true;
    case VK_NEXT: SetPosition(position_ + page); return true;
    case VK_HOME: SetPosition(Min); return true;
    case VK_END: SetPosition(Max); return true;
    default: return false;
  }
}

void TTrackBar::PositionFromX(int x) {
  int span = ChannelRight() - ChannelLeft();
  if (span <= 0 || Max <= Min) return;
  double t = (double)(x - ChannelLeft()) / span;
  SetPosition(Min + (int)std::lround(t * (Max - Min)));
}

void TTrackBar::MouseDown(TMouseButton button, int x, int y) {
  Form->SetFocus(this);
  if (OnMouseDown) OnMouseDown(button, x, y);
  if (button != TMouseButton::Left) return;
  dragging_ = true;
  PositionFromX(x);
}

void TTrackBar::MouseMove(int x, int) {
  if (dragging_) PositionFromX(x);
}

void TTrackBar::MouseUp(int x, int) {
  if (dragging_) PositionFromX(x);
  dragging_ = false;
}

uint64_t TTrackBar::StateHash() const {
  THasher h;
  h.Add(BaseControlHash(*this));
  h.Add((uint64_t)Min);
  h.Add((uint64_t)Max);
  h.Add((uint64_t)position_);
  h.Add((uint64_t)TickMarks);
  h.Add((uint64_t)(Form && Form->FocusedControl() == this));
  return h.Value;
}

void TTrackBar::Draw(TDrawList& d) {
  int x = FormLeft(), y = FormTop();
  bool enabled = EnabledWithParents();
  int channelY = y + 8;
  d.FillRect(x + ChannelLeft() - 2, channelY, ChannelRight() - ChannelLeft() + 4, 4,
             enabled ? clWindow : clBtnFace);
  DrawSunkenBorder(d, x + ChannelLeft() - 2, channelY, ChannelRight() - ChannelLeft() + 4, 4);
  if (TickMarks && Max > Min) {
    int span = ChannelRight() - ChannelLeft();
    int step = 1;
    while ((double)span * step / (Max - Min) < 4) step++;  // ticks at least 4 pixels apart
    for (int v = Min; v <= Max; v += step) {
      int tx = x + ChannelLeft() + (int)std::lround((double)(v - Min) * span / (Max - Min));
      d.FillRect(tx, y + 21, 1, 3, Font.Color);
    }
    d.FillRect(x + ChannelRight(), y + 21, 1, 3, Font.Color);
  }
  int thumbX = x + ThumbCenter() - ThumbWidth / 2;
  d.FillRect(thumbX, y + 2, ThumbWidth, 18, clBtnFace);
  DrawRaisedBorder(d, thumbX, y + 2, ThumbWidth, 18);
  if (!enabled) d.FillRect(thumbX + 4, y + 6, 3, 10, clBtnShadow);  // a greyed grip
  if (Form && Form->FocusedControl() == this)
    DrawFocusRect(d, x, y, Width, std::min(Height, 25), Font.Color);
}
