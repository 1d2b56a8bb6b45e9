// The title-music decoder: looked for beside the program, the warning when it is missing,
// plugins that lack exports or cannot load, the start block it is handed, and the real
// plugin with files it can and cannot decode.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "audio/decoder_block.h"
#include "audio/sound.h"
#include "audio_test_support.h"
#include "platform/message_box.h"

static const std::string RealPlugin = std::string(VONTEL_BINARY_DIR) + "/bin/plugins";
static const std::string RecorderPlugin = std::string(VONTEL_BINARY_DIR) + "/testplugins/recorder";
static const std::string NoExportsPlugin = std::string(VONTEL_BINARY_DIR) + "/testplugins/noexports";

static void PutBigEndian(std::string& b, uint32_t v) {
  for (int i = 3; i >= 0; i--) b.push_back(char(v >> (8 * i)));
}

// A VQF file of TwinVQ frames (mono, 22 kHz, 20 kbit/s: 464 bits a frame) filled with
// pseudo-random bits, each frame opening with a long-window type. No encoder exists to
// make real music; these frames still run the demuxer, the TwinVQ decoder and the
// resampler, and decode to loud noise.
static std::string NoiseVqf(int frames) {
  std::string comm = "COMM";
  PutBigEndian(comm, 12);
  PutBigEndian(comm, 0);   // channels - 1
  PutBigEndian(comm, 20);  // kbit/s
  PutBigEndian(comm, 22);  // sample rate code
  std::string b = "TWIN97012000";
  PutBigEndian(b, uint32_t(comm.size()));
  b += comm + "DATA";
  uint32_t x = 12345;
  for (int f = 0; f < frames; f++) {
    for (int i = 0; i < 58; i++) {
      x ^= x << 13;
      x ^= x >> 17;
      x ^= x << 5;
      uint8_t v = uint8_t(x >> 24);
      b.push_back(char(i == 0 ? v & 0x0f : v));
    }
  }
  return b;
}

class TitleDecoder : public ::testing::Test {
 protected:
  int Boxes = 0;
  std::string BoxText;
  MsgButtons BoxButtons = MsgButtons::Ok;
  MsgResult Answer = MsgResult::Ignore;

  void SetUp() override {
    DecoderLoaded = false;
    DecoderLibrary = nullptr;
    MessageBoxHook = [this](const std::string& text, const std::string&, MsgButtons buttons) {
      Boxes++;
      BoxText = text;
      BoxButtons = buttons;
      return Answer;
    };
  }
  void TearDown() override {
    StopTitleMusic();
    MessageBoxHook = nullptr;
    DecoderDirectory.clear();
  }
  template <typename T>
  T* Recorded(const char* name) {
    return static_cast<T*>(dlsym(DecoderLibrary, name));
  }
};

TEST_F(TitleDecoder, DirectoryIsBesideTheProgram) {
  DecoderDirectory.clear();
  std::string dir = TitleDecoderDirectory();
  char exe[4096];
  ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
  ASSERT_GT(n, 0);
  std::string self(exe, n);
  EXPECT_EQ(dir, self.substr(0, self.rfind('/')) + "/plugins/");
  DecoderDirectory = "/some/where";
  EXPECT_EQ(TitleDecoderDirectory(), "/some/where/");
}

TEST_F(TitleDecoder, MissingPluginWarnsAndIgnoreGoesOnWithoutMusic) {
  DecoderDirectory = MakeTempDir("noplugin");
  Answer = MsgResult::Ignore;
  LoadTitleDecoder();
  EXPECT_EQ(Boxes, 1);
  EXPECT_EQ(BoxButtons, MsgButtons::AbortIgnore);
  std::string expected = "Warning! This Program requires the vqf decoder drivers.\r\n\r\n"
                         "titledecoder.so needs to be in the " + DecoderDirectory + " dir.\r\n\r\n"
                         "You Can continue but the music will be disabled.";
  EXPECT_EQ(BoxText, expected);
  EXPECT_FALSE(DecoderLoaded);
  PlayTitleFile("data/title.vqf", 0);  // harmless without a decoder
  StopTitleMusic();
  EXPECT_EQ(Boxes, 1);
}

TEST_F(TitleDecoder, MissingPluginAndAbortEndsTheProgram) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  DecoderDirectory = MakeTempDir("noplugin");
  Answer = MsgResult::Abort;
  EXPECT_EXIT(LoadTitleDecoder(), ::testing::ExitedWithCode(1), "");
}

TEST_F(TitleDecoder, PluginThatDoesNotLoadIsSilentlyAbsent) {
  DecoderDirectory = MakeTempDir("badplugin");
  WriteBytes(DecoderDirectory + "/titledecoder.so", "this is no shared library");
  LoadTitleDecoder();
  EXPECT_EQ(Boxes, 0);
  EXPECT_FALSE(DecoderLoaded);
  PlayTitleFile("data/title.vqf", 0);
}

TEST_F(TitleDecoder, PluginWithoutExportsIsSilentlySkipped) {
  DecoderDirectory = NoExportsPlugin;
  LoadTitleDecoder();
  EXPECT_EQ(Boxes, 0);
  ASSERT_TRUE(DecoderLoaded);
  PlayTitleFile("data/title.vqf", 0);
  StopTitleMusic();
}

TEST_F(TitleDecoder, StartBlockCarriesArgumentNameOneAndZero) {
  DecoderDirectory = RecorderPlugin;
  LoadTitleDecoder();
  ASSERT_TRUE(DecoderLoaded);
  auto* starts = Recorded<int>("RecorderStartCalls");
  auto* stops = Recorded<int>("RecorderStopCalls");
  auto* fields = Recorded<int32_t>("RecorderFields");
  auto* name = Recorded<char>("RecorderFileName");
  ASSERT_TRUE(starts && stops && fields && name);

  struct Case {
    const char* File;
    int Argument;
  };
  int calls = 0;
  for (Case c : {Case{"data/title.vqf", 0}, Case{"data/other tune.vqf", 7}, Case{"", -3}}) {
    SCOPED_TRACE(c.File);
    PlayTitleFile(c.File, c.Argument);
    EXPECT_EQ(*starts, ++calls);
    EXPECT_EQ(fields[0], c.Argument);
    EXPECT_EQ(fields[1], DecoderNameOffset);
    EXPECT_EQ(fields[2], 1);
    EXPECT_EQ(fields[3], 0);
    EXPECT_STREQ(name, c.File);
  }
  StopTitleMusic();
  StopTitleMusic();
  EXPECT_EQ(*stops, 2);
}

// Nothing is cached: each call looks the export up in the library loaded now.
TEST_F(TitleDecoder, ExportsAreLookedUpAtEveryCall) {
  DecoderDirectory = RecorderPlugin;
  LoadTitleDecoder();
  ASSERT_TRUE(DecoderLoaded);
  void* recorder = DecoderLibrary;
  auto* starts = static_cast<int*>(dlsym(recorder, "RecorderStartCalls"));
  auto* stops = static_cast<int*>(dlsym(recorder, "RecorderStopCalls"));
  ASSERT_TRUE(starts && stops);
  void* bare = dlopen((NoExportsPlugin + "/titledecoder.so").c_str(), RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(bare, nullptr);
  PlayTitleFile("data/title.vqf", 0);
  DecoderLibrary = bare;
  PlayTitleFile("data/title.vqf", 0);
  StopTitleMusic();
  EXPECT_EQ(*starts, 1);
  EXPECT_EQ(*stops, 0);
  DecoderLibrary = recorder;
  PlayTitleFile("data/title.vqf", 0);
  StopTitleMusic();
  EXPECT_EQ(*starts, 2);
  EXPECT_EQ(*stops, 1);
  dlclose(bare);
}

// A block laid out another way carries no name the decoder would read.
TEST(DecoderStartBlock, NameOnlyWhereFieldTwoSaysSo) {
  DecoderStartBlock block;
  FillDecoderStartBlock(block, "data/title.vqf", 0);
  EXPECT_STREQ(DecoderBlockFileName(&block), "data/title.vqf");
  for (int i = 4; i < 11; i++) EXPECT_EQ(block.Field[i], 0);
  block.Field[1] = 12345;
  EXPECT_EQ(DecoderBlockFileName(&block), nullptr);
  EXPECT_EQ(DecoderBlockFileName(nullptr), nullptr);
}

// The real plugin with files it cannot decode: nothing plays, nothing is reported, and
// the sound library opens its own device afterwards.
TEST_F(TitleDecoder, UndecodableFilesPlayNothing) {
  std::string out = UseDiskAudio("title-bad");
  DecoderDirectory = RealPlugin;
  LoadTitleDecoder();
  ASSERT_TRUE(DecoderLoaded) << "the plugin is built into " << RealPlugin;
  std::string dir = MakeTempDir("title-bad");
  WriteBytes(dir + "/text.vqf", std::string(4000, 'x'));
  WriteBytes(dir + "/truncated.vqf", std::string("TWIN97012000\0\0\0\x10" "COMM", 20));
  WriteBytes(dir + "/empty.vqf", "");
  for (const char* name : {"text.vqf", "truncated.vqf", "empty.vqf", "missing.vqf"}) {
    SCOPED_TRACE(name);
    PlayTitleFile((dir + "/" + name).c_str(), 0);
    WaitAudio(200);
    StopTitleMusic();
  }
  EXPECT_EQ(Boxes, 0);
  EXPECT_EQ(PeakOf(RecordedSamples(out, 0)), 0);
  EXPECT_TRUE(FSOUND_Init(44100, 42, 0));
  FSOUND_Close();
}

// A file FFmpeg can decode (a WAV stands in for the title music) is heard through the
// plugin's own device; the stop closes the device so the sound library can open.
TEST_F(TitleDecoder, DecodableFilePlaysUntilStopped) {
  std::string out = UseDiskAudio("title-wav");
  DecoderDirectory = RealPlugin;
  LoadTitleDecoder();
  ASSERT_TRUE(DecoderLoaded);
  std::string dir = MakeTempDir("title-wav");
  WriteToneWav(dir + "/tune.wav", 3.0, 440, 0.5, 22050);
  PlayTitleFile((dir + "/tune.wav").c_str(), 0);
  WaitRecorded(out, 800);
  EXPECT_GT(PeakOf(RecordedSamples(out, 0)), 8000);
  StopTitleMusic();
  long stopped = RecordedFrames(out);
  WaitAudio(300);
  EXPECT_EQ(RecordedFrames(out), stopped) << "the plugin's device is closed";
  // the disk file starts anew for the sound library's own device
  ASSERT_TRUE(FSOUND_Init(44100, 42, 0));
  WaitRecorded(out, 300);
  EXPECT_EQ(PeakOf(RecordedSamples(out, 0)), 0);
  FSOUND_Close();
}

TEST_F(TitleDecoder, TwinVqFilePlays) {
  std::string out = UseDiskAudio("title-vqf");
  DecoderDirectory = RealPlugin;
  LoadTitleDecoder();
  ASSERT_TRUE(DecoderLoaded);
  std::string dir = MakeTempDir("title-vqf");
  WriteBytes(dir + "/title.vqf", NoiseVqf(400));
  PlayTitleFile((dir + "/title.vqf").c_str(), 0);
  WaitRecorded(out, 800);
  StopTitleMusic();
  EXPECT_GT(PeakOf(RecordedSamples(out, 0)), 8000);
  // cut off after its header and first frame: still no error, at most a blip
  WriteBytes(dir + "/cut.vqf", NoiseVqf(1).substr(0, 50));
  PlayTitleFile((dir + "/cut.vqf").c_str(), 0);
  WaitAudio(200);
  StopTitleMusic();
  EXPECT_EQ(Boxes, 0);
}

TEST_F(TitleDecoder, StartWhilePlayingReplacesTheTune) {
  std::string out = UseDiskAudio("title-replace");
  DecoderDirectory = RealPlugin;
  LoadTitleDecoder();
  ASSERT_TRUE(DecoderLoaded);
  std::string dir = MakeTempDir("title-replace");
  WriteToneWav(dir + "/loud.wav", 5.0, 440, 0.8, 44100);
  WriteToneWav(dir + "/quiet.wav", 5.0, 440, 0.05, 44100);
  PlayTitleFile((dir + "/loud.wav").c_str(), 0);
  WaitRecorded(out, 500);
  PlayTitleFile((dir + "/quiet.wav").c_str(), 0);
  WaitRecorded(out, 600);
  int peak = PeakOf(RecordedSamples(out, FramesOf(150)));
  EXPECT_GT(peak, 800);
  EXPECT_LT(peak, 4000);
  StopTitleMusic();
}
