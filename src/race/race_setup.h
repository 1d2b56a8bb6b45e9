#pragma once
#include <string>

// Prepares a race (or the intro flight) from a terrain name: grids, detail settings,
// checkpoint count, boat at its start, TickCount 0. Throws FileError or ConvertError;
// steps already done stay done.
void LoadLevel(const std::string& name);
