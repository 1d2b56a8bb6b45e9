#pragma once
// The first-run setup dialog: asks for the detail level and writes a complete
// configuration. Returns when "Start and Save" was pressed; "Exit" and the close box end
// the program at once without writing.
void RunSetupDialog();
