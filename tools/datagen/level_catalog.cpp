// The river levels and the intro scene. Courses start at the boat's start heading towards
// smaller columns; a positive bend turns towards larger rows from there (anticlockwise on
// the map as the minimap shows it). Difficulty rises through narrower water, tighter and
// more frequent bends, islands to steer round and more checkpoints.
#include "level_catalog.h"

#include "audio_data.h"

namespace {

LevelDescription Level(int number, const char* title, std::vector<std::string> description,
                       const char* season) {
  LevelDescription level;
  level.number = number;
  level.terrainName = "level" + std::to_string(number);
  level.title = title;
  level.description = std::move(description);
  level.season = season;
  level.song = LevelSongFile(number);
  level.available = number == 1;
  level.seed = 1000u + 77u * number;
  return level;
}

// Shorthand for a course through waypoints (col, row, bend radius, half width).
std::vector<CourseStep> Through(const LevelDescription& level, std::vector<Waypoint> points) {
  return CourseThrough(points, level.terrainName);
}

std::vector<LevelDescription> BuildCatalogue() {
  std::vector<LevelDescription> levels;
  {
    LevelDescription l = Level(1, "Summer Creek",
                               {"A wide and lazy creek through the meadows.",
                                "Open up the throttle and get a feel for the boat."},
                               "normal");
    l.startHalfWidth = 9;
    l.course = Through(l, {{240, 14, 60, 10}, {150, 80, 70, 13}, {90, 170, 70, 13},
                           {120, 260, 70, 13}, {280, 270, 0, 13}});
    l.checkpointCount = 4;
    l.sceneryDensity = 0.07;
    l.hillHeight = 30;
    levels.push_back(l);
  }
  {
    LevelDescription l = Level(2, "Pine Valley",
                               {"The river winds between dark pine woods.",
                                "Mind the island halfway down:", "keep to the wider side."},
                               "normal");
    l.startHalfWidth = 9;
    l.course = Through(l, {{200, 14, 45, 10}, {130, 60, 40, 11}, {150, 130, 40, 11},
                           {260, 150, 45, 11}, {270, 230, 40, 11}, {160, 270, 40, 11},
                           {60, 240, 40, 11}, {40, 150, 0, 11}});
    l.checkpointCount = 5;
    l.islands = {{330, 4, 12, 4}};
    l.sceneryDensity = 0.09;
    l.hillHeight = 45;
    levels.push_back(l);
  }
  {
    LevelDescription l = Level(3, "Frozen Stream",
                               {"Winter has come to the valley.",
                                "Snow on the banks, ice-cold water.",
                                "A line of buoys marks the finish."},
                               "winter");
    l.startHalfWidth = 9;
    l.course = Through(l, {{140, 14, 45, 10}, {60, 60, 40, 11}, {90, 130, 40, 11},
                           {230, 110, 45, 11}, {280, 170, 40, 11}, {220, 250, 45, 11},
                           {80, 250, 40, 10}, {40, 300, 0, 10}});
    l.checkpointCount = 6;
    l.islands = {{480, -4, 14, 4}};
    l.sceneryDensity = 0.08;
    l.hillHeight = 50;
    levels.push_back(l);
  }
  {
    LevelDescription l = Level(4, "Twin Rocks",
                               {"Two rocky islands split the river.",
                                "The bends come quicker now."},
                               "normal");
    l.startHalfWidth = 9;
    l.course = Through(l, {{180, 14, 40, 10}, {110, 45, 40, 10}, {40, 45, 30, 10},
                           {40, 110, 30, 10}, {150, 100, 40, 10}, {200, 130, 40, 10},
                           {280, 130, 30, 10}, {280, 200, 30, 10}, {120, 200, 0, 10}});
    l.checkpointCount = 7;
    l.islands = {{300, 3.5, 12, 3.5}, {560, -3.5, 12, 3.5}};
    l.sceneryDensity = 0.1;
    l.hillHeight = 55;
    levels.push_back(l);
  }
  {
    LevelDescription l = Level(5, "Birch Meanders",
                               {"The river loops lazily through the birch woods,",
                                "but the loops come one after the other.",
                                "Steer early and keep the speed up."},
                               "normal");
    l.startHalfWidth = 9;
    l.course = Through(l, {{220, 14, 35, 9.5}, {180, 50, 30, 9}, {120, 30, 30, 9},
                           {60, 60, 30, 9},    {60, 120, 30, 9}, {120, 150, 30, 9},
                           {180, 120, 30, 9},  {250, 150, 30, 9}, {260, 220, 30, 9},
                           {180, 250, 30, 9},  {100, 230, 30, 9}, {40, 280, 0, 9}});
    l.checkpointCount = 8;
    l.islands = {{255, 3.5, 11, 3}, {610, -3.5, 11, 3}};
    l.sceneryDensity = 0.11;
    l.hillHeight = 55;
    levels.push_back(l);
  }
  {
    LevelDescription l = Level(6, "Ice Serpent",
                               {"A frozen valley where the river",
                                "coils back on itself again and again.",
                                "The water is narrow and the turns are sharp."},
                               "winter");
    l.startHalfWidth = 9;
    l.course = Through(l, {{230, 14, 35, 9.5},  {170, 40, 35, 8.5},  {40, 40, 28, 8.5},
                           {40, 100, 28, 8.5},  {150, 110, 35, 8.5}, {270, 90, 28, 8.5},
                           {280, 160, 28, 8.5}, {150, 170, 35, 8.5}, {40, 160, 28, 8.5},
                           {40, 230, 28, 8.5},  {160, 240, 35, 8.5}, {280, 250, 0, 8.5}});
    l.checkpointCount = 9;
    l.islands = {{330, 3.5, 11, 3}, {690, -3.5, 11, 3}, {960, 3.5, 10, 3}};
    l.sceneryDensity = 0.1;
    l.hillHeight = 60;
    levels.push_back(l);
  }
  {
    LevelDescription l = Level(7, "Devil's Elbow",
                               {"Hairpin after hairpin down a rocky gorge.",
                                "Brake before the elbows or pay for it",
                                "on the rocks."},
                               "normal");
    l.startHalfWidth = 9;
    l.course = Through(l, {{100, 14, 28, 9},  {40, 50, 25, 8},   {100, 80, 25, 8},
                           {260, 80, 25, 8},  {290, 120, 25, 8}, {250, 150, 25, 8},
                           {80, 150, 25, 8},  {40, 190, 25, 8},  {80, 225, 25, 8},
                           {250, 225, 25, 8}, {290, 265, 25, 8}, {250, 300, 25, 8},
                           {120, 300, 0, 8}});
    l.checkpointCount = 10;
    l.islands = {{180, 3.5, 12, 3}, {450, -3.5, 11, 3}, {880, 3.5, 11, 3}};
    l.sceneryDensity = 0.12;
    l.hillHeight = 70;
    l.bankRise = 4;
    levels.push_back(l);
  }
  {
    LevelDescription l = Level(8, "Glacier Maze",
                               {"The last river before the glacier.",
                                "Narrow ice-cold water, tight turns and rocks.",
                                "Twelve checkpoints stand between you",
                                "and the title."},
                               "winter");
    l.startHalfWidth = 9;
    l.course = Through(l, {{70, 14, 25, 9},     {40, 40, 25, 7.5},   {45, 150, 30, 7.5},
                           {35, 250, 25, 7.5},  {70, 270, 25, 7.5},  {100, 240, 25, 7.5},
                           {95, 140, 30, 7.5},  {105, 80, 25, 7.5},  {130, 60, 25, 7.5},
                           {160, 80, 25, 7.5},  {165, 180, 30, 7.5}, {160, 250, 25, 7.5},
                           {190, 275, 25, 7.5}, {220, 250, 25, 7.5}, {225, 150, 30, 7.5},
                           {220, 60, 0, 7.5}});
    l.checkpointCount = 12;
    l.islands = {{200, 3.5, 11, 2.5}, {420, -3.5, 10, 2.5}, {700, 3.5, 10, 2.5}, {1010, -3.5, 10, 2.5}};
    l.sceneryDensity = 0.1;
    l.hillHeight = 70;
    l.bankRise = 4;
    levels.push_back(l);
  }
  return levels;
}

LevelDescription BuildIntro() {
  LevelDescription l;
  l.number = 0;
  l.terrainName = "intro";
  l.title = "Intro";
  l.description = {"The river the intro flies over."};
  l.season = "normal";
  l.song = "lomira.xm";  // never played: the intro has its title music
  l.startHalfWidth = 9;
  // Follows the camera's line from far down the river back to the boat, always under it.
  l.course = {Run(20, 9),  Bend(5, 150, 9),  Run(50, 9),  Bend(-5, 150, 9),
              Run(20, 9),  Bend(6, 150, 10), Run(50, 10), Bend(-6, 150, 10),
              Run(20, 10), Bend(5, 150, 11), Run(68, 11)};
  l.islands = {{70, -6, 8, 2}, {125, 6, 10, 2.5}, {215, -6.5, 12, 2.5}, {262, -5, 7, 2}};
  l.checkpointCount = 1;
  l.sceneryDensity = 0.1;
  l.hillHeight = 75;
  l.bankRise = 3;
  l.buoySpacing = 40;
  // The intro draws every object of the layer in every frame: only what the camera sees.
  l.sceneryReach = 20;
  l.seed = 4242;
  return l;
}

}  // namespace

const std::vector<LevelDescription>& LevelCatalogue() {
  static const std::vector<LevelDescription> levels = BuildCatalogue();
  return levels;
}

const LevelDescription& IntroDescription() {
  static const LevelDescription intro = BuildIntro();
  return intro;
}
