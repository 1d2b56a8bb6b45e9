// The options screen without a window: the controls it sets up from a table of
// configuration files, the settings that take effect at once, and what the back area and
// Escape do to the file.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "audio/sound.h"
#include "platform/message_box.h"
#include "shell/atomic_file.h"
#include "shell/config.h"
#include "shell/options_form.h"
#include "shell/state.h"
#include "temp_dir.h"

namespace {

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string Config(const std::string& detail, const std::string& particles,
                   const std::string& music, const std::string& effects,
                   const std::string& musicOff, const char* end = "\r\n") {
  std::string e = end;
  return ConfigHeader + e + detail + e + particles + e + music + e + effects + e + musicOff + e;
}

// The globals as menu resource loading leaves them: the raw numbers of the file.
void LoadSettingsAsTheMenuDoes(int music, int effects, bool musicOn) {
  MusicVolume = music;
  EffectsVolume = effects;
  MusicOn = musicOn;
}

class OptionsScreen : public ::testing::Test {
 protected:
  TempDir dir;
  void TearDown() override {
    MessageBoxHook = nullptr;
    AtomicWriteFailAfterBytes = -1;
  }
  // The screen as the menu shows it.
  std::unique_ptr<TForm2> Open(const std::string& file) {
    WriteBytes(ConfigFileName, file);
    auto form = std::make_unique<TForm2>();
    ScreenState = StateOptions;
    LeaveLoop = false;
    form->Show();
    return form;
  }
};

}  // namespace

TEST_F(OptionsScreen, DetailLineChecksItsRadioButtonAndSetsTheParticleSlider) {
  struct Case {
    std::string line;
    int checked;  // 1..3
    bool particlesEnabled;
  };
  const std::vector<Case> cases = {
      {"1", 1, false}, {"2", 2, true},  {"3", 3, true},  {"0", 1, true},
      {"", 1, true},   {"2 ", 1, true}, {"12", 1, true}, {"x", 1, true},
  };
  for (const Case& c : cases) {
    auto form = Open(Config(c.line, "100", "100", "100", "0"));
    TRadioButton* radios[] = {form->RadioButton1, form->RadioButton2, form->RadioButton3};
    for (int i = 0; i < 3; i++)
      EXPECT_EQ(radios[i]->Checked(), i + 1 == c.checked) << "line '" << c.line << "'";
    EXPECT_EQ(form->TrackBar3->Enabled(), c.particlesEnabled) << "line '" << c.line << "'";
  }
}

TEST_F(OptionsScreen, NumbersAreClampedToTheSlidersAndClampedVolumesTakeEffect) {
  struct Case {
    std::string particles, music, effects;
    int particlesShown, musicShown, effectsShown;
  };
  const std::vector<Case> cases = {
      {"100", "100", "100", 100, 100, 100},
      {"0", "0", "0", 0, 0, 0},
      {"300", "255", "255", 300, 255, 255},
      {"301", "256", "256", 300, 255, 255},
      {"99999", "1000", "700", 300, 255, 255},
      {"-1", "-20", "-3", 0, 0, 0},
      {"42", "170", "20", 42, 170, 20},
  };
  for (const Case& c : cases) {
    LoadSettingsAsTheMenuDoes(std::stoi(c.music), std::stoi(c.effects), true);
    auto form = Open(Config("3", c.particles, c.music, c.effects, "0"));
    EXPECT_EQ(form->TrackBar3->Position(), c.particlesShown) << c.particles;
    EXPECT_EQ(form->TrackBar1->Position(), c.musicShown) << c.music;
    EXPECT_EQ(form->TrackBar2->Position(), c.effectsShown) << c.effects;
    EXPECT_EQ(MusicVolume, c.musicShown) << c.music;
    EXPECT_EQ(EffectsVolume, c.effectsShown) << c.effects;
  }
}

TEST_F(OptionsScreen, MusicOffIsCheckedOnlyForALineOfOne) {
  struct Case {
    std::string line;
    bool checked;
    bool musicOnAfter;  // the menu set MusicOn from line 6 == "0"
  };
  const std::vector<Case> cases = {
      {"1", true, false}, {"0", false, true}, {"2", false, false}, {"", false, false},
      {"1 ", false, false},
  };
  for (const Case& c : cases) {
    LoadSettingsAsTheMenuDoes(100, 100, c.line == "0");
    auto form = Open(Config("2", "100", "100", "100", c.line));
    EXPECT_EQ(form->CheckBox1->Checked(), c.checked) << "line '" << c.line << "'";
    EXPECT_EQ(MusicOn, c.musicOnAfter) << "line '" << c.line << "'";
  }
}

TEST_F(OptionsScreen, AFileThatCannotBeReadNamesTheProblem) {
  WriteBytes(ConfigFileName, Config("2", "many", "100", "100", "0"));
  try {
    TForm2 form;
    FAIL() << "expected an error";
  } catch (const std::exception& e) {
    EXPECT_NE(std::string(e.what()).find("vontel.cfg"), std::string::npos) << e.what();
  }
}

TEST_F(OptionsScreen, ControlsPutSettingsIntoEffectAtOnce) {
  LoadSettingsAsTheMenuDoes(100, 100, true);
  auto form = Open(Config("2", "100", "100", "100", "0"));
  form->TrackBar1->SetPosition(230);
  form->TrackBar2->SetPosition(12);
  EXPECT_EQ(MusicVolume, 230);
  EXPECT_EQ(EffectsVolume, 12);
  form->CheckBox1->SetChecked(true);
  EXPECT_FALSE(MusicOn);
  form->CheckBox1->SetChecked(false);
  EXPECT_TRUE(MusicOn);
  form->RadioButton1->SetChecked(true);
  EXPECT_FALSE(form->TrackBar3->Enabled());
  form->RadioButton3->SetChecked(true);
  EXPECT_TRUE(form->TrackBar3->Enabled());
}

TEST_F(OptionsScreen, BackAreaSavesEvenUnchangedAndCountsItsBorder) {
  struct Point {
    int x, y;
    bool inside;
  };
  const std::vector<Point> points = {
      {50, 500, true},  {200, 600, true}, {50, 600, true},   {200, 500, true},
      {125, 550, true}, {49, 550, false}, {201, 550, false}, {125, 499, false},
      {125, 601, false}, {600, 300, false},
  };
  // LF line ends: a save is told apart from the untouched file by its CR LF ends.
  const std::string file = Config("3", "150", "60", "70", "1", "\n");
  for (const Point& p : points) {
    auto form = Open(file);
    form->FormMouseDown(TMouseButton::Right, p.x, p.y);
    if (p.inside) {
      EXPECT_EQ(ReadBytes(ConfigFileName), Config("3", "150", "60", "70", "1"))
          << p.x << "," << p.y;
      EXPECT_EQ(ScreenState, StateMenu);
      EXPECT_TRUE(LeaveLoop);
      EXPECT_FALSE(form->Visible());
    } else {
      EXPECT_EQ(ReadBytes(ConfigFileName), file) << p.x << "," << p.y;
      EXPECT_EQ(ScreenState, StateOptions);
      EXPECT_FALSE(LeaveLoop);
      EXPECT_TRUE(form->Visible());
    }
  }
}

TEST_F(OptionsScreen, BackAreaStoresWhatTheControlsShow) {
  struct Case {
    int radio;
    int particles, music, effects;
    bool musicOff;
    std::string saved;
  };
  const std::vector<Case> cases = {
      {1, 250, 0, 255, true, Config("1", "250", "0", "255", "1")},
      {2, 0, 17, 3, false, Config("2", "0", "17", "3", "0")},
      {3, 300, 255, 0, true, Config("3", "300", "255", "0", "1")},
  };
  for (const Case& c : cases) {
    auto form = Open(Config("0", "100", "100", "100", "0"));
    // The particle slider takes its value before the low detail locks it.
    form->RadioButton3->SetChecked(true);
    form->TrackBar3->SetPosition(c.particles);
    TRadioButton* radios[] = {form->RadioButton1, form->RadioButton2, form->RadioButton3};
    radios[c.radio - 1]->SetChecked(true);
    form->TrackBar1->SetPosition(c.music);
    form->TrackBar2->SetPosition(c.effects);
    form->CheckBox1->SetChecked(c.musicOff);
    form->FormMouseDown(TMouseButton::Left, 100, 550);
    EXPECT_EQ(ReadBytes(ConfigFileName), c.saved) << "radio " << c.radio;
  }
}

TEST_F(OptionsScreen, OutOfRangeNumbersAreStoredClamped) {
  auto form = Open(Config("2", "1000", "256", "-9", "0"));
  form->FormMouseDown(TMouseButton::Left, 60, 590);
  EXPECT_EQ(ReadBytes(ConfigFileName), Config("2", "300", "255", "0", "0"));
}

TEST_F(OptionsScreen, EscapeKeepsTheNewVolumesForTheRunAndTheOldFile) {
  LoadSettingsAsTheMenuDoes(100, 100, true);
  const std::string file = Config("2", "100", "100", "100", "0");
  auto form = Open(file);
  form->TrackBar1->SetPosition(200);
  form->TrackBar2->SetPosition(50);
  form->CheckBox1->SetChecked(true);
  form->RadioButton3->SetChecked(true);
  form->TrackBar3->SetPosition(250);
  int key = VK_ESCAPE;
  form->FormKeyDown(key);
  EXPECT_EQ(key, 0);
  EXPECT_EQ(ScreenState, StateMenu);
  EXPECT_TRUE(LeaveLoop);
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(ReadBytes(ConfigFileName), file);
  EXPECT_EQ(MusicVolume, 200);
  EXPECT_EQ(EffectsVolume, 50);
  EXPECT_FALSE(MusicOn);
  // The next visit shows the changed controls; the file is read only at creation.
  ScreenState = StateOptions;
  form->Show();
  EXPECT_TRUE(form->RadioButton3->Checked());
  EXPECT_EQ(form->TrackBar3->Position(), 250);
}

TEST_F(OptionsScreen, OtherKeysDoNotLeave) {
  auto form = Open(Config("2", "100", "100", "100", "0"));
  for (int k : {VK_RETURN, VK_LEFT, VK_UP, (int)'A'}) {
    int key = k;
    form->FormKeyDown(key);
    EXPECT_EQ(ScreenState, StateOptions) << k;
    EXPECT_TRUE(form->Visible()) << k;
  }
}

TEST_F(OptionsScreen, AFailedSaveIsReportedAndKeepsTheOldFile) {
  const std::string file = Config("2", "100", "100", "100", "0");
  auto form = Open(file);
  std::vector<std::string> boxes;
  MessageBoxHook = [&](const std::string& text, const std::string&, MsgButtons) {
    boxes.push_back(text);
    return MsgResult::Ok;
  };
  form->TrackBar1->SetPosition(9);
  AtomicWriteFailAfterBytes = 20;
  form->FormMouseDown(TMouseButton::Left, 100, 550);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("vontel.cfg"), std::string::npos) << boxes[0];
  EXPECT_EQ(ReadBytes(ConfigFileName), file);
  EXPECT_EQ(ScreenState, StateMenu);
}
