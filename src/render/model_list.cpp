#include "render/loaders.h"
#include "render/model_list.h"
#include "render/model_text.h"
#include "render/render_state.h"
#include "shell/errors.h"

// One entry of the model list: its name line, then three scale lines written with a
// comma as decimal mark.
struct TModelEntry {
  std::string Name;
  float Scale[3];
};

static void ReadScales(TTextLines& list, TModelEntry& entry) {
  for (float& scale : entry.Scale) {
    std::string line = list.ReadLine();
    scale = ReadNumber(line, ',', list.Path(), list.LineNumber());
    if (scale == 0.0f)
      throw ConvertError("\"" + list.Path() + "\", line " + std::to_string(list.LineNumber()) +
                         ": a model cannot be scaled by 0.");
  }
}

void LoadModelList(const std::string& path) {
  // The first entry is always loaded; a later one only when its name line is not the end
  // of the file, so one empty line after the last entry is harmless.
  TTextLines list(path);
  TModelEntry entry;
  entry.Name = list.ReadLine();
  ReadScales(list, entry);
  for (int slot = 5; slot < 255; slot += 2) {
    ModelTable[slot] =
        LoadModel("data/" + entry.Name + ".rib", entry.Scale[0], entry.Scale[1], entry.Scale[2]);
    entry.Name = list.ReadLine();
    if (list.AtEnd()) break;
    ReadScales(list, entry);
  }
}
