#include "screens/menu_rules.h"

#include "screens/menu.h"

namespace {
struct TMenuItemRect {
  int Left, Right, Top, Bottom;
};
constexpr TMenuItemRect MenuItemRects[3] = {
    {600, 750, 270, 330},
    {600, 750, 350, 410},
    {600, 750, 440, 500},
};
}  // namespace

int MenuItemAt(int x, int y) {
  for (int item = 1; item <= 3; item++) {
    const TMenuItemRect& r = MenuItemRects[item - 1];
    if (InRange(x, r.Left, r.Right) && InRange(y, r.Top, r.Bottom)) return item;
  }
  return 0;
}

int SelectorTop(int item) {
  if (item < 1 || item > 3) return -1;
  return MenuItemRects[item - 1].Top;
}

TLightningAction LightningActionAt(int step) {
  TLightningAction action;
  switch (step) {
    case 3: case 7: case 10:
      action.Picture = LightningPicture::Flash1;
      break;
    case 4: case 8: case 18:
      action.Picture = LightningPicture::Background;
      break;
    case 11:
      action.Picture = LightningPicture::Background;
      action.Thunder = true;
      break;
    case 14:
      action.Picture = LightningPicture::Flash2;
      break;
    case 60:
      action.Ends = true;
      break;
    default:
      break;
  }
  return action;
}

int NextLightningStep(int step, int roll) {
  if (step == 0 && roll < 2) step = 1;
  if (step == 0) return 0;
  return step + 1;
}
