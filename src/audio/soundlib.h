#pragma once
// The sound library: thirteen functions for samples on fixed channels and one tracker
// module at a time, over SDL2_mixer. Every call is harmless with a null sample or module
// and before FSOUND_Init.
#include <cstdint>

struct FSOUND_SAMPLE;  // a loaded WAV sample
struct FMUSIC_MODULE;  // a loaded music module (XM)

inline constexpr int FSOUND_FREE = -1;          // any free sample slot
inline constexpr unsigned FSOUND_2D = 0x2000;   // plain two-dimensional playback
inline constexpr unsigned FSOUND_LOOP_NORMAL = 2;

bool FSOUND_Init(int mixRate, int maxChannels, unsigned flags);
FSOUND_SAMPLE* FSOUND_Sample_Load(int index, const char* name, unsigned mode, int memLength);
bool FSOUND_Sample_SetLoopMode(FSOUND_SAMPLE* sample, unsigned loopMode);
int FSOUND_PlaySound(int channel, FSOUND_SAMPLE* sample);
bool FSOUND_SetVolume(int channel, int volume);  // 0..255
bool FSOUND_StopSound(int channel);
bool FSOUND_IsPlaying(int channel);
void FSOUND_Close();

FMUSIC_MODULE* FMUSIC_LoadSong(const char* name);
bool FMUSIC_PlaySong(FMUSIC_MODULE* module);
bool FMUSIC_StopSong(FMUSIC_MODULE* module);
bool FMUSIC_SetMasterVolume(FMUSIC_MODULE* module, int volume);  // 0..255
bool FMUSIC_FreeSong(FMUSIC_MODULE* module);

// Modules loaded and not yet freed (lets a test see that replaced songs are released).
int FMUSIC_LoadedSongCount();
