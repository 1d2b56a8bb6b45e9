// The threaded timer: its handler runs on the main thread inside message processing only,
// one tick at a time, and a busy main thread never makes ticks pile up.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/application.h"
#include "platform/threaded_timer.h"

namespace {

// Spins message processing until `done` holds; a bound on the passes keeps a broken timer
// from hanging the test.
template <class F>
void ProcessUntil(F done) {
  for (long pass = 0; pass < 400000000L && !done(); pass++) Application.ProcessMessages();
}

}  // namespace

TEST(ThreadedTimer, HandlerRunsOnlyInMessageProcessingOnTheMainThread) {
  TThreadedTimer timer;
  timer.SetInterval(5);
  std::thread::id handlerThread;
  int ticks = 0;
  bool insideProcessing = false, alwaysInside = true;
  timer.OnTimer = [&] {
    handlerThread = std::this_thread::get_id();
    alwaysInside = alwaysInside && insideProcessing;
    ticks++;
  };
  Application.OnMessagePass = [&] { insideProcessing = true; };
  timer.SetEnabled(true);
  // Without message processing the tick waits; it runs with the next pass.
  while (!timer.TickPending()) std::this_thread::yield();
  insideProcessing = false;
  EXPECT_EQ(ticks, 0);
  ProcessUntil([&] { return ticks >= 3; });
  Application.OnMessagePass = nullptr;
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(handlerThread, std::this_thread::get_id());
  EXPECT_TRUE(alwaysInside);
}

TEST(ThreadedTimer, BusyMainThreadGetsOneTickNotAQueue) {
  TThreadedTimer timer;
  timer.SetInterval(5);
  int ticks = 0;
  timer.OnTimer = [&] { ticks++; };
  timer.SetEnabled(true);
  // 200 ms of work without message processing: forty intervals pass, one tick waits.
  auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(200);
  while (std::chrono::steady_clock::now() < until) std::this_thread::yield();
  EXPECT_TRUE(timer.TickPending());
  EXPECT_TRUE(timer.RunPendingTick());
  EXPECT_FALSE(timer.RunPendingTick());  // nothing queued behind it
  EXPECT_EQ(ticks, 1);
}

TEST(ThreadedTimer, HandlerThatProcessesMessagesIsNotEnteredAgain) {
  TThreadedTimer timer;
  timer.SetInterval(1);
  int depth = 0, deepest = 0, ticks = 0;
  timer.OnTimer = [&] {
    depth++;
    deepest = std::max(deepest, depth);
    ticks++;
    for (int i = 0; i < 2000; i++) Application.ProcessMessages();  // as a blocking request does
    depth--;
  };
  timer.SetEnabled(true);
  ProcessUntil([&] { return ticks >= 2; });
  EXPECT_EQ(deepest, 1);
}

TEST(ThreadedTimer, DisabledTimerDropsItsPendingTickAndStopsCleanly) {
  auto timer = std::make_unique<TThreadedTimer>();
  timer->SetInterval(1);
  int ticks = 0;
  timer->OnTimer = [&] { ticks++; };
  timer->SetEnabled(true);
  while (!timer->TickPending()) std::this_thread::yield();
  timer->SetEnabled(false);
  EXPECT_FALSE(timer->RunPendingTick());
  EXPECT_EQ(ticks, 0);
  timer->SetEnabled(true);
  while (!timer->TickPending()) std::this_thread::yield();
  timer.reset();  // the waiting thread is released and joined
  SUCCEED();
}

TEST(ThreadedTimer, HandlerErrorReleasesTheThreadForTheNextTick) {
  TThreadedTimer timer;
  timer.SetInterval(1);
  int ticks = 0;
  timer.OnTimer = [&] {
    if (++ticks == 1) throw std::runtime_error("tick failed");
  };
  timer.SetEnabled(true);
  while (!timer.TickPending()) std::this_thread::yield();
  EXPECT_THROW(timer.RunPendingTick(), std::runtime_error);
  while (!timer.TickPending()) std::this_thread::yield();
  EXPECT_TRUE(timer.RunPendingTick());
  EXPECT_EQ(ticks, 2);
}
