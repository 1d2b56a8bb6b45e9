// The data generator's sound and music code, built into this test program so the tests
// can make the samples and songs they play and check what the generator writes.
#include "../../tools/datagen/audio_check.cpp"
#include "../../tools/datagen/audio_compose.cpp"
#include "../../tools/datagen/audio_effects.cpp"
#include "../../tools/datagen/audio_instruments.cpp"
#include "../../tools/datagen/audio_songs.cpp"
#include "../../tools/datagen/audio_synth.cpp"
#include "../../tools/datagen/audio_xm.cpp"
