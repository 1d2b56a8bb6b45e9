#pragma once
// GL feedback mode for the drawing tests: what a drawing routine really sends, as the
// window coordinates and colours of each polygon's corners.
#include <functional>
#include <vector>

struct TFedVertex {
  float X, Y, Z, R, G, B, A;
};
using TFedPolygon = std::vector<TFedVertex>;

std::vector<TFedPolygon> CaptureFeedback(const std::function<void()>& draw);

// Projection where window x and y equal eye x and y (0..800, 0..600), eye z within +-depth.
void UseFlatProjection(float depth);
// Orthographic projection of everything within +-range units of the eye (nothing clipped):
// window x = (eye x / range + 1) x 400, window y = (eye y / range + 1) x 300.
void UseWideProjection(float range = 1e4f);
