#include <GL/gl.h>

#include "render/loaders.h"
#include "render/model_file.h"
#include "render/random.h"
#include "render/render_state.h"
#include "shell/errors.h"

uint32_t ModelTable[256];

uint32_t LoadModel(const std::string& fileName, float sx, float sy, float sz) {
  Randomize();  // the particles draw from the generator seeded here
  TModelData model = ReadModelFile(fileName);
  if (sx == 0.0f || sy == 0.0f || sz == 0.0f)
    throw ConvertError("\"" + fileName + "\": a model cannot be scaled by 0.");
  glEnable(GL_COLOR_MATERIAL);
  glShadeModel(GL_SMOOTH);
  return CompileModel(model, sx, sy, sz);
}
