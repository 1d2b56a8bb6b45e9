#include "render/random.h"

#include <chrono>
#include <random>

static std::mt19937 RandomState;

void Randomize() {
  RandomState.seed((unsigned)std::chrono::steady_clock::now().time_since_epoch().count());
}

int Random(int n) {
  if (n <= 0) return 0;
  return (int)(RandomState() % (unsigned)n);
}
