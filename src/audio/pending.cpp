// Placeholders until the sound subsystem lands; each goes when its real routine exists.
#include "audio/sound.h"
#include "audio/soundlib.h"

bool FSOUND_Init(int, int, unsigned) { return false; }
FSOUND_SAMPLE* FSOUND_Sample_Load(int, const char*, unsigned, int) { return nullptr; }
bool FSOUND_Sample_SetLoopMode(FSOUND_SAMPLE*, unsigned) { return false; }
int FSOUND_PlaySound(int, FSOUND_SAMPLE*) { return -1; }
bool FSOUND_SetVolume(int, int) { return false; }
bool FSOUND_StopSound(int) { return false; }
bool FSOUND_IsPlaying(int) { return false; }
void FSOUND_Close() {}
FMUSIC_MODULE* FMUSIC_LoadSong(const char*) { return nullptr; }
bool FMUSIC_PlaySong(FMUSIC_MODULE*) { return false; }
bool FMUSIC_StopSong(FMUSIC_MODULE*) { return false; }
bool FMUSIC_SetMasterVolume(FMUSIC_MODULE*, int) { return false; }
bool FMUSIC_FreeSong(FMUSIC_MODULE*) { return false; }

FSOUND_SAMPLE* ThunderSample = nullptr;
FSOUND_SAMPLE* ClickSample = nullptr;
FSOUND_SAMPLE* EngineStartSample = nullptr;
FSOUND_SAMPLE* EngineSample1 = nullptr;
FSOUND_SAMPLE* EngineSample2 = nullptr;
FSOUND_SAMPLE* EngineSample3 = nullptr;
FSOUND_SAMPLE* CrashSample = nullptr;
int EffectsVolume = 0;
int MusicVolume = 0;
bool MusicOn = false;
FMUSIC_MODULE* CurrentSong = nullptr;
bool DecoderLoaded = false;
void* DecoderLibrary = nullptr;

void LoadSampleBank() {}
void PlayEffect(int channel, FSOUND_SAMPLE* sample) {}
void StartSong(const std::string&) {}
void StopSongForLevelLoad() {}
void SetMusicOff(bool) {}
void SetMusicVolume(int) {}
void SetEffectsVolume(int) {}
void StopEngineSound() {}
void CloseSound() {}
void LoadTitleDecoder() {}
void PlayTitleFile(const char*, int) {}
void StopTitleMusic() {}
