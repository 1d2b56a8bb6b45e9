#include "course_scenery.h"

#include <cmath>

#include "model_catalog.h"
#include "terrain_noise.h"

namespace {

// The neighbour offsets (col, row) in the game's marker order, and the direction the
// object's front (+x of its model) then faces: always away from the marker.
struct Facing {
  int markerCol, markerRow;
};
const Facing Facings[] = {{0, 1}, {-1, 0}, {1, 0}, {1, 1}, {-1, 1}, {1, -1}, {-1, -1}};

struct Placer {
  const LevelDescription& level;
  const CoursePath& path;
  const RiverField& river;
  LevelGrids& grids;
  SeededRandom random;
  int placed = 0;
  std::vector<uint8_t> taken = std::vector<uint8_t>(MapCells, 0);  // 1 object, 2 marker

  bool Inside(int c, int r) const { return c >= 1 && r >= 1 && c < MapSize - 1 && r < MapSize - 1; }

  bool RoomFor(int c, int r) const {
    for (int dr = -2; dr <= 2; ++dr)
      for (int dc = -2; dc <= 2; ++dc)
        if (Inside(c + dc, r + dr) && taken[CellIndex(c + dc, r + dr)] == 1) return false;
    return taken[CellIndex(c, r)] == 0;
  }

  bool WaterAround(int c, int r) const {
    for (int dr = -1; dr <= 1; ++dr)
      for (int dc = -1; dc <= 1; ++dc)
        if (grids.IsWater(c + dc, r + dr)) return true;
    return false;
  }

  // Puts object `code` at (c, r) with its front facing (fc, fr), one of the eight
  // neighbour directions; (0, 1) needs no marker at all.
  void Put(int c, int r, int code, int fc, int fr) {
    if (code < 5) return;  // no model of that kind in this season
    int n = CellIndex(c, r);
    grids.layer[n] = (uint8_t)code;
    taken[n] = 1;
    ++placed;
    if (fc == 0 && fr == 1) return;
    int mc = c - fc, mr = r - fr;
    if (!Inside(mc, mr) || grids.IsWater(mc, mr) || taken[CellIndex(mc, mr)]) return;
    grids.layer[CellIndex(mc, mr)] = (uint8_t)(code + 1);
    taken[CellIndex(mc, mr)] = 2;
  }

  void PutFacing(int c, int r, int code, double towardsCol, double towardsRow) {
    double a = std::atan2(towardsRow, towardsCol);
    int octant = (int)std::lround(a / (3.14159265358979323846 / 4));
    const int dirs[8][2] = {{1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};
    const int* d = dirs[(octant + 8) % 8];
    Put(c, r, code, d[0], d[1]);
  }

  void PutTurnedAtRandom(int c, int r, int code) {
    int k = random.Below(8);
    const Facing& f = Facings[k % 7];
    if (k == 7) Put(c, r, code, 0, 1);
    else Put(c, r, code, -f.markerCol, -f.markerRow);
  }

  int Pick(SceneryRole role) {
    int seasonBit = level.season == "winter" ? WinterOnly : SummerOnly;
    std::vector<int> codes;
    for (const SceneryModel& m : SceneryModels())
      if (m.role == role && (m.seasons & seasonBit)) codes.push_back(m.code);
    return codes.empty() ? 0 : codes[random.Below((int)codes.size())];
  }

  SceneryRole LandRole() {
    double x = random.Unit();
    if (x < 0.72) return SceneryRole::Tree;
    if (x < 0.86) return level.season == "winter" ? SceneryRole::Tree : SceneryRole::Bush;
    return SceneryRole::Rock;
  }

  void Run() {
    for (int r = 1; r < MapSize - 1; ++r) {
      for (int c = 1; c < MapSize - 1; ++c) {
        int n = CellIndex(c, r);
        if (grids.IsWater(c, r) || !RoomFor(c, r)) continue;
        int k = river.nearest[n];
        double t = k >= 0 ? river.distance[n] - path.samples[k].halfWidth : 40;
        bool island = t < 0;
        bool shore = WaterAround(c, r);
        double roll = random.Unit();
        if (island) {
          if (!shore && roll < 0.35) PutTurnedAtRandom(c, r, Pick(SceneryRole::Rock));
          continue;
        }
        if (shore) {
          const CourseSample& s = path.samples[k];
          if (roll < level.sceneryDensity * 0.05) {
            PutFacing(c, r, Pick(SceneryRole::Jetty), s.col - c, s.row - r);
          } else if (roll < level.sceneryDensity * 0.5) {
            int reeds = Pick(SceneryRole::Reeds);
            if (reeds) PutTurnedAtRandom(c, r, reeds);
          }
          continue;
        }
        // Huts look at the river from a little way up the bank.
        if (t >= 3 && t < 5 && roll < level.sceneryDensity * 0.04) {
          const CourseSample& s = path.samples[k];
          PutFacing(c, r, Pick(SceneryRole::Hut), s.col - c, s.row - r);
          continue;
        }
        // Thick along the banks, thinning out into the hills.
        if (t > level.sceneryReach) continue;
        double nearness = t < 3 ? 0.5 : t < 14 ? 1.0 : t < 30 ? 0.45 : 0.12;
        if (roll < level.sceneryDensity * nearness) PutTurnedAtRandom(c, r, Pick(LandRole()));
      }
    }
  }
};

}  // namespace

int PlaceScenery(const LevelDescription& level, const CoursePath& path, const RiverField& river,
                 LevelGrids& grids) {
  Placer placer{level, path, river, grids, SeededRandom(level.seed * 31 + 5)};
  placer.Run();
  // Buoys mark the channel of the intro scene; a race has no buoys but its gate 5.
  if (level.buoySpacing > 0) {
    for (double along = 30; along < path.length - 10; along += level.buoySpacing) {
      const CourseSample& s = SampleAt(path, along);
      for (int side = -1; side <= 1; side += 2) {
        double offset = side * (s.halfWidth - 3);
        int c = (int)std::lround(s.col - s.dirRow * offset), r = (int)std::lround(s.row + s.dirCol * offset);
        if (grids.IsWater(c, r)) {
          grids.layer[CellIndex(c, r)] = 5;
          ++placer.placed;
        }
      }
    }
  }
  return placer.placed;
}
