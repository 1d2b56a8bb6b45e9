#include "platform/fonts.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include <imgui.h>

namespace {

const char* const FontDir = "/usr/share/fonts/truetype/dejavu/";
const char* const FaceFiles[4] = {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSansMono.ttf",
                                  "DejaVuSansMono-Bold.ttf"};
// Heights the screens use, loaded together on first use.
const int PreloadedHeights[] = {11, 13, 16, 19};

// Windows-1252 holds Latin-1, a few Latin Extended letters and punctuation; Latin
// Extended-A also covers the East European letters of level descriptions.
const ImWchar GlyphRanges[] = {0x0020, 0x017F, 0x0192, 0x0192, 0x02C6, 0x02C7, 0x02D8, 0x02DD,
                               0x2013, 0x2044, 0x20AC, 0x20AC, 0x2122, 0x2122, 0};

struct TFontStore {
  ImFontAtlas Atlas;
  std::vector<char> FaceData[4];
  bool FaceLoaded[4] = {false, false, false, false};
  bool Tried = false;
  bool Locked = false;
  uint64_t Generation = 0;
  std::map<std::pair<int, int>, ImFont*> Fonts;  // (face, height)
};

TFontStore& Store() {
  static TFontStore* store = new TFontStore();  // lives to the end of the program
  return *store;
}

int FaceOf(const TFont& font) { return (font.FixedPitch ? 2 : 0) + (font.Bold ? 1 : 0); }

void ReadFaces(TFontStore& s) {
  s.Tried = true;
  for (int f = 0; f < 4; f++) {
    std::ifstream in(std::string(FontDir) + FaceFiles[f], std::ios::binary);
    if (!in) continue;
    s.FaceData[f].assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    s.FaceLoaded[f] = !s.FaceData[f].empty();
  }
  if (!s.FaceLoaded[0])
    std::fprintf(stderr, "The font %s%s is missing (package fonts-dejavu-core); texts use a "
                 "plain built-in font.\n", FontDir, FaceFiles[0]);
}

ImFont* AddFont(TFontStore& s, int face, int height) {
  int file = s.FaceLoaded[face] ? face : (s.FaceLoaded[face & 1] ? (face & 1) : 0);
  ImFont* font = nullptr;
  if (s.FaceLoaded[file]) {
    ImFontConfig config;
    config.FontDataOwnedByAtlas = false;  // the file stays in memory for rebuilds
    config.OversampleH = 1;               // drawn at whole pixels: crisp small text
    config.OversampleV = 1;
    config.PixelSnapH = true;
    std::snprintf(config.Name, sizeof config.Name, "%s %d", FaceFiles[file], height);
    font = s.Atlas.AddFontFromMemoryTTF(s.FaceData[file].data(), (int)s.FaceData[file].size(),
                                        (float)height, &config, GlyphRanges);
  } else {
    ImFontConfig config;
    config.SizePixels = (float)height;
    font = s.Atlas.AddFontDefault(&config);
  }
  s.Fonts[{face, height}] = font;
  return font;
}

void Rebuild(TFontStore& s) {
  s.Atlas.Build();
  s.Generation++;
}

ImFont* Nearest(TFontStore& s, int face, int height) {
  ImFont* best = nullptr;
  int bestDistance = 1 << 30;
  for (auto& [key, font] : s.Fonts) {
    int distance = std::abs(key.second - height) + (key.first == face ? 0 : 1000);
    if (distance < bestDistance) {
      bestDistance = distance;
      best = font;
    }
  }
  return best;
}

void EnsurePreloaded(TFontStore& s) {
  if (s.Tried) return;
  ReadFaces(s);
  for (int face = 0; face < 4; face++)
    for (int height : PreloadedHeights) AddFont(s, face, height);
  Rebuild(s);
}

}  // namespace

ImFontAtlas& SharedFontAtlas() {
  TFontStore& s = Store();
  EnsurePreloaded(s);
  return s.Atlas;
}

ImFont* FontFor(const TFont& font) {
  TFontStore& s = Store();
  EnsurePreloaded(s);
  int face = FaceOf(font);
  int height = font.Height < 4 ? 4 : (font.Height > 200 ? 200 : font.Height);
  auto it = s.Fonts.find({face, height});
  if (it != s.Fonts.end()) return it->second;
  if (s.Locked) return Nearest(s, face, height);
  ImFont* added = AddFont(s, face, height);
  Rebuild(s);
  return added;
}

uint64_t FontAtlasGeneration() {
  SharedFontAtlas();
  return Store().Generation;
}

void SetFontAtlasLocked(bool locked) { Store().Locked = locked; }
