#pragma once
// Which picture the intro lays over its scene at a given tick, how strongly, and where.

enum class OverlayPlacement { Centre, LowerRight };

struct TIntroOverlay {
  bool Found = false;  // false between the windows: the scene alone
  int Picture = 0;     // intro picture 1..8
  double Alpha = 0.0;
  double HeightFactor = 0.0;
  OverlayPlacement Placement = OverlayPlacement::Centre;
};

inline constexpr int IntroLastTick = 3304;  // the intro ends once TickCount passes this

TIntroOverlay IntroOverlayAt(int tick);

// Corners of the overlay quad in eye coordinates (z = -2), shaken sideways by `shake`, in
// drawing order: right-top, left-top, left-bottom, right-bottom.
struct TQuadCorner {
  double X, Y, U, V;
};
void IntroQuadCorners(const TIntroOverlay& overlay, double shake, TQuadCorner corners[4]);

// The sideways shake for a roll of 0..99.
inline double IntroShake(int roll) { return (roll - 50) / 400.0; }
