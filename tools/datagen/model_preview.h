#pragma once
// Pictures of the model files of a data directory, for looking at them without the game:
// each model from the side, from above and from behind and above as the race camera sees
// the boat, flat-shaded with the light at the eye.
#include <string>

// Writes OUTDIR/<model>.png for vontel.rib and every model of the model list; returns the
// number of pictures.
int RenderModelPreviews(const std::string& dataDir, const std::string& outDir);
