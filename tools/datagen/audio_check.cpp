// Checks that every sample and song of the data set loads in the mixer the game uses.
#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdlib>
#include <string>
#include <sys/stat.h>

#include "audio_data.h"

static const char* const SampleFiles[] = {"thunder.wav",  "click.wav",    "vontelstart.wav", "vontel1.wav",
                                          "vontel2.wav",  "vontel3.wav",  "crash.wav"};

static bool Exists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

// Opens the mixer on the silent dummy driver unless it is already open.
static bool OpenCheckMixer(bool& openedHere) {
  openedHere = false;
  int frequency, channels;
  Uint16 format;
  if (Mix_QuerySpec(&frequency, &format, &channels)) return true;
  const char* previous = SDL_getenv("SDL_AUDIODRIVER");
  std::string saved = previous ? previous : "";
  SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
  bool ok = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  if (previous) {
    SDL_setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
  } else {
    unsetenv("SDL_AUDIODRIVER");
  }
  if (!ok) return false;
  Mix_Init(MIX_INIT_MOD);
  if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  openedHere = true;
  return true;
}

void CheckAudio(const std::string& dataDir, std::vector<std::string>& problems) {
  bool openedHere;
  if (!OpenCheckMixer(openedHere)) {
    problems.push_back(std::string("The sounds could not be checked: the sound mixer does not open (") +
                       SDL_GetError() + ").");
    return;
  }
  for (const char* name : SampleFiles) {
    std::string path = dataDir + "/" + name;
    if (!Exists(path)) {
      problems.push_back("The sound " + path + " is missing.");
      continue;
    }
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    if (!chunk) {
      problems.push_back("The sound " + path + " does not load: " + SDL_GetError() + ".");
    } else if (chunk->alen == 0) {
      problems.push_back("The sound " + path + " is empty.");
    }
    if (chunk) Mix_FreeChunk(chunk);
  }
  std::vector<std::string> songs = {"lomira.xm"};
  for (int level = 1; level <= 8; level++) songs.push_back(LevelSongFile(level));
  for (const std::string& name : songs) {
    std::string path = dataDir + "/" + name;
    if (!Exists(path)) {
      problems.push_back("The song " + path + " is missing.");
      continue;
    }
    Mix_Music* music = Mix_LoadMUS(path.c_str());
    if (!music) {
      problems.push_back("The song " + path + " does not load: " + SDL_GetError() + ".");
    } else if (Mix_GetMusicType(music) != MUS_MOD) {
      problems.push_back("The song " + path + " is not read as a tracker module.");
    }
    if (music) Mix_FreeMusic(music);
  }
  if (openedHere) {
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
}
