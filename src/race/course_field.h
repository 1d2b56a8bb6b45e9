#pragma once
// The autopilot's map of the course: for every cell, how far the probe still has to go along
// the water to reach a checkpoint, with a surcharge near the banks so the line keeps clear.
#include <cstdint>
#include <vector>

inline constexpr float FieldUnreachable = 1e7f;

// Distance from each cell to the nearest water cell of the checkpoint layer holding
// `checkpoint`. Land cells get the distance of the nearest water plus a steep surcharge, so
// a probe pushed onto a bank still sees the way back. Empty when no water cell holds it.
std::vector<float> BuildCourseField(const uint8_t* heightmap, const uint8_t* layer,
                                    int checkpoint);
