#pragma once
// The WAV samples and the XM music modules of the data set.
#include <string>
#include <vector>

void WriteSounds(const std::string& dataDir);
// Writes the menu song lomira.xm and the level songs song1.xm .. song8.xm.
void WriteMusic(const std::string& dataDir);
// Level N's song file name (relative to data/).
std::string LevelSongFile(int level);
// Appends a sentence naming the file for every sample or module that is missing or does
// not load.
void CheckAudio(const std::string& dataDir, std::vector<std::string>& problems);
