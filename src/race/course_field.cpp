#include "race/course_field.h"

#include <algorithm>
#include <queue>

#include "race/boat_motion.h"
#include "race/race_state.h"

static const float Diagonal = 1.41421356f;
static const float LandStepCost = 50.0f;
static const int BankMargin = 4;  // cells from the bank where the surcharge applies

static bool IsWater(const uint8_t* heightmap, int cell) {
  return heightmap[cell] <= BlockedMoveHeight;
}

// Distance in cells (3-4 chamfer, divided by 3) from each cell to the nearest land cell.
static std::vector<float> BankClearance(const uint8_t* heightmap) {
  std::vector<int> d(GridBytes);
  const int far = 1 << 20;
  for (int i = 0; i < GridBytes; i++) d[i] = IsWater(heightmap, i) ? far : 0;
  auto relax = [&](int r, int c, int dr, int dc, int w) {
    int rr = r + dr, cc = c + dc;
    if (rr < 0 || rr >= GridSize || cc < 0 || cc >= GridSize) return;
    int& here = d[r * GridSize + c];
    here = std::min(here, d[rr * GridSize + cc] + w);
  };
  for (int r = 0; r < GridSize; r++)
    for (int c = 0; c < GridSize; c++) {
      relax(r, c, -1, -1, 4), relax(r, c, -1, 0, 3), relax(r, c, -1, 1, 4), relax(r, c, 0, -1, 3);
    }
  for (int r = GridSize - 1; r >= 0; r--)
    for (int c = GridSize - 1; c >= 0; c--) {
      relax(r, c, 1, 1, 4), relax(r, c, 1, 0, 3), relax(r, c, 1, -1, 4), relax(r, c, 0, 1, 3);
    }
  std::vector<float> clearance(GridBytes);
  for (int i = 0; i < GridBytes; i++) clearance[i] = d[i] / 3.0f;
  return clearance;
}

std::vector<float> BuildCourseField(const uint8_t* heightmap, const uint8_t* layer,
                                    int checkpoint) {
  std::vector<float> field(GridBytes, FieldUnreachable);
  typedef std::pair<float, int> Item;
  std::priority_queue<Item, std::vector<Item>, std::greater<Item>> open;
  for (int i = 0; i < GridBytes; i++)
    if (IsWater(heightmap, i) && layer[i] == checkpoint) {
      field[i] = 0;
      open.push(Item(0.0f, i));
    }
  if (open.empty()) return std::vector<float>();

  std::vector<float> clearance = BankClearance(heightmap);
  static const int dr[8] = {-1, 1, 0, 0, -1, -1, 1, 1};
  static const int dc[8] = {0, 0, -1, 1, -1, 1, -1, 1};
  // Water first: the way along the river.
  while (!open.empty()) {
    Item top = open.top();
    open.pop();
    if (top.first > field[top.second]) continue;
    int r = top.second / GridSize, c = top.second % GridSize;
    for (int k = 0; k < 8; k++) {
      int rr = r + dr[k], cc = c + dc[k];
      if (rr < 0 || rr >= GridSize || cc < 0 || cc >= GridSize) continue;
      int next = rr * GridSize + cc;
      if (!IsWater(heightmap, next)) continue;
      float surcharge = 1.0f + 0.5f * std::max(0.0f, BankMargin - clearance[next]);
      float cost = top.first + (k < 4 ? 1.0f : Diagonal) * surcharge;
      if (cost < field[next]) {
        field[next] = cost;
        open.push(Item(cost, next));
      }
    }
  }
  // Then the land, from the water's edge only, so land never offers a short cut.
  for (int i = 0; i < GridBytes; i++)
    if (IsWater(heightmap, i) && field[i] < FieldUnreachable) open.push(Item(field[i], i));
  while (!open.empty()) {
    Item top = open.top();
    open.pop();
    if (top.first > field[top.second]) continue;
    int r = top.second / GridSize, c = top.second % GridSize;
    for (int k = 0; k < 8; k++) {
      int rr = r + dr[k], cc = c + dc[k];
      if (rr < 0 || rr >= GridSize || cc < 0 || cc >= GridSize) continue;
      int next = rr * GridSize + cc;
      if (IsWater(heightmap, next)) continue;
      float cost = top.first + (k < 4 ? 1.0f : Diagonal) * LandStepCost;
      if (cost < field[next]) {
        field[next] = cost;
        open.push(Item(cost, next));
      }
    }
  }
  return field;
}
