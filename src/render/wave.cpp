#include "render/wave.h"

#include <cmath>

static const double DegreesToRadians = 3.14159265358979323846 / 180.0;

double SinDegrees(double degrees) { return std::sin(degrees * DegreesToRadians); }
double CosDegrees(double degrees) { return std::cos(degrees * DegreesToRadians); }

double BobOffset(double wavePhase, double throttle) {
  return SinDegrees(100.0 * wavePhase) * (std::fabs(throttle) - 2.0) / 5.0;
}

double WaterHeight(int j, double wavePhase) {
  return 20.0 + SinDegrees(100.0 * (j + wavePhase)) / 2.0;
}

int RoundHalfEven(double value) {
  double down = std::floor(value);
  double rest = value - down;
  if (rest > 0.5 || (rest == 0.5 && std::fmod(down, 2.0) != 0.0)) down += 1.0;
  return (int)down;
}
