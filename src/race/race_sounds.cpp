#include "race/race_sounds.h"

void (*RaceEffectListener)(int channel, FSOUND_SAMPLE* sample) = nullptr;
bool (*RaceChannelPlayingOverride)(int channel) = nullptr;

void PlayRaceEffect(int channel, FSOUND_SAMPLE* sample) {
  if (RaceEffectListener) {
    RaceEffectListener(channel, sample);
    return;
  }
  PlayEffect(channel, sample);
}

bool RaceChannelPlaying(int channel) {
  if (RaceChannelPlayingOverride) return RaceChannelPlayingOverride(channel);
  return FSOUND_IsPlaying(channel);
}
