#pragma once
// A compressed music file decoded into 16-bit stereo PCM at a fixed rate, piece by piece.
#include <cstdint>
#include <string>
#include <vector>

inline constexpr int TitleRate = 44100;

struct TitleStream;

// Null when the file cannot be opened or holds no audio stream the decoder knows.
TitleStream* OpenTitleStream(const std::string& fileName);
// Appends the next decoded samples (interleaved left/right) to `out`. False at the end of
// the file or on a decoding failure, with nothing more to come.
bool ReadTitleStream(TitleStream* stream, std::vector<int16_t>& out);
void CloseTitleStream(TitleStream* stream);
