// The first-run setup dialog, driven through its handlers without a window: when it asks,
// what "Start and Save" writes, and that leaving it any other way writes nothing.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/message_box.h"
#include "shell/atomic_file.h"
#include "shell/config.h"
#include "shell/setup_dialog.h"
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

std::string ConfigWithDetail(const std::string& detail) {
  return std::string(ConfigHeader) + "\r\n" + detail + "\r\n100\r\n170\r\n170\r\n0\r\n";
}

std::string SavedFile(const std::string& digit) {
  return std::string(ConfigHeader) + "\r\n" + digit + "\r\n100\r\n170\r\n170\r\n0\r\n";
}

int exitStatus = -1;
void RecordExit(int status) { exitStatus = status; }

}  // namespace

TEST(SetupDialog, AsksOnlyForADetailLineOfExactlyZero) {
  struct Case {
    const char* name;
    std::string file;
    bool asks;
  };
  const std::string h = ConfigHeader;
  const std::vector<Case> cases = {
      {"zero", ConfigWithDetail("0"), true},
      {"zero with LF ends", h + "\n0\n100\n170\n170\n0\n", true},
      {"zero, trailing blank", ConfigWithDetail("0 "), false},
      {"zero, leading blank", ConfigWithDetail(" 0"), false},
      {"double zero", ConfigWithDetail("00"), false},
      {"empty line", ConfigWithDetail(""), false},
      {"low", ConfigWithDetail("1"), false},
      {"middle", ConfigWithDetail("2"), false},
      {"high", ConfigWithDetail("3"), false},
      {"header only", h + "\r\n", false},
  };
  TempDir dir;
  for (const Case& c : cases) {
    WriteBytes(ConfigFileName, c.file);
    TForm5 form;
    form.FormShow();
    EXPECT_EQ(form.Ended, !c.asks) << c.name;
    EXPECT_FALSE(form.Saved) << c.name;
    if (!c.asks) {
      // The start-up call returns at once, without a window, and writes nothing.
      RunSetupDialog();
      EXPECT_EQ(ReadBytes(ConfigFileName), c.file) << c.name;
    }
  }
}

TEST(SetupDialog, StartAndSaveWritesTheChosenDigitAndTheDefaults) {
  const std::string h = ConfigHeader;
  const std::vector<std::string> before = {
      ConfigWithDetail("0"),
      h + "\r\n0\r\n300\r\n999\r\n-4\r\n1\r\n",      // odd numbers and music off
      h + "\n0\n7\n8\n9\nyes\n",                    // LF ends, line 6 neither 0 nor 1
      "old header\r\n0\r\n",                        // short file
  };
  struct Choice {
    int radio;  // 0: untouched
    const char* digit;
  };
  const std::vector<Choice> choices = {{0, "2"}, {1, "1"}, {2, "2"}, {3, "3"}};
  TempDir dir;
  for (const std::string& file : before) {
    for (const Choice& choice : choices) {
      WriteBytes(ConfigFileName, file);
      TForm5 form;
      form.FormShow();
      ASSERT_FALSE(form.Ended);
      TRadioButton* radios[] = {nullptr, form.RadioButton1, form.RadioButton2, form.RadioButton3};
      if (choice.radio) radios[choice.radio]->SetChecked(true);
      form.Button1Click();
      EXPECT_TRUE(form.Ended);
      EXPECT_TRUE(form.Saved);
      EXPECT_EQ(ReadBytes(ConfigFileName), SavedFile(choice.digit))
          << "radio " << choice.radio << " over " << file;
    }
  }
}

TEST(SetupDialog, ExitAndCloseBoxEndTheProgramAndLeaveTheFile) {
  SetupDialogExit = RecordExit;
  const std::string file = ConfigWithDetail("0") + "trailing bytes\r\n";
  TempDir dir;
  for (bool viaCloseBox : {false, true}) {
    WriteBytes(ConfigFileName, file);
    exitStatus = -1;
    TForm5 form;
    form.FormShow();
    form.RadioButton3->SetChecked(true);
    if (viaCloseBox)
      form.FormClose();
    else
      form.Button2Click();
    EXPECT_EQ(exitStatus, 0) << "close box " << viaCloseBox;
    EXPECT_TRUE(form.Ended);
    EXPECT_FALSE(form.Saved);
    EXPECT_EQ(ReadBytes(ConfigFileName), file) << "close box " << viaCloseBox;
  }
}

TEST(SetupDialog, FailedSaveIsReportedAndTheDialogStays) {
  TempDir dir;
  const std::string file = ConfigWithDetail("0");
  WriteBytes(ConfigFileName, file);
  std::vector<std::string> boxes;
  MessageBoxHook = [&](const std::string& text, const std::string&, MsgButtons) {
    boxes.push_back(text);
    return MsgResult::Ok;
  };
  TForm5 form;
  form.FormShow();
  AtomicWriteFailAfterBytes = 10;
  form.Button1Click();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("vontel.cfg"), std::string::npos) << boxes[0];
  EXPECT_FALSE(form.Ended);
  EXPECT_EQ(ReadBytes(ConfigFileName), file);

  // A second try that succeeds goes on as usual.
  AtomicWriteFailAfterBytes = -1;
  form.Button1Click();
  EXPECT_TRUE(form.Saved);
  EXPECT_EQ(ReadBytes(ConfigFileName), SavedFile("2"));
  MessageBoxHook = nullptr;
}
