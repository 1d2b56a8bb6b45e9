#pragma once
#include <cstdint>
#include <string>

// Prepares a race (or the intro flight) from a terrain name: grids, detail settings,
// checkpoint count, boat at its start, TickCount 0. Throws FileError or ConvertError;
// steps already done stay done.
void LoadLevel(const std::string& name);

// Reads exactly 102400 bytes of a grid file into `grid`; a shorter file is a FileError and
// leaves `grid` as it was. `what` names the grid in the error ("heightmap").
void LoadGridFile(const std::string& path, uint8_t* grid, const char* what);

inline constexpr double StartBoatX = 32.0;
inline constexpr double StartBoatZ = -56.0;
