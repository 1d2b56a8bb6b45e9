#pragma once
// The parameter block of the title-music decoder's start call, shared by the game and the
// decoder plugin. It keeps its eleven 32-bit fields; a 32-bit field cannot hold an address
// on a 64-bit system, so the file name's address travels in FileName after them, and
// field 2 holds that member's byte offset in the block (DecoderNameOffset). A decoder reads
// the name only when field 2 says it is there.
#include <cstddef>
#include <cstdint>

struct DecoderStartBlock {
  int32_t Field[11];     // Field[0] is field 1: the start request's argument
  const char* FileName;  // zero-terminated
};

inline constexpr int32_t DecoderNameOffset = static_cast<int32_t>(offsetof(DecoderStartBlock, FileName));

// Fills the block as the game's start request does: argument, name, 1, 0; the rest zero.
inline void FillDecoderStartBlock(DecoderStartBlock& block, const char* fileName, int32_t argument) {
  for (int32_t& f : block.Field) f = 0;
  block.Field[0] = argument;
  block.Field[1] = DecoderNameOffset;
  block.Field[2] = 1;
  block.Field[3] = 0;
  block.FileName = fileName;
}

// The name a block carries, or null when the block does not carry one this way.
inline const char* DecoderBlockFileName(const DecoderStartBlock* block) {
  if (!block || block->Field[1] != DecoderNameOffset) return nullptr;
  return block->FileName;
}

extern "C" {
using DecoderStartFunction = int (*)(DecoderStartBlock* block);
using DecoderStopFunction = void (*)();
}
