#pragma once
// The race's sound calls. They go to the sound code, or to a listener a test installs in
// its place, so the race's sound rules can be checked without an audio device.
#include "audio/sound.h"

// Starts the sample on the channel at the effects volume.
void PlayRaceEffect(int channel, FSOUND_SAMPLE* sample);
// Whether the channel still plays.
bool RaceChannelPlaying(int channel);

// Test doubles: when set, they replace the sound code.
extern void (*RaceEffectListener)(int channel, FSOUND_SAMPLE* sample);
extern bool (*RaceChannelPlayingOverride)(int channel);
