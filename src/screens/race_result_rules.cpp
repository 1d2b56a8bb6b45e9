#include "screens/race_result_rules.h"

#include <cmath>

#include "platform/codepage.h"
#include "race/level_file.h"

int RoundedSeconds(double seconds) { return (int)std::lround(seconds); }

std::string RaceTimeText(int raceTicks) {
  if (raceTicks <= 0) return "";
  return FormatTime(RoundedSeconds(RaceSecondsOf(raceTicks))) + " min";
}

bool BeatsTarget(int finishCounter, double raceSeconds, int targetTime) {
  return finishCounter > 0 && raceSeconds < targetTime;
}

std::string ResultSentence(int raceTicks, bool beatsTarget) {
  if (beatsTarget) return RaceTimeText(raceTicks) + " Congratulation you may play the next level!";
  return RaceTimeText(raceTicks) + " You`re to slow. Try again.";
}

bool OffersNameEntry(int finishCounter, const int listTimes[ListSlots], double raceSeconds) {
  if (finishCounter <= 0) return false;
  int fifth = listTimes[ListSlots - 1];
  return fifth > raceSeconds || fifth == 0;
}

int MergeBestTime(const int listTimes[ListSlots], const std::string listNames[ListSlots],
                  double raceSeconds, const std::string& name, int newTimes[ListSlots + 1],
                  std::string newNames[ListSlots + 1]) {
  int count = 0;
  bool placed = false;
  for (int k = 0; k < ListSlots; k++) {
    if (!placed && (raceSeconds < listTimes[k] || listTimes[k] == 0)) {
      newTimes[count] = RoundedSeconds(raceSeconds);
      newNames[count] = name.substr(0, 255);
      count++;
      placed = true;
    }
    newTimes[count] = listTimes[k];
    newNames[count] = listNames[k];
    count++;
  }
  return count;
}

bool StorableNameByte(unsigned char c) {
  // A character whose scrambled form is a line end or the end-of-file byte would cut the
  // level file for every later reader.
  return c >= 0x20 && c != 0x7F && StorableInLevelFile(c);
}

bool StorableNameText(const std::string& utf8, std::string& stored) {
  std::string text;
  if (!Utf8ToCp1252(utf8, text)) return false;
  for (unsigned char c : text)
    if (!StorableNameByte(c)) return false;
  stored = text;
  return true;
}

std::string StorableName(const std::string& typedUtf8) {
  std::string result, stored;
  for (size_t i = 0; i < typedUtf8.size();) {
    unsigned char lead = (unsigned char)typedUtf8[i];
    size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (StorableNameText(typedUtf8.substr(i, length), stored)) result += stored;
    i += length;
  }
  return result.substr(0, 255);
}
