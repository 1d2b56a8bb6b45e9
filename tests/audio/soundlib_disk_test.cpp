// What the sound library plays, recorded through SDL's disk audio driver.
#include <gtest/gtest.h>

#include "audio/soundlib.h"
#include "audio_test_support.h"

class DiskSound : public ::testing::Test {
 protected:
  std::string Out, Dir;
  void SetUp() override {
    Out = UseDiskAudio("soundlib");
    Dir = MakeTempDir("soundlib-wav");
    ASSERT_TRUE(FSOUND_Init(44100, 42, 0));
  }
  void TearDown() override { FSOUND_Close(); }
  FSOUND_SAMPLE* Tone(const char* name, double seconds, double hz, bool loop = false) {
    std::string path = Dir + "/" + name;
    WriteToneWav(path, seconds, hz, 0.5);
    FSOUND_SAMPLE* s = FSOUND_Sample_Load(FSOUND_FREE, path.c_str(), FSOUND_2D, 0);
    if (loop) FSOUND_Sample_SetLoopMode(s, FSOUND_LOOP_NORMAL);
    return s;
  }
  // Waits until the channel falls silent; false when it still plays after `limitMs`.
  static bool WaitUntilSilent(int channel, int limitMs) {
    for (int waited = 0; waited < limitMs; waited += 20) {
      if (!FSOUND_IsPlaying(channel)) return true;
      WaitAudio(20);
    }
    return !FSOUND_IsPlaying(channel);
  }
};

TEST_F(DiskSound, VolumeOfTheChannel) {
  struct Case {
    int Volume;
    bool Audible;
  };
  for (Case c : {Case{255, true}, Case{0, false}, Case{-20, false}, Case{400, true}}) {
    SCOPED_TRACE(c.Volume);
    FSOUND_SAMPLE* s = Tone("tone.wav", 0.3, 440);
    ASSERT_NE(s, nullptr);
    long from = RecordedFrames(Out);
    EXPECT_EQ(FSOUND_PlaySound(40, s), 40);
    FSOUND_SetVolume(40, c.Volume);
    ASSERT_TRUE(WaitUntilSilent(40, 3000));
    WaitRecorded(Out, 150);
    int peak = PeakOf(RecordedSamples(Out, from));
    if (c.Audible) {
      EXPECT_GT(peak, 8000);
    } else {
      EXPECT_EQ(peak, 0);
    }
  }
}

TEST_F(DiskSound, IsPlayingFollowsTheSampleToItsEnd) {
  FSOUND_SAMPLE* s = Tone("short.wav", 0.2, 440);
  ASSERT_NE(s, nullptr);
  EXPECT_FALSE(FSOUND_IsPlaying(40));
  FSOUND_PlaySound(40, s);
  EXPECT_TRUE(FSOUND_IsPlaying(40));
  EXPECT_FALSE(FSOUND_IsPlaying(41));
  EXPECT_TRUE(WaitUntilSilent(40, 3000));
  WaitRecorded(Out, 100);
  EXPECT_FALSE(FSOUND_IsPlaying(40));
}

TEST_F(DiskSound, LoopRepeatsUntilItsChannelStops) {
  FSOUND_SAMPLE* s = Tone("loop.wav", 0.1, 440, true);
  ASSERT_NE(s, nullptr);
  FSOUND_PlaySound(40, s);
  FSOUND_SetVolume(40, 255);
  WaitRecorded(Out, 600);  // six times the sample's length
  EXPECT_TRUE(FSOUND_IsPlaying(40));
  long beforeStop = RecordedFrames(Out);
  EXPECT_GT(PeakOf(RecordedSamples(Out, beforeStop - FramesOf(300), beforeStop - FramesOf(100))), 8000);
  FSOUND_StopSound(40);
  EXPECT_FALSE(FSOUND_IsPlaying(40));
  long stopped = RecordedFrames(Out);
  WaitRecorded(Out, 400);
  EXPECT_EQ(PeakOf(RecordedSamples(Out, stopped + FramesOf(150))), 0);
}

// A long tone is cut by a short one on the same channel: once the short one ends the
// channel is free and the output silent.
TEST_F(DiskSound, NewSampleCutsTheOneBefore) {
  FSOUND_SAMPLE* longTone = Tone("long.wav", 4.0, 300);
  FSOUND_SAMPLE* shortTone = Tone("short.wav", 0.15, 900);
  ASSERT_NE(longTone, nullptr);
  ASSERT_NE(shortTone, nullptr);
  FSOUND_PlaySound(41, longTone);
  FSOUND_SetVolume(41, 255);
  WaitRecorded(Out, 300);
  FSOUND_PlaySound(41, shortTone);
  ASSERT_TRUE(WaitUntilSilent(41, 3000));
  long ended = RecordedFrames(Out);
  WaitRecorded(Out, 500);
  EXPECT_EQ(PeakOf(RecordedSamples(Out, ended + FramesOf(150))), 0);
}

// The two fixed channels play at once and each keeps its own volume.
TEST_F(DiskSound, ChannelsAreIndependent) {
  FSOUND_SAMPLE* a = Tone("a.wav", 0.1, 440, true);
  FSOUND_SAMPLE* b = Tone("b.wav", 0.1, 660, true);
  FSOUND_PlaySound(40, a);
  FSOUND_SetVolume(40, 255);
  FSOUND_PlaySound(41, b);
  FSOUND_SetVolume(41, 0);
  FSOUND_StopSound(41);
  EXPECT_TRUE(FSOUND_IsPlaying(40));
  EXPECT_FALSE(FSOUND_IsPlaying(41));
  FSOUND_SetVolume(40, 0);
  long quiet = RecordedFrames(Out);
  WaitRecorded(Out, 400);
  EXPECT_TRUE(FSOUND_IsPlaying(40));
  EXPECT_EQ(PeakOf(RecordedSamples(Out, quiet + FramesOf(150))), 0);
}
