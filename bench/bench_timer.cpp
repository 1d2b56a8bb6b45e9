// Period and jitter of the threaded timer while the main loop spins on message processing,
// as the game's loops do: 300 ticks at the game's 30 ms interval.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "platform/application.h"
#include "platform/threaded_timer.h"

int main() {
  using Clock = std::chrono::steady_clock;
  const int Ticks = 300;
  Application.Initialize();
  TThreadedTimer timer;
  timer.SetInterval(30);
  std::vector<double> periods;
  Clock::time_point last;
  bool first = true;
  timer.OnTimer = [&] {
    Clock::time_point now = Clock::now();
    if (!first) periods.push_back(std::chrono::duration<double, std::milli>(now - last).count());
    first = false;
    last = now;
  };
  timer.SetEnabled(true);
  while ((int)periods.size() < Ticks) Application.ProcessMessages();
  timer.SetEnabled(false);

  std::vector<double> sorted = periods;
  std::sort(sorted.begin(), sorted.end());
  auto at = [&](double q) { return sorted[std::min(sorted.size() - 1, (size_t)(q * sorted.size()))]; };
  double mean = 0;
  for (double p : periods) mean += p;
  mean /= periods.size();
  std::printf("threaded timer, interval 30 ms, %d ticks, main loop spinning\n", Ticks);
  std::printf("  median %.3f ms  p99 %.3f ms  min %.3f ms  max %.3f ms  mean %.3f ms\n",
              at(0.5), at(0.99), sorted.front(), sorted.back(), mean);
  std::printf("  jitter (p99 - median) %.3f ms\n", at(0.99) - at(0.5));
  return 0;
}
