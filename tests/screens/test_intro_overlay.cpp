// The intro's overlay windows, their fades, sizes and placement.
#include <gtest/gtest.h>

#include "screens/intro_overlay.h"

TEST(IntroOverlay, WindowAtEveryBoundaryTick) {
  using Pl = OverlayPlacement;
  struct Case {
    int tick;
    int picture;  // 0: none
    double alpha, height;
    Pl placement;
  } cases[] = {
      {0, 0, 0, 0, Pl::Centre},       {19, 0, 0, 0, Pl::Centre},
      {20, 1, 0.0, 1.0, Pl::Centre},  {25, 1, 0.5, 1.0, Pl::Centre},
      {29, 1, 0.9, 1.0, Pl::Centre},  {30, 1, 1.0, 1.0, Pl::Centre},
      {89, 1, 1.0, 1.0, Pl::Centre},  {90, 1, 1.0, 1.0, Pl::Centre},
      {95, 1, 0.5, 1.0, Pl::Centre},  {100, 1, 0.0, 1.0, Pl::Centre},
      {101, 0, 0, 0, Pl::Centre},     {119, 0, 0, 0, Pl::Centre},
      {120, 2, 0.0, 0.5, Pl::Centre}, {170, 2, 0.0, 0.5, Pl::Centre},
      {171, 0, 0, 0, Pl::Centre},     {199, 0, 0, 0, Pl::Centre},
      {200, 3, 0.0, 0.8, Pl::Centre}, {255, 3, 0.5, 0.8, Pl::Centre},
      {260, 3, 0.0, 0.8, Pl::Centre}, {261, 0, 0, 0, Pl::Centre},
      {279, 0, 0, 0, Pl::Centre},     {280, 4, 0.0, 0.3, Pl::LowerRight},
      {300, 4, 1.0, 0.3, Pl::LowerRight}, {350, 4, 0.0, 0.3, Pl::LowerRight},
      {351, 0, 0, 0, Pl::Centre},     {369, 0, 0, 0, Pl::Centre},
      {370, 5, 0.0, 0.3, Pl::LowerRight}, {440, 5, 0.0, 0.3, Pl::LowerRight},
      {441, 0, 0, 0, Pl::Centre},     {459, 0, 0, 0, Pl::Centre},
      {460, 6, 0.0, 0.3, Pl::LowerRight}, {530, 6, 0.0, 0.3, Pl::LowerRight},
      {531, 0, 0, 0, Pl::Centre},     {549, 0, 0, 0, Pl::Centre},
      {550, 7, 0.0, 0.5, Pl::Centre}, {740, 7, 1.0, 0.5, Pl::Centre},
      {750, 7, 0.0, 0.5, Pl::Centre}, {751, 0, 0, 0, Pl::Centre},
      {759, 0, 0, 0, Pl::Centre},     {760, 8, 0.0, 0.5, Pl::Centre},
      {769, 8, 0.9, 0.5, Pl::Centre}, {770, 8, 1.0, 0.5, Pl::Centre},
      {3304, 8, 1.0, 0.5, Pl::Centre}, {3305, 0, 0, 0, Pl::Centre},
  };
  for (const Case& c : cases) {
    TIntroOverlay o = IntroOverlayAt(c.tick);
    EXPECT_EQ(o.Found, c.picture != 0) << "tick " << c.tick;
    if (!o.Found) continue;
    EXPECT_EQ(o.Picture, c.picture) << "tick " << c.tick;
    EXPECT_NEAR(o.Alpha, c.alpha, 1e-9) << "tick " << c.tick;
    EXPECT_DOUBLE_EQ(o.HeightFactor, c.height) << "tick " << c.tick;
    EXPECT_EQ(o.Placement, c.placement) << "tick " << c.tick;
  }
}

TEST(IntroOverlay, QuadCornersFollowPlacementAndShake) {
  TQuadCorner q[4];
  IntroQuadCorners(IntroOverlayAt(50), 0.0, q);  // centre, height 1.0
  EXPECT_NEAR(q[0].X, 0.7, 1e-12);
  EXPECT_NEAR(q[0].Y, 0.8, 1e-12);
  EXPECT_NEAR(q[2].X, -0.7, 1e-12);
  EXPECT_NEAR(q[2].Y, -0.6, 1e-12);

  IntroQuadCorners(IntroOverlayAt(300), IntroShake(0), q);  // lower right, shaken left
  EXPECT_DOUBLE_EQ(IntroShake(0), -0.125);
  EXPECT_NEAR(q[0].X, 0.8 + 0.49 - 0.125, 1e-12);
  EXPECT_NEAR(q[0].Y, -0.8 + 0.21, 1e-12);
  EXPECT_NEAR(q[1].X, 0.8 - 0.49 - 0.125, 1e-12);
  EXPECT_NEAR(q[2].Y, -0.8 - 0.21, 1e-12);

  // Corners in drawing order with their texture coordinates.
  const double uv[4][2] = {{1, 1}, {0, 1}, {0, 0}, {1, 0}};
  for (int i = 0; i < 4; i++) {
    EXPECT_EQ(q[i].U, uv[i][0]);
    EXPECT_EQ(q[i].V, uv[i][1]);
  }
  EXPECT_DOUBLE_EQ(IntroShake(99), 49 / 400.0);
}
