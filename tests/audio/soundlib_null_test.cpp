// Every sound library call is harmless with null handles, unknown channels and before the
// library is open or after it closed.
#include <gtest/gtest.h>

#include "audio/soundlib.h"
#include "audio_test_support.h"

static void CallEverythingWithNothing() {
  EXPECT_EQ(FSOUND_Sample_Load(FSOUND_FREE, nullptr, FSOUND_2D, 0), nullptr);
  EXPECT_EQ(FSOUND_Sample_Load(FSOUND_FREE, "no/such/file.wav", FSOUND_2D, 0), nullptr);
  EXPECT_FALSE(FSOUND_Sample_SetLoopMode(nullptr, FSOUND_LOOP_NORMAL));
  for (int channel : {-5, 0, 40, 41, 42, 1000}) {
    SCOPED_TRACE(channel);
    EXPECT_EQ(FSOUND_PlaySound(channel, nullptr), -1);
    FSOUND_SetVolume(channel, 255);
    FSOUND_StopSound(channel);
    EXPECT_FALSE(FSOUND_IsPlaying(channel));
  }
  EXPECT_EQ(FMUSIC_LoadSong(nullptr), nullptr);
  EXPECT_EQ(FMUSIC_LoadSong("no/such/song.xm"), nullptr);
  EXPECT_FALSE(FMUSIC_PlaySong(nullptr));
  EXPECT_FALSE(FMUSIC_StopSong(nullptr));
  EXPECT_FALSE(FMUSIC_SetMasterVolume(nullptr, 100));
  EXPECT_FALSE(FMUSIC_FreeSong(nullptr));
}

TEST(SoundLibrary, NullHandlesBeforeOpenWhileOpenAndAfterClose) {
  {
    SCOPED_TRACE("before FSOUND_Init");
    CallEverythingWithNothing();
    FSOUND_Close();
  }
  ASSERT_TRUE(FSOUND_Init(44100, 42, 0));
  {
    SCOPED_TRACE("while open");
    CallEverythingWithNothing();
  }
  FSOUND_Close();
  {
    SCOPED_TRACE("after FSOUND_Close");
    CallEverythingWithNothing();
    FSOUND_Close();
  }
}

TEST(SoundLibrary, OpensFortyTwoChannels) {
  ASSERT_TRUE(FSOUND_Init(44100, 42, 0));
  EXPECT_TRUE(FSOUND_SetVolume(0, 10));
  EXPECT_TRUE(FSOUND_SetVolume(41, 10));
  EXPECT_FALSE(FSOUND_SetVolume(42, 10));
  FSOUND_Close();
}

// Handles taken before FSOUND_Close stay harmless afterwards; the module can still be freed.
TEST(SoundLibrary, HandlesOutliveTheLibrary) {
  std::string dir = MakeTempDir("handles");
  WriteToneWav(dir + "/tone.wav", 0.2, 440, 0.5);
  ASSERT_TRUE(FSOUND_Init(44100, 42, 0));
  FSOUND_SAMPLE* sample = FSOUND_Sample_Load(FSOUND_FREE, (dir + "/tone.wav").c_str(), FSOUND_2D, 0);
  ASSERT_NE(sample, nullptr);
  EXPECT_TRUE(FSOUND_Sample_SetLoopMode(sample, FSOUND_LOOP_NORMAL));
  FSOUND_Close();
  EXPECT_EQ(FSOUND_PlaySound(40, sample), -1);
  EXPECT_FALSE(FSOUND_IsPlaying(40));
  FSOUND_Close();
}

TEST(SoundLibrary, EachLoadTakesItsOwnSlot) {
  std::string dir = MakeTempDir("slots");
  WriteToneWav(dir + "/tone.wav", 0.1, 440, 0.5);
  ASSERT_TRUE(FSOUND_Init(44100, 42, 0));
  std::string file = dir + "/tone.wav";
  FSOUND_SAMPLE* a = FSOUND_Sample_Load(FSOUND_FREE, file.c_str(), FSOUND_2D, 0);
  FSOUND_SAMPLE* b = FSOUND_Sample_Load(FSOUND_FREE, file.c_str(), FSOUND_2D, 0);
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  EXPECT_NE(a, b);
  FSOUND_Close();
}

// A file that is not a WAV gives an empty handle, not an error.
TEST(SoundLibrary, BrokenFilesGiveEmptyHandles) {
  std::string dir = MakeTempDir("broken");
  WriteBytes(dir + "/broken.wav", "RIFF\x10\0\0\0WAVEfmt nonsense");
  WriteBytes(dir + "/broken.xm", "Extended Module: but nothing after");
  ASSERT_TRUE(FSOUND_Init(44100, 42, 0));
  EXPECT_EQ(FSOUND_Sample_Load(FSOUND_FREE, (dir + "/broken.wav").c_str(), FSOUND_2D, 0), nullptr);
  EXPECT_EQ(FMUSIC_LoadSong((dir + "/broken.xm").c_str()), nullptr);
  FSOUND_Close();
}
