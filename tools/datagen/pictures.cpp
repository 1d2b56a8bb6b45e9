// The list of every JPEG picture the game opens, how each is made, and its checks.
#include "pictures.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "picture_jpeg.h"
#include "pictures_parts.h"

namespace {

enum class Role {
  Screen,    // drawn unscaled on a form
  Keyed,     // drawn with its bottom-left colour left out
  Texture,   // opaque texture of the 3D views
  Additive,  // texture added to the picture: its edges must be black
};

struct PictureFile {
  const char* name;
  int width, height;
  Role role;
  std::function<Canvas()> make;
};

const std::vector<PictureFile>& Pictures() {
  static const std::vector<PictureFile> files = {
      {"menue3.jpg", 800, 600, Role::Screen, [] { return MakeMenuPicture(MenuSky::Calm); }},
      {"menue1.jpg", 800, 600, Role::Screen, [] { return MakeMenuPicture(MenuSky::Flash); }},
      {"menue4.jpg", 800, 600, Role::Screen, [] { return MakeMenuPicture(MenuSky::Afterglow); }},
      {"menue2.jpg", 50, 61, Role::Keyed, MakeSelector},
      {"menue5.jpg", 800, 600, Role::Screen, MakeLevelMapBackground},
      {"menue6.jpg", 800, 600, Role::Screen, MakeCreditsBackground},
      {"menue7.jpg", 57, 73, Role::Keyed, [] { return MakeArrow(true); }},
      {"menue8.jpg", 57, 73, Role::Keyed, [] { return MakeArrow(false); }},
      {"fame.jpg", 800, 600, Role::Screen, MakeResultBackground},
      {"loading.jpg", 800, 600, Role::Screen, MakeLoadingPicture},
      {"fluss.jpg", 256, 256, Role::Texture, MakeSummerLand},
      {"flusswinter.jpg", 256, 256, Role::Texture, MakeWinterLand},
      {"water.jpg", 256, 256, Role::Texture, MakeWater},
      {"smoke.jpg", 128, 128, Role::Additive, MakeSmoke},
      {"flocke.jpg", 64, 64, Role::Additive, MakeSnowflake},
      {"osd.jpg", 1024, 512, Role::Additive, MakeOsd},
      {"intro1.jpg", 512, 512, Role::Additive, [] { return MakeIntroCard(1); }},
      {"intro2.jpg", 512, 256, Role::Additive, [] { return MakeIntroCard(2); }},
      {"intro3.jpg", 512, 512, Role::Additive, [] { return MakeIntroCard(3); }},
      {"intro4.jpg", 512, 256, Role::Additive, [] { return MakeIntroCard(4); }},
      {"intro5.jpg", 512, 256, Role::Additive, [] { return MakeIntroCard(5); }},
      {"intro6.jpg", 512, 256, Role::Additive, [] { return MakeIntroCard(6); }},
      {"intro7.jpg", 512, 256, Role::Additive, [] { return MakeIntroCard(7); }},
      {"intro8.jpg", 512, 256, Role::Additive, [] { return MakeIntroCard(8); }},
  };
  return files;
}

JpegOptions OptionsFor(Role role) {
  switch (role) {
    case Role::Keyed: return {100, true};  // the key must decode flat right up to the art
    case Role::Screen: return {92, true};
    case Role::Texture: return {90, false};
    case Role::Additive: return {92, true};
  }
  return {};
}

bool PowerOfTwo(int v) { return v > 0 && (v & (v - 1)) == 0; }

// How far a decoded border may stray from the colour it should have.
const int kBorderTolerance = 12;

int Distance(const uint8_t* a, const uint8_t* b) {
  int worst = 0;
  for (int c = 0; c < 3; ++c) worst = std::max(worst, std::abs(a[c] - b[c]));
  return worst;
}

// The largest distance of any outermost pixel from `reference`.
int BorderDeviation(const DecodedJpeg& image, const uint8_t* reference) {
  int worst = 0;
  auto at = [&](int x, int y) { return image.rgb.data() + ((size_t)y * image.width + x) * 3; };
  for (int x = 0; x < image.width; ++x) {
    worst = std::max(worst, Distance(at(x, 0), reference));
    worst = std::max(worst, Distance(at(x, image.height - 1), reference));
  }
  for (int y = 0; y < image.height; ++y) {
    worst = std::max(worst, Distance(at(0, y), reference));
    worst = std::max(worst, Distance(at(image.width - 1, y), reference));
  }
  return worst;
}

std::string Size(int w, int h) { return std::to_string(w) + " x " + std::to_string(h); }

void CheckOne(const std::string& dataDir, const PictureFile& file,
              std::vector<std::string>& problems) {
  std::string path = dataDir + "/" + file.name;
  DecodedJpeg image;
  std::string reason;
  if (!ReadJpeg(path, image, reason)) {
    problems.push_back("Picture " + path + " " + reason + ".");
    return;
  }
  if (image.width != file.width || image.height != file.height) {
    problems.push_back("Picture " + path + " is " + Size(image.width, image.height) +
                       " pixels; the game needs " + Size(file.width, file.height) + ".");
    return;
  }
  bool texture = file.role == Role::Texture || file.role == Role::Additive;
  if (texture && (!PowerOfTwo(image.width) || !PowerOfTwo(image.height)))
    problems.push_back("Texture " + path + " is " + Size(image.width, image.height) +
                       ", not a power of two on both sides.");
  if (file.role == Role::Keyed) {
    const uint8_t* key = image.rgb.data() + (size_t)(image.height - 1) * image.width * 3;
    if (BorderDeviation(image, key) > kBorderTolerance)
      problems.push_back("Picture " + path +
                         " has art or noise on its border, so its key colour is not flat.");
  }
  if (file.role == Role::Additive) {
    const uint8_t black[3] = {0, 0, 0};
    if (BorderDeviation(image, black) > kBorderTolerance)
      problems.push_back("Picture " + path +
                         " is drawn additively but its border is not black, so its edges show.");
  }
}

// Where the game draws each keyed sprite over a screen picture.
struct Placement {
  const char* sprite;
  const char* screen;
  int x, y;
};

const Placement kPlacements[] = {
    {"menue2.jpg", "menue3.jpg", 550, 270}, {"menue2.jpg", "menue3.jpg", 550, 350},
    {"menue2.jpg", "menue3.jpg", 550, 440}, {"menue2.jpg", "menue1.jpg", 550, 270},
    {"menue2.jpg", "menue1.jpg", 550, 350}, {"menue2.jpg", "menue1.jpg", 550, 440},
    {"menue2.jpg", "menue4.jpg", 550, 270}, {"menue2.jpg", "menue4.jpg", 550, 350},
    {"menue2.jpg", "menue4.jpg", 550, 440}, {"menue7.jpg", "menue5.jpg", 700, 290},
    {"menue8.jpg", "menue5.jpg", 300, 290},
};

// A sprite's background pixels must match what the screen shows under them, so that
// pixels the key test misses are invisible.
void CheckPlacement(const std::string& dataDir, const Placement& place,
                    std::vector<std::string>& problems) {
  DecodedJpeg sprite, screen;
  std::string reason;
  if (!ReadJpeg(dataDir + "/" + place.sprite, sprite, reason) ||
      !ReadJpeg(dataDir + "/" + place.screen, screen, reason))
    return;  // already reported
  if (place.x + sprite.width > screen.width || place.y + sprite.height > screen.height) return;
  const uint8_t* key = sprite.rgb.data() + (size_t)(sprite.height - 1) * sprite.width * 3;
  int worst = 0;
  for (int y = 0; y < sprite.height; ++y)
    for (int x = 0; x < sprite.width; ++x) {
      const uint8_t* s = sprite.rgb.data() + ((size_t)y * sprite.width + x) * 3;
      if (Distance(s, key) > kBorderTolerance) continue;  // art
      const uint8_t* under =
          screen.rgb.data() + ((size_t)(place.y + y) * screen.width + place.x + x) * 3;
      worst = std::max(worst, Distance(s, under));
    }
  if (worst > kBorderTolerance)
    problems.push_back("Picture " + dataDir + "/" + place.sprite + " has a background that differs from " +
                       place.screen + " where it is drawn at " + std::to_string(place.x) + "," +
                       std::to_string(place.y) + ", so its edges would show.");
}

}  // namespace

void WritePictures(const std::string& dataDir) {
  std::filesystem::create_directories(dataDir);
  for (const PictureFile& file : Pictures())
    WriteJpeg(dataDir + "/" + file.name, file.make(), OptionsFor(file.role));
}

void CheckPictures(const std::string& dataDir, std::vector<std::string>& problems) {
  for (const PictureFile& file : Pictures()) CheckOne(dataDir, file, problems);
  for (const Placement& place : kPlacements) CheckPlacement(dataDir, place, problems);
}
