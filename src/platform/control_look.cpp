#include "platform/control_look.h"

#include <chrono>

#include "platform/state_hash.h"

void DrawRaisedBorder(TDrawList& d, int x, int y, int w, int h) {
  d.FillRect(x, y, w, 1, clBtnHighlight);
  d.FillRect(x, y, 1, h, clBtnHighlight);
  d.FillRect(x, y + h - 1, w, 1, clDarkShadow);
  d.FillRect(x + w - 1, y, 1, h, clDarkShadow);
  d.FillRect(x + 1, y + h - 2, w - 2, 1, clBtnShadow);
  d.FillRect(x + w - 2, y + 1, 1, h - 2, clBtnShadow);
}

void DrawSunkenBorder(TDrawList& d, int x, int y, int w, int h) {
  d.FillRect(x, y, w, 1, clBtnShadow);
  d.FillRect(x, y, 1, h, clBtnShadow);
  d.FillRect(x + 1, y + 1, w - 2, 1, clDarkShadow);
  d.FillRect(x + 1, y + 1, 1, h - 2, clDarkShadow);
  d.FillRect(x, y + h - 1, w, 1, clBtnHighlight);
  d.FillRect(x + w - 1, y, 1, h, clBtnHighlight);
  d.FillRect(x + 1, y + h - 2, w - 2, 1, clBtnFace);
  d.FillRect(x + w - 2, y + 1, 1, h - 2, clBtnFace);
}

void DrawFocusRect(TDrawList& d, int x, int y, int w, int h, uint32_t rgb) {
  for (int i = 0; i < w; i += 2) {
    d.FillRect(x + i, y, 1, 1, rgb);
    d.FillRect(x + i, y + h - 1, 1, 1, rgb);
  }
  for (int i = 0; i < h; i += 2) {
    d.FillRect(x, y + i, 1, 1, rgb);
    d.FillRect(x + w - 1, y + i, 1, 1, rgb);
  }
}

void DrawCaption(TDrawList& d, int x, int y, const TFont& font, const std::string& text,
                 bool enabled) {
  if (enabled) {
    d.Text(x, y, font, text);
    return;
  }
  TFont grey = font;
  grey.Color = clBtnHighlight;
  d.Text(x + 1, y + 1, grey, text);
  grey.Color = clGrayText;
  d.Text(x, y, grey, text);
}

bool CaretVisibleNow() {
  using namespace std::chrono;
  auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  return (ms / 530) % 2 == 0;
}

uint64_t BaseControlHash(const TControl& c) {
  THasher h;
  h.Add((uint64_t)c.Left);
  h.Add((uint64_t)c.Top);
  h.Add((uint64_t)c.Width);
  h.Add((uint64_t)c.Height);
  h.Add((uint64_t)c.Visible);
  h.Add((uint64_t)c.Enabled());
  h.Add((uint64_t)c.Font.Height);
  h.Add((uint64_t)c.Font.Bold);
  h.Add((uint64_t)c.Font.FixedPitch);
  h.Add((uint64_t)c.Font.Color);
  return h.Value;
}
