// The drawing calls of the controls, on an ImGui draw list. Without a draw list (logic
// tests) drawing does nothing, while measuring text still works.
#include <algorithm>
#include <cmath>

#include <imgui.h>

#include "platform/compositor.h"
#include "platform/fonts.h"
#include "platform/forms.h"
#include "platform/text_lines.h"

namespace {

ImU32 Colour(uint32_t rgb, int alpha = 255) {
  return IM_COL32((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF, alpha);
}

ImDrawList* List(const TDrawList& d) { return static_cast<ImDrawList*>(d.impl); }

int Leading(int fontSize) { return (int)std::lround(fontSize * 0.18); }

}  // namespace

void TDrawList::PushClip(int x, int y, int w, int h) {
  if (!impl) return;
  List(*this)->PushClipRect(ImVec2((float)(x + OriginX), (float)(y + OriginY)),
                            ImVec2((float)(x + w + OriginX), (float)(y + h + OriginY)), true);
}

void TDrawList::PopClip() {
  if (impl) List(*this)->PopClipRect();
}

void TDrawList::FillRect(int x, int y, int w, int h, uint32_t rgb, int alpha) {
  if (!impl || w <= 0 || h <= 0) return;
  float x0 = (float)(x + OriginX), y0 = (float)(y + OriginY);
  List(*this)->AddRectFilled(ImVec2(x0, y0), ImVec2(x0 + w, y0 + h), Colour(rgb, alpha));
}

void TDrawList::FrameRect(int x, int y, int w, int h, uint32_t rgb) {
  if (w <= 0 || h <= 0) return;
  FillRect(x, y, w, 1, rgb);
  FillRect(x, y + h - 1, w, 1, rgb);
  FillRect(x, y, 1, h, rgb);
  FillRect(x + w - 1, y, 1, h, rgb);
}

void TDrawList::Line(int x1, int y1, int x2, int y2, uint32_t rgb) {
  if (!impl) return;
  if (x1 == x2 || y1 == y2) {  // straight lines as whole pixels
    FillRect(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1, std::abs(y2 - y1) + 1,
             rgb);
    return;
  }
  List(*this)->AddLine(ImVec2(x1 + OriginX + 0.5f, y1 + OriginY + 0.5f),
                       ImVec2(x2 + OriginX + 0.5f, y2 + OriginY + 0.5f), Colour(rgb), 1.0f);
}

void TDrawList::FillCircle(int cx, int cy, int r, uint32_t rgb) {
  if (!impl || r <= 0) return;
  ImDrawList* list = List(*this);
  ImDrawListFlags flags = list->Flags;
  list->Flags |= ImDrawListFlags_AntiAliasedFill;  // round shapes look better smoothed
  list->AddCircleFilled(ImVec2(cx + OriginX + 0.5f, cy + OriginY + 0.5f), r + 0.5f, Colour(rgb),
                        24);
  list->Flags = flags;
}

int TDrawList::LineHeight(const TFont& font) {
  int size = (int)std::lround(FontFor(font)->FontSize);
  return size + Leading(size);
}

int TDrawList::TextWidth(const TFont& font, const std::string& line) {
  ImFont* f = FontFor(font);
  ImVec2 size = f->CalcTextSizeA(f->FontSize, 1e9f, 0.0f, line.data(), line.data() + line.size());
  return (int)std::ceil(size.x);
}

void TDrawList::MeasureText(const TFont& font, const std::string& utf8, int& w, int& h) {
  std::vector<std::string> lines = SplitLines(utf8);
  // A break at the very end starts no visible line.
  if (lines.size() > 1 && lines.back().empty()) lines.pop_back();
  w = 0;
  for (auto& line : lines) w = std::max(w, TextWidth(font, line));
  h = (int)lines.size() * LineHeight(font);
}

void TDrawList::Text(int x, int y, const TFont& font, const std::string& utf8) {
  if (!impl) return;
  ImFont* f = FontFor(font);
  int lineHeight = LineHeight(font);
  int top = y + OriginY + Leading((int)std::lround(f->FontSize)) / 2;
  int i = 0;
  for (auto& line : SplitLines(utf8)) {
    if (!line.empty())
      List(*this)->AddText(f, f->FontSize, ImVec2((float)(x + OriginX), (float)(top + i * lineHeight)),
                           Colour(font.Color), line.data(), line.data() + line.size());
    i++;
  }
}

void TDrawList::Picture(int x, int y, const TBitmap& picture, bool transparent) {
  if (!impl || picture.Width <= 0 || picture.Height <= 0) return;
  if (picture.Pixels.size() < (size_t)picture.Width * picture.Height * 3) return;
  unsigned texture = PictureTexture(picture, transparent);
  if (!texture) return;
  float x0 = (float)(x + OriginX), y0 = (float)(y + OriginY);
  List(*this)->AddImage((ImTextureID)(intptr_t)texture, ImVec2(x0, y0),
                        ImVec2(x0 + picture.Width, y0 + picture.Height));
}
