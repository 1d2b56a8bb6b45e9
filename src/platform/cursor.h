#pragma once
// The cursor's show/hide counter, kept the way the window system keeps it: the cursor is
// visible while the counter is 0 or more. Cursor 1 is the game's own arrow.
int ShowCursor(bool show);  // returns the new counter
int CursorCounter();
inline constexpr int crDefault = 0;
inline constexpr int crGame = 1;  // the custom cursor compiled into the program
void SetActiveCursor(int cursor); // the platform calls this for the control under the mouse
// Mouse position in game pixels (0..799, 0..599).
void GetCursorPos(int& x, int& y);
// The platform calls this once video is up, so the window follows the counter.
void ApplyCursorState();
