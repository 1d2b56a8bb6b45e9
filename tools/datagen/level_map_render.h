#pragma once
// Top-down pictures of the levels of a data directory, for looking at what was generated:
// the heightmap shaded (water blue, land by height, winter land white), the gates coloured
// by number, scenery as marks, the boat's start, and the autopilot's track in white.
#include <string>

// Writes OUTDIR/<terrain>.png for the intro and every level file found. Returns the number
// of pictures; throws std::runtime_error naming a file that cannot be read or written.
int RenderLevelMaps(const std::string& dataDir, const std::string& outDir, bool withTrack);
