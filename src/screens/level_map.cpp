#include "screens/level_map.h"

#include <cstdio>

#include "audio/sound.h"
#include "platform/codepage.h"
#include "platform/cursor.h"
#include "race/level_file.h"
#include "race/race_setup.h"
#include "race/race_state.h"
#include "screens/handler_errors.h"
#include "screens/level_map_form.h"
#include "screens/level_map_rules.h"
#include "screens/menu.h"
#include "screens/menu_rules.h"
#include "shell/errors.h"
#include "shell/form1.h"
#include "shell/state.h"

int LevelOrdinal = 1;
std::string CurrentLevelFile;
std::string LevelName;
int TargetTime = 0;
std::string TerrainName;
std::string MusicFile;
std::string BestTimeText;
std::string BestName;
TBitmap Minimap;

namespace {
void SetLevelText(TLabel* label, const std::string& levelText) {
  label->SetCaption(Cp1252ToUtf8(levelText));
}

// The first 102400 bytes of the level's heightmap, for the minimap and the race.
void ReadHeightmap(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) throw FileError("The heightmap " + path + " is missing or cannot be opened.");
  size_t got = std::fread(Heightmap, 1, GridBytes, file);
  bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) throw FileError("The heightmap " + path + " cannot be read.");
  if (got < (size_t)GridBytes)
    throw FileError("The heightmap " + path + " is too short: it must hold 102400 bytes.");
}
}  // namespace

bool LoadLevelInfo(const std::string& fileName) {
  TForm3* form = Form3;
  form->Label3->SetCaption("");
  LevelFileReader file;
  OpenLevelFile(file, "data/" + fileName);
  if (ReadPlainLine(file) != "1") {
    form->Label3->SetCaption(LevelLockedMessage);
    TickCount = 0;
    return false;
  }
  CurrentLevelFile = fileName;
  LevelName = ReadPlainLine(file);
  SetLevelText(form->Label1, LevelName);

  std::vector<std::string> description;
  for (;;) {
    if (AtEndOfLevelFile(file))
      throw ConvertError("The level file " + file.Path + " has no \"#eop\" line after its description.");
    std::string line = ReadPlainLine(file);
    if (line == EndMarker) break;
    description.push_back(line);
  }
  std::string checkpoints = ReadPlainLine(file);
  TargetTime = ReadNumberLine(file, "target time");
  SetLevelText(form->Label2, LevelInfoText(description, checkpoints, TargetTime));
  form->Label6->SetCaption("");
  form->Label7->SetCaption("");

  TerrainName = ReadPlainLine(file);
  ReadStoredLine(file);  // reserved line, never interpreted
  MusicFile = ReadPlainLine(file);
  Season = ReadPlainLine(file);

  std::vector<BestTimeEntry> entries = ReadBestTimes(file, &BestTimeText);
  std::string times, names;
  for (const BestTimeEntry& entry : entries) AppendBestTimeLine(entry.Seconds, entry.PlayerName, times, names);
  BestName = entries.empty() ? std::string() : entries[0].PlayerName;
  form->Label7->SetCaption(times);
  SetLevelText(form->Label6, names);

  ReadHeightmap("data/" + TerrainName + ".raw");
  DrawMinimap(Heightmap, Minimap);
  form->Image2->SetPicture(&Minimap);
  form->Image3->SetPicture(NextArrow);
  form->Image4->SetPicture(PrevArrow);
  return true;
}

void ClearLevelMapStatus() {
  if (Form3) Form3->Label3->SetCaption("");
}

void StartRace() {
  ScreenState = StateRace;
  LastCheckpoint = -1;
  // A level that fails to load leaves the grids half replaced: stay on the map.
  if (!RunShowingErrors([] { LoadLevel(TerrainName); })) {
    ScreenState = StateLevelMap;
    return;
  }
  StartSong("data/" + MusicFile);
  int top = SelectorTop(MenuSelection);
  if (top >= 0 && Form1 && MenuSelector) Form1->Canvas.Draw(SelectorLeft, top, *MenuSelector);
  PlayEffect(EventChannel, ClickSample);
  Form3->Hide();
  LeaveLoop = true;
  ShowCursor(false);
}
