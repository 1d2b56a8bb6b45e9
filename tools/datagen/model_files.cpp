// Writes the model files and the model list.
#include <cmath>
#include <cstdio>

#include "level_dataset.h"
#include "level_io.h"
#include "model_catalog.h"

namespace {
// The model list's own number format: a comma as decimal mark, whole numbers bare.
std::string ListNumber(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", v);
  std::string s = text;
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  for (char& c : s)
    if (c == '.') c = ',';
  return s;
}
}  // namespace

void WriteModels(const std::string& dataDir) {
  for (const ModelFile& f : ModelFiles())
    WriteFileBytes(JoinPath(dataDir, f.name + ".rib"), RibText(f.mesh, f.name, f.about));
  std::string list;
  for (const SceneryModel& m : SceneryModels()) {
    list += m.file + "\r\n";
    for (double s : m.scale) list += ListNumber(s) + "\r\n";
  }
  WriteFileBytes(JoinPath(dataDir, "models.cfg"), list);
}
