#pragma once
// The game's main routine: start-up, MainLoop, Shutdown. Returns the exit status.
// main() only calls this, so tests can run the whole game in-process.
int GameMain();
void MainLoop();
void Shutdown();
