// The game's sound rules (effects at EffectsVolume, the song rules, the options screen's
// switch and sliders, race end, shut-down), heard through the disk audio driver with the
// data set's own samples and songs.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "audio/sound.h"
#include "audio_test_support.h"
#include "../../tools/datagen/audio_data.h"

class SoundRules : public ::testing::Test {
 protected:
  std::string Out, Game, Cwd;
  void SetUp() override {
    Out = UseDiskAudio("rules");
    Game = MakeTempDir("rules-game");
    std::string data = Game + "/data";
    ASSERT_EQ(mkdir(data.c_str(), 0755), 0);
    WriteSounds(data);
    WriteMusic(data);
    char buf[4096];
    Cwd = getcwd(buf, sizeof buf);
    ASSERT_EQ(chdir(Game.c_str()), 0);
    EffectsVolume = 255;
    MusicVolume = 255;
    MusicOn = true;
    CurrentSong = nullptr;
    ASSERT_TRUE(FSOUND_Init(44100, 42, 0));
    LoadSampleBank();
  }
  void TearDown() override {
    CloseSound();
    EXPECT_EQ(chdir(Cwd.c_str()), 0);
  }
  // Peak of what was recorded from `from`, skipping the mixer's latency.
  int PeakSince(long from, long skipMs = 150) { return PeakOf(RecordedSamples(Out, from + FramesOf(skipMs))); }
  double RmsBetween(long from, long to) { return RmsOf(RecordedSamples(Out, from, to)); }
};

TEST_F(SoundRules, SampleBankLoadsAllSevenWithTheEngineLoopsLooping) {
  struct Slot {
    const char* Name;
    FSOUND_SAMPLE* Sample;
    bool Loops;
  };
  const Slot bank[] = {{"thunder", ThunderSample, false},    {"click", ClickSample, false},
                       {"engine start", EngineStartSample, false}, {"idle", EngineSample1, true},
                       {"forward", EngineSample2, true},     {"reverse", EngineSample3, true},
                       {"crash", CrashSample, false}};
  for (const Slot& s : bank) ASSERT_NE(s.Sample, nullptr) << s.Name;
  // every one-shot of the bank is shorter than four seconds; the loops go on
  for (const Slot& s : bank) {
    SCOPED_TRACE(s.Name);
    PlayEffect(EngineChannel, s.Sample);
    int waited = 0;
    while (FSOUND_IsPlaying(EngineChannel) && waited < 4000) {
      WaitAudio(50);
      waited += 50;
    }
    EXPECT_EQ(FSOUND_IsPlaying(EngineChannel), s.Loops);
    StopEngineSound();
  }
}

TEST_F(SoundRules, MissingFilesLeaveEmptySlotsAndSilence) {
  ASSERT_EQ(chdir(MakeTempDir("empty").c_str()), 0);
  LoadSampleBank();
  EXPECT_EQ(ThunderSample, nullptr);
  EXPECT_EQ(EngineSample1, nullptr);
  long from = RecordedFrames(Out);
  PlayEffect(EventChannel, ClickSample);
  PlayEffect(EngineChannel, EngineSample2);
  StartSong("data/lomira.xm");
  EXPECT_EQ(CurrentSong, nullptr);
  WaitRecorded(Out, 400);
  EXPECT_EQ(PeakSince(from, 0), 0);
}

TEST_F(SoundRules, EffectsSliderSetsTheEngineChannelAtOnceAndTheNextEffect) {
  PlayEffect(EngineChannel, EngineSample1);
  WaitRecorded(Out, 500);
  long loud = RecordedFrames(Out);
  SetEffectsVolume(0);
  EXPECT_EQ(EffectsVolume, 0);
  WaitRecorded(Out, 400);
  EXPECT_GT(PeakOf(RecordedSamples(Out, loud - FramesOf(300), loud - FramesOf(100))), 4000);
  EXPECT_EQ(PeakSince(loud), 0) << "the playing engine loop follows the slider at once";

  // the next click on the event channel plays at the new volume
  long click = RecordedFrames(Out);
  PlayEffect(EventChannel, ClickSample);
  WaitRecorded(Out, 300);
  EXPECT_EQ(PeakSince(click, 0), 0);
}

// The slider leaves channel 41 as it is until its next sound.
TEST_F(SoundRules, EventChannelKeepsItsVolumeUntilItsNextSound) {
  PlayEffect(EventChannel, EngineSample1);  // the finish sound: the idle loop on channel 41
  WaitRecorded(Out, 300);
  long moved = RecordedFrames(Out);
  SetEffectsVolume(0);
  WaitRecorded(Out, 500);
  EXPECT_GT(PeakSince(moved), 4000);
  long next = RecordedFrames(Out);
  PlayEffect(EventChannel, EngineSample1);
  WaitRecorded(Out, 500);
  EXPECT_EQ(PeakSince(next), 0);
}

// Channel 41 does not follow the slider, so its level shows what PlayEffect sets.
TEST_F(SoundRules, EffectLevelFollowsEffectsVolume) {
  PlayEffect(EventChannel, EngineSample2);
  WaitRecorded(Out, 600);
  long a = RecordedFrames(Out);
  double full = RmsBetween(a - FramesOf(400), a - FramesOf(100));
  SetEffectsVolume(64);
  PlayEffect(EventChannel, EngineSample2);
  WaitRecorded(Out, 600);
  long b = RecordedFrames(Out);
  double quarter = RmsBetween(b - FramesOf(400), b - FramesOf(100));
  ASSERT_GT(full, 1000.0);
  EXPECT_NEAR(quarter / full, 64.0 / 255.0, 0.06);
}

TEST_F(SoundRules, RaceEndStopsTheEngineOnly) {
  PlayEffect(EngineChannel, EngineSample2);
  PlayEffect(EventChannel, EngineSample1);
  StopEngineSound();
  EXPECT_FALSE(FSOUND_IsPlaying(EngineChannel));
  EXPECT_TRUE(FSOUND_IsPlaying(EventChannel));
}

TEST_F(SoundRules, SongPlaysAndTheMusicSliderActsAtOnce) {
  StartSong("data/lomira.xm");
  ASSERT_NE(CurrentSong, nullptr);
  WaitRecorded(Out, 1200);
  long change = RecordedFrames(Out);
  double before = RmsBetween(change - FramesOf(900), change - FramesOf(100));
  EXPECT_GT(before, 300.0);
  SetMusicVolume(40);
  EXPECT_EQ(MusicVolume, 40);
  WaitRecorded(Out, 1000);
  double after = RmsBetween(change + FramesOf(150), RecordedFrames(Out));
  EXPECT_LT(after, before * 0.4);
  EXPECT_GT(after, 0.0);
  long muted = RecordedFrames(Out);
  SetMusicVolume(0);
  WaitRecorded(Out, 500);
  EXPECT_EQ(PeakSince(muted), 0);
}

TEST_F(SoundRules, SongStartedAfterTheSliderMovedPlaysAtTheSlidersVolume) {
  SetMusicVolume(0);  // no song yet: only remembered
  StartSong("data/song3.xm");
  ASSERT_NE(CurrentSong, nullptr);
  WaitRecorded(Out, 800);
  EXPECT_EQ(PeakSince(0, 0), 0);
  long raised = RecordedFrames(Out);
  SetMusicVolume(255);
  WaitRecorded(Out, 800);
  EXPECT_GT(PeakSince(raised), 1000);
}

// Music off: silent through the next race start and end; on again: silent until the next
// song start, which then plays.
TEST_F(SoundRules, MusicSwitch) {
  StartSong("data/lomira.xm");
  WaitRecorded(Out, 600);
  SetMusicOff(true);
  EXPECT_FALSE(MusicOn);
  long off = RecordedFrames(Out);
  StopSongForLevelLoad();
  StartSong("data/" + LevelSongFile(2));  // race start
  WaitRecorded(Out, 300);
  StopEngineSound();
  StartSong("data/lomira.xm");  // race end, back to the menu
  WaitRecorded(Out, 400);
  EXPECT_EQ(PeakSince(off), 0);

  SetMusicOff(false);
  EXPECT_TRUE(MusicOn);
  long on = RecordedFrames(Out);
  WaitRecorded(Out, 500);
  EXPECT_EQ(PeakSince(on), 0) << "switching music on starts nothing";

  long start = RecordedFrames(Out);
  StartSong("data/" + LevelSongFile(1));
  WaitRecorded(Out, 1000);
  EXPECT_GT(PeakSince(start), 1000);
}

TEST_F(SoundRules, LevelLoadStopsTheSongAndTheNextStartReplacesIt) {
  StartSong("data/lomira.xm");
  WaitRecorded(Out, 500);
  StopSongForLevelLoad();
  long stopped = RecordedFrames(Out);
  WaitRecorded(Out, 400);
  EXPECT_EQ(PeakSince(stopped), 0);
  StartSong("data/song5.xm");
  EXPECT_NE(CurrentSong, nullptr);
  EXPECT_EQ(FMUSIC_LoadedSongCount(), 1) << "the replaced song was released";
  long playing = RecordedFrames(Out);
  WaitRecorded(Out, 1000);
  EXPECT_GT(PeakSince(playing), 1000);
}

// Many races in a row hold one song at a time.
TEST_F(SoundRules, ReplacedSongsAreReleased) {
  for (int race = 0; race < 6; race++) {
    StopSongForLevelLoad();
    StartSong("data/" + LevelSongFile(race % 8 + 1));
    StartSong("data/lomira.xm");
    EXPECT_EQ(FMUSIC_LoadedSongCount(), 1) << "race " << race;
  }
  EXPECT_TRUE(FMUSIC_SetMasterVolume(CurrentSong, 10));
}

TEST_F(SoundRules, CloseSoundFreesTheSongAndClosesTheLibrary) {
  StartSong("data/lomira.xm");
  CloseSound();
  EXPECT_EQ(CurrentSong, nullptr);
  EXPECT_FALSE(FSOUND_IsPlaying(EngineChannel));
  PlayEffect(EngineChannel, ClickSample);  // harmless once closed
  StartSong("data/lomira.xm");
  EXPECT_EQ(CurrentSong, nullptr);
}
