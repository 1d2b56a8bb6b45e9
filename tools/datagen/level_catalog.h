#pragma once
// The levels of the game as data: each is a course (a walk of straight runs and bends with
// channel widths), islands, a season, a song, scenery density and its texts. Adding a level
// is adding a description to the catalogue.
#include <cstdint>
#include <string>
#include <vector>

#include "course_path.h"

// An island (or a rock) standing in the channel: an ellipse around the point `along` cells
// down the course, shifted `offset` cells across it (positive to the right of travel).
struct IslandDescription {
  double along = 0;
  double offset = 0;
  double radiusAlong = 0;
  double radiusAcross = 0;
};

struct LevelDescription {
  int number = 0;            // 1..; 0 for the intro scene
  std::string terrainName;   // base name of the .raw, add.raw and .dcc files
  std::string title;
  std::vector<std::string> description;  // two to four lines
  std::string season = "normal";         // "normal" or "winter"
  std::string song;                      // music module played in the race, under data/
  double startHalfWidth = 8;
  std::vector<CourseStep> course;
  int checkpointCount = 2;  // checkpoint 0 (the open water) plus the gates 1..count-1
  std::vector<IslandDescription> islands;
  double sceneryDensity = 0.05;  // chance that a land cell near the river holds an object
  double hillHeight = 40;        // height of the hills beyond the banks, in height bytes
  double bankRise = 3;           // height bytes gained per cell away from the water
  double sceneryReach = 1000;  // no scenery further than this from the water, in cells
  double buoySpacing = 0;  // the intro only: buoys along the channel every so many cells
  uint32_t seed = 1;
  bool available = false;
};

// Levels 1..N in order; level 1 is available, the others locked.
const std::vector<LevelDescription>& LevelCatalogue();
// The river landscape the intro camera flies over.
const LevelDescription& IntroDescription();
