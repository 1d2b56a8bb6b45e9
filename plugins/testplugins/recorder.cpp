// A decoder plugin that plays nothing and records each call, so a test can read back what
// the game handed it.
#include <cstring>

#include "audio/decoder_block.h"

#define EXPORT __attribute__((visibility("default")))

extern "C" {
EXPORT int RecorderStartCalls = 0;
EXPORT int RecorderStopCalls = 0;
EXPORT int32_t RecorderFields[11] = {};
EXPORT char RecorderFileName[256] = {};

EXPORT int DllDecoderStart(DecoderStartBlock* block) {
  RecorderStartCalls++;
  std::memcpy(RecorderFields, block->Field, sizeof RecorderFields);
  const char* name = DecoderBlockFileName(block);
  std::strncpy(RecorderFileName, name ? name : "", sizeof RecorderFileName - 1);
  return 0;
}

EXPORT void DllDecoderStop() {
  RecorderStopCalls++;
}
}
