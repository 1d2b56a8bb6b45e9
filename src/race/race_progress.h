#pragma once
// Per-tick race step: start sound, start phase, engine sounds, finish count, overlay.
void RaceTick();
