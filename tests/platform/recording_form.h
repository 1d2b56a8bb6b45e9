#pragma once
// A form that writes down which of its handlers ran, in order.
#include <string>
#include <vector>

#include "platform/forms.h"

class TRecordingForm : public TForm {
 public:
  explicit TRecordingForm(std::string name) : Name(std::move(name)) {}
  std::string Name;
  std::vector<std::string> Log;
  int SwallowKey = -1;  // FormKeyDown sets this key to 0
  char SwallowPress = 1;

  void FormShow() override { Log.push_back("show"); }
  void FormActivate() override { Log.push_back("activate"); }
  void FormClose() override { Log.push_back("close"); }
  void FormKeyDown(int& key) override {
    Log.push_back("keydown " + std::to_string(key));
    if (key == SwallowKey) key = 0;
  }
  void FormKeyUp(int& key) override { Log.push_back("keyup " + std::to_string(key)); }
  void FormKeyPress(char& key) override {
    Log.push_back("keypress " + std::to_string((int)(unsigned char)key));
    if (key == SwallowPress) key = 0;
  }
  void FormMouseDown(TMouseButton button, int x, int y) override {
    Log.push_back("mousedown " + std::to_string(x) + "," + std::to_string(y));
  }
};
