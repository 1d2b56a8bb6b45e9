// The decoder plugin's two exports. A start opens the named file and plays it on an SDL
// audio device of the plugin's own, fed by a thread, until the stop call or the end of the
// file; a start while playing replaces what plays. A file that cannot be decoded plays
// nothing and opens no device.
#include <SDL.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "audio/decoder_block.h"
#include "title_stream.h"

static std::thread PlayerThread;
static std::atomic<bool> StopRequested{false};
static SDL_AudioDeviceID Device = 0;
static bool AudioSubsystemHeld = false;

// Keeps about half a second queued ahead of the device.
static const Uint32 QueueAhead = TitleRate / 2 * 2 * sizeof(int16_t);

static void Feed(TitleStream* stream, std::vector<int16_t> first) {
  std::vector<int16_t> pcm = std::move(first);
  bool more = true;
  while (!StopRequested) {
    if (!pcm.empty()) {
      SDL_QueueAudio(Device, pcm.data(), Uint32(pcm.size() * sizeof(int16_t)));
      pcm.clear();
    }
    if (!more) break;
    while (!StopRequested && SDL_GetQueuedAudioSize(Device) > QueueAhead) SDL_Delay(10);
    more = ReadTitleStream(stream, pcm);
  }
  CloseTitleStream(stream);
}

static void StopPlayer() {
  StopRequested = true;
  if (PlayerThread.joinable()) PlayerThread.join();
  StopRequested = false;
  if (Device) {
    SDL_CloseAudioDevice(Device);
    Device = 0;
  }
  if (AudioSubsystemHeld) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    AudioSubsystemHeld = false;
  }
}

extern "C" __attribute__((visibility("default"))) int DllDecoderStart(DecoderStartBlock* block) {
  StopPlayer();
  const char* name = DecoderBlockFileName(block);
  if (!name) return -1;
  TitleStream* stream = OpenTitleStream(name);
  if (!stream) return -1;
  std::vector<int16_t> first;
  while (first.empty()) {
    if (!ReadTitleStream(stream, first)) break;
  }
  if (first.empty()) {
    CloseTitleStream(stream);
    return -1;
  }
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    CloseTitleStream(stream);
    return -1;
  }
  AudioSubsystemHeld = true;
  SDL_AudioSpec want{};
  want.freq = TitleRate;
  want.format = AUDIO_S16SYS;
  want.channels = 2;
  want.samples = 2048;
  Device = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);  // SDL converts for us
  if (!Device) {
    CloseTitleStream(stream);
    StopPlayer();
    return -1;
  }
  SDL_PauseAudioDevice(Device, 0);
  PlayerThread = std::thread(Feed, stream, std::move(first));
  return 0;
}

extern "C" __attribute__((visibility("default"))) void DllDecoderStop() {
  StopPlayer();
}

// Unloading while a file still plays must not leave the thread running in unmapped code.
__attribute__((destructor)) static void UnloadPlayer() {
  StopPlayer();
}
