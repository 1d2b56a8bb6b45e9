// The player's speedboat. Bow towards -x, stern (transom and outboard motor) at +x, y up;
// about 20 units long, drawn by the game at 0.4 of that. The camera sees it from behind and
// above, so the deck, the windscreen, the stripe and the motor carry its look.
#include <cmath>

#include "model_catalog.h"

namespace {
struct Section {
  double x, deckHalf, deckY, chineHalf, chineY, keelY;
};

// Hull sections from stern to bow; the bow rises and narrows to a point.
const Section Sections[] = {
    {9.0, 3.3, 2.2, 3.0, 0.65, 0.0},  {5.0, 3.45, 2.2, 3.1, 0.6, -0.05},
    {0.0, 3.35, 2.3, 2.85, 0.7, 0.0}, {-4.0, 2.8, 2.45, 2.2, 0.9, 0.15},
    {-7.0, 1.9, 2.65, 1.3, 1.3, 0.6}, {-9.0, 0.9, 2.85, 0.5, 1.9, 1.4},
};
constexpr double BowX = -10.4, BowY = 2.95;

const Colour HullRed{0.95, 0.12, 0.1}, HullWhite{0.96, 0.96, 0.94}, Stripe{0.1, 0.25, 0.9},
    Deck{0.92, 0.9, 0.84}, Cockpit{0.25, 0.27, 0.32}, Seat{0.9, 0.9, 0.9},
    Glass{0.55, 0.8, 1.0}, Frame{0.3, 0.3, 0.32}, Motor{0.08, 0.08, 0.1}, MotorTrim{0.95, 0.6, 0.05};

// The profile of one section, port deck edge round the keel to the starboard deck edge.
std::vector<Vec3> Profile(const Section& s) {
  return {{s.x, s.deckY, -s.deckHalf}, {s.x, s.chineY, -s.chineHalf}, {s.x, s.keelY, 0},
          {s.x, s.chineY, s.chineHalf}, {s.x, s.deckY, s.deckHalf}};
}

void Hull(Mesh& m) {
  const int count = sizeof Sections / sizeof Sections[0];
  for (int i = 0; i + 1 < count; ++i) {
    std::vector<Vec3> a = Profile(Sections[i]), b = Profile(Sections[i + 1]);
    Vec3 inside{(Sections[i].x + Sections[i + 1].x) / 2, 1.3, 0};
    for (int p = 0; p + 1 < 5; ++p) {
      // Upper panels red with a blue stripe along the top, the bottom white.
      bool upper = p == 0 || p == 3;
      if (upper) {
        Vec3 a0 = a[p], a1 = a[p + 1], b0 = b[p], b1 = b[p + 1];
        // Split the upper panel: a stripe just below the deck edge, red below it.
        auto lerp = [](Vec3 u, Vec3 v, double t) { return u + (v - u) * t; };
        Vec3 deckA = p == 0 ? a0 : a1, lowA = p == 0 ? a1 : a0;
        Vec3 deckB = p == 0 ? b0 : b1, lowB = p == 0 ? b1 : b0;
        Vec3 midA = lerp(deckA, lowA, 0.3), midB = lerp(deckB, lowB, 0.3);
        m.colour = Stripe;
        OutwardTriangle(m, deckA, midA, midB, inside);
        OutwardTriangle(m, deckA, midB, deckB, inside);
        m.colour = HullRed;
        OutwardTriangle(m, midA, lowA, lowB, inside);
        OutwardTriangle(m, midA, lowB, midB, inside);
      } else {
        m.colour = HullWhite;
        OutwardTriangle(m, a[p], a[p + 1], b[p + 1], inside);
        OutwardTriangle(m, a[p], b[p + 1], b[p], inside);
      }
    }
    // Deck between the two sections.
    m.colour = Deck;
    Vec3 below{inside.x, 0, 0};
    OutwardTriangle(m, a[0], a[4], b[4], below);
    OutwardTriangle(m, a[0], b[4], b[0], below);
  }
  // Bow: the last section closes into the stem point.
  std::vector<Vec3> last = Profile(Sections[count - 1]);
  Vec3 bow{BowX, BowY, 0}, inside{Sections[count - 1].x - 0.5, 1.8, 0};
  for (int p = 0; p + 1 < 5; ++p) {
    m.colour = (p == 0 || p == 3) ? HullRed : HullWhite;
    OutwardTriangle(m, last[p], last[p + 1], bow, inside);
  }
  m.colour = Deck;
  OutwardTriangle(m, last[0], last[4], bow, Vec3{-9.5, 0, 0});
  // Transom: red with the stripe carried round.
  std::vector<Vec3> stern = Profile(Sections[0]);
  Vec3 centre{Sections[0].x, 1.2, 0}, forward{0, 1.2, 0};
  for (int p = 0; p + 1 < 5; ++p) {
    m.colour = (p == 0 || p == 3) ? Stripe : HullRed;
    OutwardTriangle(m, stern[p], stern[p + 1], centre, forward);
  }
  m.colour = HullRed;
  OutwardTriangle(m, stern[4], stern[0], centre, forward);
}

void Fittings(Mesh& m) {
  // Cockpit floor, a little above the deck, and two seats.
  m.Add(Box({0.8, 2.3, -2.5}, {6.8, 2.42, 2.5}, Cockpit), {});
  m.Add(Box({4.2, 2.4, -2.3}, {5.6, 3.3, -0.4}, Seat), {});
  m.Add(Box({4.2, 2.4, 0.4}, {5.6, 3.3, 2.3}, Seat), {});
  m.Add(Box({5.3, 3.3, -2.3}, {5.7, 4.3, -0.4}, Seat), {});
  m.Add(Box({5.3, 3.3, 0.4}, {5.7, 4.3, 2.3}, Seat), {});
  // Windscreen leaning back from the front of the cockpit, in a dark frame.
  m.colour = Glass;
  Vec3 lowL{-0.4, 2.45, -2.9}, lowR{-0.4, 2.45, 2.9}, topL{0.9, 3.9, -2.4}, topR{0.9, 3.9, 2.4};
  // One face, lit from the side the camera sees it from (behind the boat).
  Vec3 inside{-3, 2.5, 0};
  OutwardTriangle(m, lowL, lowR, topR, inside);
  OutwardTriangle(m, lowL, topR, topL, inside);
  m.Add(Limb(topL, topR, 0.12, 0.12, 5, Frame), {});
  m.Add(Limb(lowL, topL, 0.12, 0.12, 5, Frame), {});
  m.Add(Limb(lowR, topR, 0.12, 0.12, 5, Frame), {});
  // Outboard motor on the transom: cowling, trim band and leg into the water.
  m.Add(Box({8.9, 1.6, -1.0}, {10.9, 3.6, 1.0}, Motor), {});
  m.Add(Box({8.85, 2.9, -1.05}, {10.95, 3.15, 1.05}, MotorTrim), {});
  m.Add(Box({9.6, -0.9, -0.35}, {10.4, 1.6, 0.35}, Motor), {});
  // A rail round the bow deck.
  m.Add(Limb({-3.5, 2.8, -2.5}, {-8.5, 3.15, -0.6}, 0.08, 0.08, 4, Frame), {});
  m.Add(Limb({-3.5, 2.8, 2.5}, {-8.5, 3.15, 0.6}, 0.08, 0.08, 4, Frame), {});
}
}  // namespace

Mesh BoatMesh() {
  Mesh m;
  Hull(m);
  Fittings(m);
  return m;
}
