#pragma once
// The result screen's decisions: race time, target, name entry and the merge of a new
// time into the best-times list.
#include <string>

inline constexpr int ListSlots = 5;
inline constexpr int StartTicks = 160;  // ticks of the start that do not count

// One tick counts 0.08 s of race time, kept unrounded for every comparison.
inline double RaceSecondsOf(int raceTicks) { return raceTicks * 0.08; }
// Whole seconds where a time is shown or stored.
int RoundedSeconds(double seconds);

// "m:ss min" for a positive race, else empty.
std::string RaceTimeText(int raceTicks);
// A finished race beats the target only when strictly faster.
bool BeatsTarget(int finishCounter, double raceSeconds, int targetTime);
// Label1's sentence for the race.
std::string ResultSentence(int raceTicks, bool beatsTarget);
// A finished race goes into the list when the fifth slot is free (0) or slower.
bool OffersNameEntry(int finishCounter, const int listTimes[ListSlots], double raceSeconds);

// Builds the new list: the race goes in before the first slot that is strictly slower or
// free, behind equal times; every old slot follows. Returns the number of entries (6 when
// the race was placed, else 5); only the first five count.
int MergeBestTime(const int listTimes[ListSlots], const std::string listNames[ListSlots],
                  double raceSeconds, const std::string& name, int newTimes[ListSlots + 1],
                  std::string newNames[ListSlots + 1]);

// Converts typed text (UTF-8) to the level file's code page. Returns false, leaving
// `stored` unchanged, when it holds a character the name box refuses: one the code page
// lacks, a control character, or one whose scrambled form would end the line or the file.
bool StorableNameText(const std::string& utf8, std::string& stored);
// One typed character as the edit box hands it over (a Windows-1252 byte): false for a
// control character or one whose scrambled form would end the line or the file.
bool StorableNameByte(unsigned char c);
// The typed name as the level file stores it: refused characters left out, at most 255.
std::string StorableName(const std::string& typedUtf8);
