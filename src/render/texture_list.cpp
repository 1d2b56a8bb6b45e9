#include "platform/bitmap.h"
#include "render/loaders.h"
#include "render/render_state.h"
#include "shell/form1.h"

struct TTextureFile {
  const char* Path;
  uint32_t* Name;  // nullptr: the loading screen, drawn instead of kept
};

static const TTextureFile TextureFiles[] = {
    {"data/smoke.jpg", &SmokeTexture},
    {"data/loading.jpg", nullptr},
    {"data/intro3.jpg", &IntroTexture[3]},
    {"data/intro1.jpg", &IntroTexture[1]},
    {"data/fluss.jpg", &RiverTexture},
    {"data/flusswinter.jpg", &WinterRiverTexture},
    {"data/water.jpg", &WaterTexture},
    {"data/intro2.jpg", &IntroTexture[2]},
    {"data/intro4.jpg", &IntroTexture[4]},
    {"data/intro5.jpg", &IntroTexture[5]},
    {"data/intro6.jpg", &IntroTexture[6]},
    {"data/intro7.jpg", &IntroTexture[7]},
    {"data/intro8.jpg", &IntroTexture[8]},
    {"data/osd.jpg", &OsdTexture},
    {"data/flocke.jpg", &SnowflakeTexture},
};

void LoadTextures() {
  for (const TTextureFile& file : TextureFiles) {
    TBitmap picture = LoadJpeg(file.Path);
    if (file.Name) {
      *file.Name = UploadTexture(picture);
      continue;
    }
    // The loading screen stays on the menu window until the 3D window covers it.
    Form1->Canvas.Draw(0, 0, picture);
    Form1->Update();
  }
}
