#pragma once
// Reading and checking one level file, locked or not.
#include <string>
#include <vector>

#include "race/level_file.h"

// Reads every field of the level file at `path`. Each problem found is appended as a
// sentence naming the file; returns false when the file could not be read as far as its
// Season line. `dataDir` is where the music file is looked for. The intro scene's file
// (`raced` false) is read only for its checkpoint count, so its target and music go unchecked.
bool CheckLevelFile(const std::string& path, const std::string& dataDir, LevelFileFields& fields,
                    std::vector<std::string>& problems, bool raced = true);
// The same, throwing std::runtime_error with the first problem.
LevelFileFields ReadAnyLevelFile(const std::string& path);
