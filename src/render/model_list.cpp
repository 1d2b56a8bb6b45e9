#include "audio/sound.h"
#include "race/race_state.h"
#include "render/loaders.h"
#include "render/model_text.h"
#include "render/render_state.h"
#include "shell/errors.h"
#include "shell/form1.h"

static const char* ModelListName = "data/models.cfg";

// One entry of the model list: its name line, then three scale lines written with a
// comma as decimal mark.
struct TModelEntry {
  std::string Name;
  float Scale[3];
};

static void ReadScales(TTextLines& list, TModelEntry& entry) {
  for (float& scale : entry.Scale) {
    scale = ReadNumber(list.ReadLine(), ',', list.Path(), list.LineNumber());
    if (scale == 0.0f)
      throw ConvertError("\"" + list.Path() + "\", line " + std::to_string(list.LineNumber()) +
                         ": a model cannot be scaled by 0.");
  }
}

void LoadModels() {
  Form1->SetBounds(0, 0, 800, 600);
  LoadTextures();
  LastCheckpoint = -1;
  ModelTable[0] = LoadModel("data/vontel.rib", 1, 1, 1);
  LoadTitleDecoder();

  // The first entry is always loaded; a later one only when its name line is not the end
  // of the file, so one empty line after the last entry is harmless.
  TTextLines list(ModelListName);
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
