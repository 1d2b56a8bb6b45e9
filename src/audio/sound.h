#pragma once
// The game's sounds: the sample bank, the two fixed channels, the volumes, the song rules
// and the title-music decoder.
#include <string>

#include "audio/soundlib.h"

inline constexpr int EngineChannel = 40;  // thunder and every engine sound
inline constexpr int EventChannel = 41;   // clicks, crash, finish

extern FSOUND_SAMPLE* ThunderSample;
extern FSOUND_SAMPLE* ClickSample;
extern FSOUND_SAMPLE* EngineStartSample;
extern FSOUND_SAMPLE* EngineSample1;  // idle loop
extern FSOUND_SAMPLE* EngineSample2;  // forward loop
extern FSOUND_SAMPLE* EngineSample3;  // reverse loop
extern FSOUND_SAMPLE* CrashSample;

extern int EffectsVolume;  // 0..255
extern int MusicVolume;    // 0..255
extern bool MusicOn;
extern FMUSIC_MODULE* CurrentSong;

// Loads the seven samples in their order; the three engine loops get the loop mode.
void LoadSampleBank();
// FSOUND_PlaySound on the channel, then at once FSOUND_SetVolume with EffectsVolume.
void PlayEffect(int channel, FSOUND_SAMPLE* sample);
// Only when MusicOn: stop and release CurrentSong, load the file, play it at MusicVolume.
// A missing or broken file leaves CurrentSong empty and the music silent.
void StartSong(const std::string& file);
// At every level load: when MusicOn, stop CurrentSong.
void StopSongForLevelLoad();
// Options screen rules.
void SetMusicOff(bool off);          // check box "Music off"
void SetMusicVolume(int position);   // music slider
void SetEffectsVolume(int position); // effects slider
// Race end: silence the engine channel.
void StopEngineSound();
// Shut-down: free CurrentSong, then close the library.
void CloseSound();

// Title music.
extern bool DecoderLoaded;
extern void* DecoderLibrary;  // dlopen handle
// The decoder plugin's file, and the directory it is looked for in: empty means the
// program's own directory + "/plugins/" (tests point it elsewhere).
inline constexpr const char* TitleDecoderFile = "titledecoder.so";
extern std::string DecoderDirectory;
std::string TitleDecoderDirectory();  // with a trailing "/"
// Looks for the decoder plugin; when it is missing shows the Abort/Ignore warning.
// Abort ends the program at once with exit status 1. Runs once at start-up.
void LoadTitleDecoder();
void PlayTitleFile(const char* fileName, int argument);
void StopTitleMusic();
