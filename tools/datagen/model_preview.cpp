#include "model_preview.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <set>

#include "level_io.h"
#include "level_png.h"
#include "render/model_file.h"
#include "render/model_text.h"

namespace {
constexpr int ViewSize = 240;

struct View {
  double yaw, pitch;  // degrees: turn about y, then tilt down
};

void Project(const float p[3], const View& v, double out[3]) {
  double a = v.yaw * M_PI / 180, b = v.pitch * M_PI / 180;
  double x = p[0] * std::cos(a) - p[2] * std::sin(a);
  double z = p[0] * std::sin(a) + p[2] * std::cos(a);
  double y = p[1] * std::cos(b) - z * std::sin(b);
  double depth = p[1] * std::sin(b) + z * std::cos(b);
  out[0] = x, out[1] = y, out[2] = depth;
}

void DrawView(RgbImage& img, int left, const TModelData& model, const View& view) {
  std::vector<double> zbuf((size_t)ViewSize * ViewSize, -std::numeric_limits<double>::max());
  double lo[2] = {1e9, 1e9}, hi[2] = {-1e9, -1e9};
  for (const TModelTriangle& t : model.Triangles)
    for (const auto& c : t.Corner) {
      double q[3];
      Project(c, view, q);
      for (int a = 0; a < 2; ++a) lo[a] = std::min(lo[a], q[a]), hi[a] = std::max(hi[a], q[a]);
    }
  double scale = (ViewSize - 20) / std::max(hi[0] - lo[0], hi[1] - lo[1]);
  double cx = (lo[0] + hi[0]) / 2, cy = (lo[1] + hi[1]) / 2;
  float colour[3] = {model.FirstColor[0], model.FirstColor[1], model.FirstColor[2]};
  for (const TModelTriangle& t : model.Triangles) {
    if (t.HasColor) std::copy(t.Color, t.Color + 3, colour);
    double s[3][3];
    for (int k = 0; k < 3; ++k) {
      Project(t.Corner[k], view, s[k]);
      s[k][0] = ViewSize / 2 + (s[k][0] - cx) * scale;
      s[k][1] = ViewSize / 2 - (s[k][1] - cy) * scale;
    }
    double n[3];
    Project(t.Normal[0], view, n);
    double light = 0.35 + 0.65 * std::fabs(n[2]);
    int x0 = std::max(0, (int)std::min({s[0][0], s[1][0], s[2][0]}));
    int x1 = std::min(ViewSize - 1, (int)std::max({s[0][0], s[1][0], s[2][0]}) + 1);
    int y0 = std::max(0, (int)std::min({s[0][1], s[1][1], s[2][1]}));
    int y1 = std::min(ViewSize - 1, (int)std::max({s[0][1], s[1][1], s[2][1]}) + 1);
    double area = (s[1][0] - s[0][0]) * (s[2][1] - s[0][1]) - (s[2][0] - s[0][0]) * (s[1][1] - s[0][1]);
    if (std::fabs(area) < 1e-9) continue;
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) {
        double px = x + 0.5, py = y + 0.5;
        double w0 = ((s[1][0] - px) * (s[2][1] - py) - (s[2][0] - px) * (s[1][1] - py)) / area;
        double w1 = ((s[2][0] - px) * (s[0][1] - py) - (s[0][0] - px) * (s[2][1] - py)) / area;
        double w2 = 1 - w0 - w1;
        if (w0 < 0 || w1 < 0 || w2 < 0) continue;
        double z = w0 * s[0][2] + w1 * s[1][2] + w2 * s[2][2];
        double& zb = zbuf[(size_t)y * ViewSize + x];
        if (z < zb) continue;
        zb = z;
        img.Set(left + x, y, (uint8_t)(255 * colour[0] * light), (uint8_t)(255 * colour[1] * light),
                (uint8_t)(255 * colour[2] * light));
      }
  }
}
}  // namespace

int RenderModelPreviews(const std::string& dataDir, const std::string& outDir) {
  std::filesystem::create_directories(outDir);
  std::vector<std::string> names = {"vontel"};
  TTextLines list(JoinPath(dataDir, "models.cfg"));
  for (;;) {
    std::string name = list.ReadLine();
    if (name.empty()) break;
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    for (int k = 0; k < 3; ++k) list.ReadLine();
  }
  // Side, top, and behind-and-above (the race camera looks at the stern, 25 degrees down).
  const View views[] = {{0, 0}, {0, 89}, {90, 25}};
  for (const std::string& name : names) {
    TModelData model = ReadModelFile(JoinPath(dataDir, name + ".rib"));
    RgbImage img(ViewSize * 3, ViewSize);
    for (auto& p : img.pixels) p = 110;
    for (int k = 0; k < 3; ++k) DrawView(img, k * ViewSize, model, views[k]);
    WritePng(JoinPath(outDir, name + ".png"), img);
  }
  return (int)names.size();
}
