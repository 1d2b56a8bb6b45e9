#include "shell/setup_dialog.h"

void RunSetupDialog() {}
