#pragma once
// Race progress: the checkpoint and finish tests of every physics substep, and the per-tick
// race step (start sound, start phase, engine sounds, finish count, overlay).

inline constexpr int StartPhaseEndTick = 80;
inline constexpr int FinishRunOutTicks = 80;
inline constexpr int OverlayHoldTicks = 30;

// Per-tick race step, run after TickCount has been incremented while ScreenState is 6.
void RaceTick();
// Checkpoint test and finish test on the checkpoint layer at the probe cell.
void CheckpointAndFinishTest();
