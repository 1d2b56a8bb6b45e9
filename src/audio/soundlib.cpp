// The sound library over SDL2_mixer. Samples live in a fixed table of slots, so a handle
// stays a valid address for the whole run, even after FSOUND_Close; a closed or empty slot
// simply plays nothing.
#include "audio/soundlib.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <vector>

struct FSOUND_SAMPLE {
  Mix_Chunk* Chunk;
  unsigned LoopMode;
  bool InUse;
};

struct FMUSIC_MODULE {
  Mix_Music* Music;
  int Volume;  // master volume 0..255, applied whenever this module plays
};

static const int SampleSlotCount = 256;
static FSOUND_SAMPLE SampleSlots[SampleSlotCount];

static bool SoundOpen = false;
static int ChannelCount = 0;
static std::vector<FMUSIC_MODULE*> LiveModules;  // loaded and not yet freed
static FMUSIC_MODULE* PlayingModule = nullptr;

// The library's volumes run 0..255, the mixer's 0..128.
static int MixerVolume(int volume) {
  volume = std::clamp(volume, 0, 255);
  return (volume * MIX_MAX_VOLUME + 127) / 255;
}

static bool ValidChannel(int channel) {
  return SoundOpen && channel >= 0 && channel < ChannelCount;
}

static void ReleaseSlot(FSOUND_SAMPLE* slot) {
  if (slot->Chunk) {
    if (SoundOpen) {
      // a channel still playing the chunk must let go of it first
      for (int c = 0; c < ChannelCount; c++) {
        if (Mix_Playing(c) && Mix_GetChunk(c) == slot->Chunk) Mix_HaltChannel(c);
      }
    }
    Mix_FreeChunk(slot->Chunk);
  }
  slot->Chunk = nullptr;
  slot->LoopMode = 0;
  slot->InUse = false;
}

bool FSOUND_Init(int mixRate, int maxChannels, unsigned flags) {
  if (SoundOpen) return true;
  if (mixRate <= 0 || maxChannels <= 0) return false;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  Mix_Init(MIX_INIT_MOD);  // XM modules; without it the songs only stay silent
  if (Mix_OpenAudio(mixRate, AUDIO_S16SYS, 2, 1024) != 0) {
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  ChannelCount = Mix_AllocateChannels(maxChannels);
  for (int c = 0; c < ChannelCount; c++) Mix_Volume(c, MIX_MAX_VOLUME);
  SoundOpen = true;
  return true;
}

FSOUND_SAMPLE* FSOUND_Sample_Load(int index, const char* name, unsigned mode, int memLength) {
  if (!SoundOpen || !name || index < FSOUND_FREE || index >= SampleSlotCount) return nullptr;
  FSOUND_SAMPLE* slot = nullptr;
  if (index == FSOUND_FREE) {
    for (FSOUND_SAMPLE& s : SampleSlots) {
      if (!s.InUse) {
        slot = &s;
        break;
      }
    }
    if (!slot) return nullptr;
  } else {
    slot = &SampleSlots[index];
    ReleaseSlot(slot);
  }
  Mix_Chunk* chunk = Mix_LoadWAV(name);
  if (!chunk) return nullptr;
  slot->Chunk = chunk;
  slot->LoopMode = 0;
  slot->InUse = true;
  return slot;
}

bool FSOUND_Sample_SetLoopMode(FSOUND_SAMPLE* sample, unsigned loopMode) {
  if (!sample || !sample->InUse) return false;
  sample->LoopMode = loopMode;
  return true;
}

// Starts the sample on exactly that channel, replacing what plays there. The channel keeps
// its volume; callers set it right after (a reset to full here could blare for a buffer).
int FSOUND_PlaySound(int channel, FSOUND_SAMPLE* sample) {
  if (!SoundOpen || !sample || !sample->Chunk) return -1;
  if (channel != FSOUND_FREE && !ValidChannel(channel)) return -1;
  int loops = sample->LoopMode == FSOUND_LOOP_NORMAL ? -1 : 0;
  return Mix_PlayChannel(channel, sample->Chunk, loops);
}

bool FSOUND_SetVolume(int channel, int volume) {
  if (!ValidChannel(channel)) return false;
  Mix_Volume(channel, MixerVolume(volume));
  return true;
}

bool FSOUND_StopSound(int channel) {
  if (!ValidChannel(channel)) return false;
  Mix_HaltChannel(channel);
  return true;
}

bool FSOUND_IsPlaying(int channel) {
  if (!ValidChannel(channel)) return false;
  return Mix_Playing(channel) != 0;
}

// Frees every sample and the mixer's hold on every module. Module and sample handles stay
// harmless: a later call on them does nothing, FMUSIC_FreeSong still releases the module.
void FSOUND_Close() {
  if (!SoundOpen) return;
  Mix_HaltChannel(-1);
  Mix_HaltMusic();
  PlayingModule = nullptr;
  for (FSOUND_SAMPLE& s : SampleSlots) ReleaseSlot(&s);
  for (FMUSIC_MODULE* m : LiveModules) {
    if (m->Music) Mix_FreeMusic(m->Music);
    m->Music = nullptr;
  }
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  SoundOpen = false;
  ChannelCount = 0;
}

static bool LiveModule(FMUSIC_MODULE* module) {
  return module && std::find(LiveModules.begin(), LiveModules.end(), module) != LiveModules.end();
}

FMUSIC_MODULE* FMUSIC_LoadSong(const char* name) {
  if (!SoundOpen || !name) return nullptr;
  Mix_Music* music = Mix_LoadMUS(name);
  if (!music) return nullptr;
  FMUSIC_MODULE* module = new FMUSIC_MODULE{music, 255};
  LiveModules.push_back(module);
  return module;
}

// Plays the module from its start, looping, at its remembered master volume.
bool FMUSIC_PlaySong(FMUSIC_MODULE* module) {
  if (!SoundOpen || !LiveModule(module) || !module->Music) return false;
  if (Mix_PlayMusic(module->Music, -1) != 0) return false;
  Mix_VolumeMusic(MixerVolume(module->Volume));
  PlayingModule = module;
  return true;
}

bool FMUSIC_StopSong(FMUSIC_MODULE* module) {
  if (!SoundOpen || !LiveModule(module)) return false;
  if (PlayingModule == module) {
    Mix_HaltMusic();
    PlayingModule = nullptr;
  }
  return true;
}

bool FMUSIC_SetMasterVolume(FMUSIC_MODULE* module, int volume) {
  if (!LiveModule(module)) return false;
  module->Volume = std::clamp(volume, 0, 255);
  if (SoundOpen && PlayingModule == module) Mix_VolumeMusic(MixerVolume(module->Volume));
  return true;
}

bool FMUSIC_FreeSong(FMUSIC_MODULE* module) {
  if (!LiveModule(module)) return false;
  if (PlayingModule == module) {
    Mix_HaltMusic();
    PlayingModule = nullptr;
  }
  if (module->Music) Mix_FreeMusic(module->Music);
  LiveModules.erase(std::find(LiveModules.begin(), LiveModules.end(), module));
  delete module;
  return true;
}

int FMUSIC_LoadedSongCount() {
  return int(LiveModules.size());
}
