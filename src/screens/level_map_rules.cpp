#include "screens/level_map_rules.h"

#include "platform/bitmap.h"
#include "race/level_file.h"
#include "race/race_state.h"

std::string LevelInfoText(const std::vector<std::string>& description,
                          const std::string& checkpointCount, int targetTime) {
  std::string text = LabelBreak;
  for (const std::string& line : description) text += line + LabelBreak;
  text += LabelBreak;
  text += "Checkpoints: " + checkpointCount;
  text += LabelBreak;
  text += "Time: " + FormatTime(targetTime) + " min";
  return text;
}

void DrawMinimap(const uint8_t* heightmap, TBitmap& minimap) {
  minimap.SetSize(MinimapSize, MinimapSize);
  for (int y = 0; y < MinimapSize; y++) {
    for (int x = 0; x < MinimapSize; x++) {
      uint8_t h = heightmap[(2 * y) * GridSize + 2 * x];
      uint8_t* pixel = minimap.PixelAt(x, y);
      pixel[0] = (uint8_t)(h & 0xF8);
      pixel[1] = 0;
      pixel[2] = 0;
    }
  }
}

void AppendBestTimeLine(int seconds, const std::string& name, std::string& times,
                        std::string& names) {
  times += FormatTime(seconds) + " min" + LabelBreak;
  names += name + LabelBreak;
}

int NextArrowStep(int ordinal, const FindLevelFunction& findLevel,
                  const ShowLevelFunction& showLevel) {
  int before = ordinal;
  ordinal++;
  int number = findLevel(ordinal);
  if (number == 0) return ordinal - 1;
  if (!showLevel(number)) return before;
  return ordinal;
}

int PrevArrowStep(int ordinal, const FindLevelFunction& findLevel,
                  const ShowLevelFunction& showLevel) {
  if (ordinal <= 0) return ordinal;
  int before = ordinal;
  ordinal--;
  int number = findLevel(ordinal);
  if (number == 0) return ordinal + 1;
  if (!showLevel(number)) return before;
  return ordinal;
}
