// The whole game in this process: the real start-up, main loop and forms, driven through
// injected input at every message pass, with the autopilot steering the race.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "platform/application.h"
#include "platform/display.h"
#include "platform/message_box.h"
#include "race/level_file.h"
#include "race/race_simulator.h"
#include "race/race_state.h"
#include "screens/level_map.h"
#include "screens/level_map_form.h"
#include "screens/race_result_form.h"
#include "shell/form1.h"
#include "shell/game_main.h"
#include "shell/state.h"

namespace fs = std::filesystem;

namespace {
std::string FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::map<std::string, std::string> Snapshot(const fs::path& dir) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(dir))
    if (entry.is_regular_file()) files[fs::relative(entry.path(), dir).string()] = FileBytes(entry.path());
  return files;
}

// Saves the composed screen for looking at after the run.
void SaveScreen(const char* name) {
  TBitmap shown;
  ReadScreenPixels(shown);
  std::ofstream out(std::string(VONTEL_BINARY_DIR) + "/" + name + ".ppm", std::ios::binary);
  out << "P6\n" << shown.Width << " " << shown.Height << "\n255\n";
  out.write((const char*)shown.Pixels.data(), (std::streamsize)shown.Pixels.size());
}

// What the player does, one step after the other, as the screens come up.
enum class Step { SkipIntro, OpenMap, StartLevel1, Race, EnterName, Confirm, BackToMenu, Quit, Done };

struct Driver {
  Step step = Step::SkipIntro;
  AutopilotKeys held{false, false, false, false};
  int lastTick = -1;
  std::string resultSentence;
  bool level2UnlockedOnResult = false;
  std::string shownLevel;
  long passes = 0;
  int settle = 0;  // passes to wait so the screen has been composed anew

  void PostKeyChange(bool was, bool now, int key) {
    if (was == now) return;
    if (now) Application.PostKeyDown(key);
    else Application.PostKeyUp(key);
  }

  void Pass() {
    passes++;
    switch (step) {
      case Step::SkipIntro:
        if (ScreenState == StateIntro && TickCount > 5) {
          Application.PostKeyDown(27);
          step = Step::OpenMap;
        }
        if (ScreenState == StateMenu) step = Step::OpenMap;
        break;
      case Step::OpenMap:
        if (ScreenState == StateMenu && Form3) {
          Application.PostMouseMove(675, 300);
          Application.PostMouseDown(675, 300);
          step = Step::StartLevel1;
        }
        break;
      case Step::StartLevel1:
        if (ScreenState == StateLevelMap && Form3->Visible()) {
          shownLevel = CurrentLevelFile;
          Application.PostMouseDown(470, 450);  // the minimap
          step = Step::Race;
        }
        break;
      case Step::Race:
        if (ScreenState == StateRace && TickCount > 20000) {
          Application.PostKeyDown(27);  // the autopilot is lost: give up, the checks fail
        } else if (ScreenState == StateRace) {
          // Ticks come faster than 30 ms: the race runs on ticks, so only the wait shrinks.
          Form1->ThreadedTimer1.SetInterval(5);
          if (TickCount != lastTick) {
            lastTick = TickCount;
            AutopilotKeys wanted = AutopilotDecide();
            PostKeyChange(held.up, wanted.up, 38);
            PostKeyChange(held.down, wanted.down, 40);
            PostKeyChange(held.left, wanted.left, 37);
            PostKeyChange(held.right, wanted.right, 39);
            held = wanted;
          }
        } else if (ScreenState == StateResult) {
          Form1->ThreadedTimer1.SetInterval(30);
          resultSentence = Form6->Label1->Caption;
          level2UnlockedOnResult = ReadLevelHeader("data/level2.dcc").Available;
          step = Step::EnterName;
        }
        break;
      case Step::EnterName:
        Application.PostText("Tester");
        step = Step::Confirm;
        break;
      case Step::Confirm:
        if (Form6->Edit1->Text == "Tester" && ++settle > 3) {
          SaveScreen("screens-game-name-entry");
          settle = 0;
          Application.PostKeyDown(13);
          step = Step::BackToMenu;
        }
        break;
      case Step::BackToMenu:
        if (!Form6->Edit1->Visible && ++settle > 3) {
          SaveScreen("screens-game-highscore");
          Application.PostKeyDown(27);
          step = Step::Quit;
        }
        break;
      case Step::Quit:
        if (ScreenState == StateMenu) {
          Application.PostKeyDown(27);
          step = Step::Done;
        }
        break;
      case Step::Done:
        break;
    }
  }
};
}  // namespace

TEST(GameInProcess, RaceLevelOneStoreTheTimeAndQuit) {
  char pattern[] = "/tmp/screens-game-XXXXXX";
  fs::path dir = mkdtemp(pattern);
  // The data set the end-to-end tests generate once per build, when it is there.
  fs::path cached = fs::path(VONTEL_BINARY_DIR) / "e2e-data";
  if (fs::exists(cached / ".complete")) {
    fs::copy(cached, dir / "data", fs::copy_options::recursive);
    fs::remove(dir / "data" / ".complete");
  } else {
    std::string datagen = std::string(VONTEL_BINARY_DIR) + "/bin/datagen " + (dir / "data").string();
    ASSERT_EQ(std::system((datagen + " > /dev/null").c_str()), 0) << datagen;
  }
  ASSERT_EQ(chdir(dir.c_str()), 0);
  {
    // Detail level 2 chosen already: no setup dialog.
    std::vector<std::string> lines;
    std::ifstream in("data/vontel.cfg");
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    ASSERT_GE(lines.size(), 6u);
    lines[1] = "2";
    std::ofstream out("data/vontel.cfg", std::ios::binary);
    for (std::string& line : lines) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      out << line << "\r\n";
    }
  }
  ASSERT_FALSE(ReadLevelHeader("data/level2.dcc").Available);
  std::map<std::string, std::string> before = Snapshot("data");

  std::vector<std::string> boxes;
  MessageBoxHook = [&](const std::string& text, const std::string&, MsgButtons buttons) {
    boxes.push_back(text);
    return buttons == MsgButtons::AbortIgnore ? MsgResult::Ignore : MsgResult::Ok;
  };
  ScreenState = StateStartup;
  LeaveLoop = QuitGame = false;
  TickCount = 0;
  Driver driver;
  Application.OnMessagePass = [&] { driver.Pass(); };
  int status = GameMain();
  Application.OnMessagePass = nullptr;

  EXPECT_EQ(status, 0);
  EXPECT_EQ(driver.step, Step::Done);
  EXPECT_EQ(driver.shownLevel, "level1.dcc");
  for (const std::string& box : boxes)
    EXPECT_NE(box.find("decoder"), std::string::npos) << "unexpected message: " << box;

  std::vector<BestTimeEntry> stored = ReadLevelBestTimes("data/level1.dcc");
  ASSERT_FALSE(stored.empty());
  bool found = false;
  for (const BestTimeEntry& entry : stored)
    if (entry.PlayerName == "Tester") {
      found = true;
      EXPECT_EQ(entry.Seconds, RoundedSeconds(RaceSeconds));
    }
  EXPECT_TRUE(found) << "the new entry is in level 1's file";
  EXPECT_NE(driver.resultSentence.find(" Congratulation you may play the next level!"), std::string::npos)
      << driver.resultSentence;
  EXPECT_EQ(driver.resultSentence.substr(0, driver.resultSentence.find(' ')) + " min",
            RaceTimeText(RaceTicks));
  EXPECT_TRUE(driver.level2UnlockedOnResult);

  std::map<std::string, std::string> after = Snapshot("data");
  std::vector<std::string> changed;
  for (const auto& [name, bytes] : after)
    if (!before.count(name) || before[name] != bytes) changed.push_back(name);
  for (const auto& [name, bytes] : before)
    if (!after.count(name)) changed.push_back(name + " (removed)");
  EXPECT_EQ(changed, (std::vector<std::string>{"level1.dcc", "level2.dcc"}));
  fs::remove_all(dir);
}
