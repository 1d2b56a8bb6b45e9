#pragma once
// The per-tick steps of the screens, one per screen state that has one. Kept as a table
// of routines so the dispatch can be checked on its own.
struct TickSteps {
  void (*Intro)();
  void (*Menu)();
  void (*Credits)();
  void (*LevelMapStatus)();  // empties the map's status line
  void (*Race)();
};

extern TickSteps TickStep;
