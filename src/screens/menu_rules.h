#pragma once
// The menu's fixed geometry and the lightning's script, kept apart from the drawing so
// they can be checked without a window.

inline constexpr int SelectorLeft = 550;

// The menu item (1, 2 or 3) whose rectangle holds the point, borders included; 0 for none.
int MenuItemAt(int x, int y);
// Top of the selector picture for item 1..3; -1 for any other value.
int SelectorTop(int item);

enum class LightningPicture { None, Background, Flash1, Flash2 };

// What one lightning step draws and plays once LightningStep has reached `step`.
struct TLightningAction {
  LightningPicture Picture = LightningPicture::None;
  bool Thunder = false;
  bool Ends = false;  // the flash is over: LightningStep goes back to 0
};
TLightningAction LightningActionAt(int step);

// One tick of the lightning: from the current step and a roll of 0..199, the new step.
// A flash starts on a roll below 2; a running flash advances by one.
int NextLightningStep(int step, int roll);
