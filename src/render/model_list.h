#pragma once
// The model list data/models.cfg: four lines per entry (the model's name, then its scales
// along x, y and z, written with a comma as decimal mark). Entry k goes to slot 3 + 2k of
// the model table, at most to slot 253.
#include <string>

// Loads the listed models into the model table. Throws FileError or ConvertError naming
// the file and line.
void LoadModelList(const std::string& path);
