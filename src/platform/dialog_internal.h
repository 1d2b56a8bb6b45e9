#pragma once
// The small dialog window of TApplication::RunDialog, while it runs.
#include <cstdint>

#include "platform/forms.h"

struct SDL_Window;

TForm* RunningDialog();          // nullptr when no dialog runs
SDL_Window* RunningDialogWindow();
// Composes the dialog into its window; with onlyIfChanged, only when its look changed.
void PaintDialog(bool onlyIfChanged);
