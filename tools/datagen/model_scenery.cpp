// Scenery models. Each stands on its origin with y up and, where it has a front (the hut's
// door, the jetty's walk), faces +x; the level generator turns it with orientation markers.
#include <functional>
#include <map>
#include <stdexcept>

#include "model_catalog.h"

namespace {
const Colour Bark{0.45, 0.3, 0.18}, PineGreen{0.1, 0.45, 0.18}, SpruceGreen{0.06, 0.36, 0.2},
    LeafGreen{0.3, 0.62, 0.2}, BirchLeaf{0.55, 0.78, 0.3}, BirchBark{0.95, 0.95, 0.9},
    BushGreen{0.25, 0.55, 0.15}, Snow{0.97, 0.98, 1.0}, WinterGreen{0.12, 0.32, 0.22},
    GreyBark{0.42, 0.38, 0.34}, Stone{0.6, 0.6, 0.58}, DarkStone{0.45, 0.44, 0.42},
    BedStone{0.55, 0.5, 0.4}, Wood{0.6, 0.4, 0.22}, DarkWood{0.4, 0.25, 0.12},
    Roof{0.7, 0.18, 0.12}, WindowLight{1.0, 0.9, 0.5}, Reed{0.45, 0.6, 0.2},
    Cattail{0.4, 0.25, 0.1}, BuoyRed{1.0, 0.15, 0.1}, BuoyWhite{1.0, 1.0, 1.0};

Placement At(double x, double y, double z) {
  Placement p;
  p.offset = {x, y, z};
  return p;
}

Mesh Conifer(int tiers, double height, double width, Colour needles, bool snowy) {
  Mesh m;
  m.Add(Frustum(0, 0.35, height * 0.3, 0.22, 6, Bark, false), {});
  for (int t = 0; t < tiers; ++t) {
    double base = height * (0.18 + 0.62 * t / tiers);
    double top = base + height * (0.82 - 0.62 * t / tiers) * 0.62 + height * 0.12;
    double radius = width * (1 - 0.55 * t / tiers);
    m.Add(Frustum(base, radius, top, 0, 8, needles, true), {});
    if (snowy) {
      // Snow lies on the upper part of each tier.
      double cut = base + (top - base) * 0.4;
      m.Add(Frustum(cut, radius * 0.6 * 1.12, top + 0.15, 0, 8, Snow, false), {});
    }
  }
  return m;
}

Mesh Oak() {
  Mesh m;
  m.Add(Frustum(0, 0.55, 3.6, 0.35, 7, Bark, false), {});
  m.Add(Limb({0, 2.8, 0}, {1.4, 4.2, 0.5}, 0.25, 0.15, 5, Bark), {});
  m.Add(Blob({2.8, 2.2, 2.8}, 5, 8, LeafGreen, 0.12, 11), At(0, 5.4, 0));
  m.Add(Blob({1.8, 1.5, 1.8}, 4, 7, LeafGreen, 0.12, 12), At(1.7, 4.6, 0.9));
  m.Add(Blob({1.6, 1.4, 1.6}, 4, 7, LeafGreen, 0.12, 13), At(-1.4, 4.8, -1.1));
  return m;
}

Mesh Birch() {
  Mesh m;
  m.Add(Frustum(0, 0.28, 5.5, 0.15, 6, BirchBark, false), {});
  for (int k = 0; k < 3; ++k) {
    double y = 1.2 + k * 1.5;
    m.Add(Frustum(y, 0.285, y + 0.25, 0.28, 6, FrameGrey(), false), {});
  }
  m.Add(Blob({1.7, 2.6, 1.7}, 5, 7, BirchLeaf, 0.15, 21), At(0, 6.2, 0));
  return m;
}

Mesh Bush() {
  Mesh m;
  m.Add(Blob({1.6, 1.1, 1.5}, 4, 7, BushGreen, 0.2, 31), At(0, 0.7, 0));
  m.Add(Blob({1.1, 0.9, 1.1}, 4, 6, LeafGreen, 0.2, 32), At(0.9, 0.9, 0.6));
  return m;
}

Mesh BareTree() {
  Mesh m;
  m.Add(Frustum(0, 0.45, 5.5, 0.12, 6, GreyBark, false), {});
  const Vec3 tips[] = {{2.2, 5.6, 0.4}, {-1.8, 5.2, 1.2}, {0.4, 6.4, -2.0}, {-0.9, 4.4, -1.7}};
  const double starts[] = {2.6, 3.2, 3.8, 2.2};
  for (int k = 0; k < 4; ++k) m.Add(Limb({0, starts[k], 0}, tips[k], 0.18, 0.04, 4, GreyBark), {});
  m.Add(Limb({0, 5.0, 0}, {0.6, 7.0, 0.3}, 0.12, 0.03, 4, GreyBark), {});
  // A little snow in the forks.
  m.Add(Blob({0.5, 0.2, 0.5}, 3, 6, Snow, 0.1, 41), At(0, 3.0, 0));
  return m;
}

Mesh Boulder() {
  Mesh m;
  m.Add(Blob({1.7, 1.2, 1.4}, 5, 8, Stone, 0.22, 51), At(0, 0.5, 0));
  m.Add(Blob({0.8, 0.6, 0.8}, 4, 6, DarkStone, 0.2, 52), At(1.4, 0.2, 0.8));
  return m;
}

Mesh Slab() {
  Mesh m;
  m.Add(Blob({2.4, 0.8, 1.6}, 4, 9, DarkStone, 0.15, 61), At(0, 0.3, 0));
  return m;
}

Mesh Hut() {
  Mesh m;
  m.Add(Box({-2.5, -0.5, -2.0}, {2.5, 3.0, 2.0}, Wood), {});
  // Gable roof along z, overhanging the walls.
  m.colour = Roof;
  Vec3 e1{-2.9, 2.9, -2.4}, e2{2.9, 2.9, -2.4}, r1{-2.9, 4.8, 0}, r2{2.9, 4.8, 0};
  Vec3 w1{-2.9, 2.9, 2.4}, w2{2.9, 2.9, 2.4};
  Vec3 inside{0, 2.0, 0};
  OutwardTriangle(m, e1, e2, r2, inside);
  OutwardTriangle(m, e1, r2, r1, inside);
  OutwardTriangle(m, w1, w2, r2, inside);
  OutwardTriangle(m, w1, r2, r1, inside);
  m.colour = DarkWood;
  OutwardTriangle(m, {2.5, 3.0, -2.0}, {2.5, 3.0, 2.0}, {2.5, 4.6, 0}, inside);
  OutwardTriangle(m, {-2.5, 3.0, -2.0}, {-2.5, 3.0, 2.0}, {-2.5, 4.6, 0}, inside);
  // Door and window on the front, a window on each side, a chimney.
  m.Add(Box({2.5, 0, -0.6}, {2.6, 2.1, 0.6}, DarkWood), {});
  m.Add(Box({2.5, 1.2, 1.0}, {2.6, 2.1, 1.7}, WindowLight), {});
  m.Add(Box({-0.7, 1.2, 2.0}, {0.7, 2.1, 2.1}, WindowLight), {});
  m.Add(Box({-0.7, 1.2, -2.1}, {0.7, 2.1, -2.0}, WindowLight), {});
  m.Add(Box({-1.6, 3.6, 0.8}, {-0.9, 5.6, 1.5}, DarkStone), {});
  return m;
}

Mesh Jetty() {
  Mesh m;
  // The walk runs from the bank out over the water along +x.
  for (int k = 0; k < 10; ++k) {
    double x = -1.0 + k * 1.0;
    m.Add(Box({x, 0.1, -1.2}, {x + 0.9, 0.35, 1.2}, k % 2 ? Wood : DarkWood), {});
  }
  const double postX[] = {2.0, 5.0, 8.5};
  for (double x : postX) {
    m.Add(Frustum(-3.0, 0.18, 0.7, 0.18, 5, DarkWood, true), At(x, 0, -1.1));
    m.Add(Frustum(-3.0, 0.18, 0.7, 0.18, 5, DarkWood, true), At(x, 0, 1.1));
  }
  return m;
}

Mesh Reeds() {
  Mesh m;
  const double spots[][3] = {{0, 0, 3.2},     {0.8, 0.5, 2.6},  {-0.6, 0.7, 2.9}, {0.4, -0.9, 3.4},
                             {-0.9, -0.4, 2.4}, {1.2, -0.3, 2.2}, {-0.2, 1.3, 2.7}};
  int k = 0;
  for (const auto& s : spots) {
    Vec3 foot{s[0], -0.5, s[1]}, top{s[0] * 1.25, s[2], s[1] * 1.25};
    m.Add(Limb(foot, top, 0.07, 0.03, 4, Reed), {});
    if (k++ % 2 == 0) m.Add(Limb(top - Vec3{0, 0.7, 0}, top + Vec3{0, 0.1, 0}, 0.14, 0.1, 5, Cattail), {});
  }
  return m;
}

Mesh Buoy() {
  Mesh m;
  // Stands on the mean water level; the waves run half a unit up and down its body.
  m.Add(Frustum(-0.8, 0.7, 0.5, 0.75, 10, BuoyRed, true), {});
  m.Add(Frustum(0.5, 0.75, 0.95, 0.62, 10, BuoyWhite, false), {});
  m.Add(Frustum(0.95, 0.62, 2.0, 0, 10, BuoyRed, false), {});
  m.Add(Limb({0, 1.9, 0}, {0, 2.7, 0}, 0.06, 0.06, 4, FrameGrey()), {});
  return m;
}

Mesh RiverStones() {
  Mesh m;
  // Low enough to stay under the water surface wherever a river bed lies.
  m.Add(Blob({0.9, 0.35, 0.7}, 3, 7, BedStone, 0.2, 71), At(-0.6, 0.1, -0.5));
  m.Add(Blob({0.7, 0.3, 0.6}, 3, 6, DarkStone, 0.2, 72), At(0.9, 0.1, 0.4));
  m.Add(Blob({0.5, 0.25, 0.5}, 3, 6, Stone, 0.2, 73), At(-0.2, 0.05, 1.2));
  return m;
}
}  // namespace

Colour FrameGrey() { return {0.25, 0.25, 0.27}; }

Mesh SceneryMesh(const std::string& name) {
  static const std::map<std::string, std::function<Mesh()>> makers = {
      {"pine", [] { return Conifer(3, 9.0, 2.5, PineGreen, false); }},
      {"spruce", [] { return Conifer(4, 12.0, 2.2, SpruceGreen, false); }},
      {"snowpine", [] { return Conifer(3, 9.0, 2.5, WinterGreen, true); }},
      {"oak", Oak},
      {"birch", Birch},
      {"bush", Bush},
      {"baretree", BareTree},
      {"boulder", Boulder},
      {"slab", Slab},
      {"hut", Hut},
      {"jetty", Jetty},
      {"reeds", Reeds},
      {"buoy", Buoy},
      {"riverstones", RiverStones},
  };
  auto it = makers.find(name);
  if (it == makers.end()) throw std::runtime_error("no scenery model called " + name);
  return it->second();
}
