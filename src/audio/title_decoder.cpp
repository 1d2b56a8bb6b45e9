// The title music: a decoder plugin looked for beside the program and loaded at run time.
// Its two exports are looked up at every call, nothing is cached.
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "audio/decoder_block.h"
#include "audio/sound.h"
#include "platform/application.h"
#include "platform/message_box.h"

bool DecoderLoaded = false;
void* DecoderLibrary = nullptr;
std::string DecoderDirectory;

static DecoderStartBlock StartBlock;

std::string TitleDecoderDirectory() {
  if (!DecoderDirectory.empty()) {
    std::string dir = DecoderDirectory;
    if (dir.back() != '/') dir += '/';
    return dir;
  }
  char exe[4096];
  ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
  if (n <= 0) return "plugins/";  // no /proc: beside the working directory
  std::string path(exe, n);
  return path.substr(0, path.rfind('/') + 1) + "plugins/";
}

static bool FileExists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// The plugin's thread may still be playing when the program ends: stop it before its code
// is unmapped.
static void ReleaseTitleDecoder() {
  if (!DecoderLibrary) return;
  StopTitleMusic();
  dlclose(DecoderLibrary);
  DecoderLibrary = nullptr;
  DecoderLoaded = false;
}

// FFmpeg needs no codebook file, so the plugin alone decides whether the warning appears.
void LoadTitleDecoder() {
  static bool releaseAtExit = false;
  ReleaseTitleDecoder();  // a second call starts afresh instead of leaking the first
  std::string dir = TitleDecoderDirectory();
  std::string path = dir + TitleDecoderFile;
  if (FileExists(path)) {
    DecoderLibrary = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    DecoderLoaded = DecoderLibrary != nullptr;
    if (DecoderLoaded && !releaseAtExit) releaseAtExit = std::atexit(ReleaseTitleDecoder) == 0;
    return;
  }
  std::string shownDir = dir.substr(0, dir.size() - 1);
  std::string text = "Warning! This Program requires the vqf decoder drivers.\r\n\r\n" +
                     std::string(TitleDecoderFile) + " needs to be in the " + shownDir +
                     " dir.\r\n\r\nYou Can continue but the music will be disabled.";
  MsgResult answer =
      ShowMessageBox(text, Application.Title(), MsgButtons::AbortIgnore, MsgIcon::Warning);
  if (answer == MsgResult::Abort) std::exit(EXIT_FAILURE);
  DecoderLoaded = false;
}

void PlayTitleFile(const char* fileName, int argument) {
  if (!DecoderLoaded) return;
  auto start = reinterpret_cast<DecoderStartFunction>(dlsym(DecoderLibrary, "DllDecoderStart"));
  if (!start) return;
  FillDecoderStartBlock(StartBlock, fileName, argument);
  start(&StartBlock);
}

void StopTitleMusic() {
  if (!DecoderLoaded) return;
  auto stop = reinterpret_cast<DecoderStopFunction>(dlsym(DecoderLibrary, "DllDecoderStop"));
  if (stop) stop();
}
