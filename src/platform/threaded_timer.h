#pragma once
// A periodic timer whose event runs on the main thread inside message processing. Its
// thread sleeps the interval, hands one tick to the main thread and waits until the
// handler has run; ticks are never queued, so at most one is pending.
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class TThreadedTimer {
 public:
  TThreadedTimer();
  ~TThreadedTimer();
  void SetInterval(int milliseconds);
  void SetEnabled(bool enabled);
  bool Enabled() const { return enabled_; }
  std::function<void()> OnTimer;

  // Runs the pending tick's handler, if one is pending, and releases the timer thread.
  // Called by message processing on the main thread. Returns true when a tick ran.
  bool RunPendingTick();
  bool TickPending() const { return pending_; }

 private:
  void ThreadMain();
  std::thread thread_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::atomic<bool> pending_{false};
  std::atomic<bool> enabled_{false};
  bool running_ = false;  // main thread: the handler is running now
  bool stop_ = false;
  int interval_ = 30;
};

// Every timer with a pending tick is run by message processing.
void RunPendingTimerTicks();
