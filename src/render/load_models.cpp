#include "audio/sound.h"
#include "race/race_state.h"
#include "render/loaders.h"
#include "render/model_list.h"
#include "render/render_state.h"
#include "shell/form1.h"

void LoadModels() {
  Form1->SetBounds(0, 0, 800, 600);
  LoadTextures();
  LastCheckpoint = -1;
  ModelTable[0] = LoadModel("data/vontel.rib", 1, 1, 1);
  LoadTitleDecoder();
  LoadModelList("data/models.cfg");
}
