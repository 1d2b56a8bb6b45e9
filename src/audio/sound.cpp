// The sample bank, effects on the two fixed channels, and the song rules.
#include "audio/sound.h"

FSOUND_SAMPLE* ThunderSample = nullptr;
FSOUND_SAMPLE* ClickSample = nullptr;
FSOUND_SAMPLE* EngineStartSample = nullptr;
FSOUND_SAMPLE* EngineSample1 = nullptr;
FSOUND_SAMPLE* EngineSample2 = nullptr;
FSOUND_SAMPLE* EngineSample3 = nullptr;
FSOUND_SAMPLE* CrashSample = nullptr;

int EffectsVolume = 100;
int MusicVolume = 100;
bool MusicOn = true;
FMUSIC_MODULE* CurrentSong = nullptr;

static FSOUND_SAMPLE* LoadSample(const char* file) {
  return FSOUND_Sample_Load(FSOUND_FREE, file, FSOUND_2D, 0);
}

// A missing file leaves its slot empty; that sound then stays silent.
void LoadSampleBank() {
  ThunderSample = LoadSample("data/thunder.wav");
  ClickSample = LoadSample("data/click.wav");
  EngineStartSample = LoadSample("data/vontelstart.wav");
  EngineSample1 = LoadSample("data/vontel1.wav");
  FSOUND_Sample_SetLoopMode(EngineSample1, FSOUND_LOOP_NORMAL);
  EngineSample2 = LoadSample("data/vontel2.wav");
  FSOUND_Sample_SetLoopMode(EngineSample2, FSOUND_LOOP_NORMAL);
  EngineSample3 = LoadSample("data/vontel3.wav");
  FSOUND_Sample_SetLoopMode(EngineSample3, FSOUND_LOOP_NORMAL);
  CrashSample = LoadSample("data/crash.wav");
}

void PlayEffect(int channel, FSOUND_SAMPLE* sample) {
  FSOUND_PlaySound(channel, sample);
  FSOUND_SetVolume(channel, EffectsVolume);
}

// The song it replaces is released here, so a long session holds one module at a time.
void StartSong(const std::string& file) {
  if (!MusicOn) return;
  FMUSIC_StopSong(CurrentSong);
  FMUSIC_FreeSong(CurrentSong);
  CurrentSong = FMUSIC_LoadSong(file.c_str());
  FMUSIC_PlaySong(CurrentSong);
  FMUSIC_SetMasterVolume(CurrentSong, MusicVolume);
}

void StopSongForLevelLoad() {
  if (MusicOn) FMUSIC_StopSong(CurrentSong);
}

// Switching music on starts nothing: it returns with the next song start.
void SetMusicOff(bool off) {
  if (off) {
    MusicOn = false;
    FMUSIC_StopSong(CurrentSong);
  } else {
    MusicOn = true;
  }
}

void SetMusicVolume(int position) {
  MusicVolume = position;
  FMUSIC_SetMasterVolume(CurrentSong, position);
}

// Only the engine channel follows the slider at once; the event channel keeps its volume
// until its next sound.
void SetEffectsVolume(int position) {
  FSOUND_SetVolume(EngineChannel, position);
  EffectsVolume = position;
}

void StopEngineSound() {
  FSOUND_StopSound(EngineChannel);
}

void CloseSound() {
  FMUSIC_FreeSong(CurrentSong);
  CurrentSong = nullptr;
  FSOUND_Close();
}
