#include "screens/intro_overlay.h"

namespace {
struct TOverlayWindow {
  int First, Last;
  int FadeOutFrom;  // -1: no fade out (the last picture stays to the end)
  double HeightFactor;
  OverlayPlacement Placement;
};
constexpr TOverlayWindow OverlayWindows[8] = {
    {20, 100, 90, 1.0, OverlayPlacement::Centre},
    {120, 170, 160, 0.5, OverlayPlacement::Centre},
    {200, 260, 250, 0.8, OverlayPlacement::Centre},
    {280, 350, 340, 0.3, OverlayPlacement::LowerRight},
    {370, 440, 430, 0.3, OverlayPlacement::LowerRight},
    {460, 530, 520, 0.3, OverlayPlacement::LowerRight},
    {550, 750, 740, 0.5, OverlayPlacement::Centre},
    {760, IntroLastTick, -1, 0.5, OverlayPlacement::Centre},
};
}  // namespace

TIntroOverlay IntroOverlayAt(int tick) {
  TIntroOverlay overlay;
  for (int i = 0; i < 8; i++) {
    const TOverlayWindow& w = OverlayWindows[i];
    if (tick < w.First || tick > w.Last) continue;
    overlay.Found = true;
    overlay.Picture = i + 1;
    overlay.HeightFactor = w.HeightFactor;
    overlay.Placement = w.Placement;
    overlay.Alpha = 1.0;
    // Ten ticks of fade in from the first tick, and of fade out up to the last.
    if (tick <= w.First + 9) overlay.Alpha = (tick - w.First) / 10.0;
    if (w.FadeOutFrom >= 0 && tick >= w.FadeOutFrom) overlay.Alpha = (w.Last - tick) / 10.0;
    return overlay;
  }
  return overlay;
}

void IntroQuadCorners(const TIntroOverlay& overlay, double shake, TQuadCorner corners[4]) {
  double left, right, bottom, top;
  if (overlay.Placement == OverlayPlacement::LowerRight) {
    left = 0.8 - 0.7 * 0.7;
    right = 0.8 + 0.7 * 0.7;
    bottom = -0.8 - 0.7 * 0.3;
    top = -0.8 + 0.7 * 0.3;
  } else {
    left = -0.7;
    right = 0.7;
    bottom = 0.1 - 0.7 * overlay.HeightFactor;
    top = 0.1 + 0.7 * overlay.HeightFactor;
  }
  left += shake;
  right += shake;
  corners[0] = {right, top, 1, 1};
  corners[1] = {left, top, 0, 1};
  corners[2] = {left, bottom, 0, 0};
  corners[3] = {right, bottom, 1, 0};
}
