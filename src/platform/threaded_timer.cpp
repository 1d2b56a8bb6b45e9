// The timer thread only waits: it sleeps the interval, hands one tick to the main thread
// and blocks until the main thread has run the handler. The handler runs only inside
// message processing, so it never interrupts a frame.
#include "platform/threaded_timer.h"

#include <algorithm>
#include <chrono>
#include <vector>

#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "platform/application_internal.h"

namespace {

std::vector<TThreadedTimer*>& Timers() {
  static std::vector<TThreadedTimer*> timers;
  return timers;
}

// Ask for above-normal priority for the waiting thread, so its tick is handed over on
// time on a busy machine: the lowest real-time priority where allowed (the thread only
// sleeps and waits), else a better nice value; refused without the right to, and then
// the thread runs at normal priority.
void RaiseThisThreadPriority() {
  sched_param param = {};
  param.sched_priority = 1;
  if (pthread_setschedparam(pthread_self(), SCHED_FIFO, &param) == 0) return;
  pid_t tid = (pid_t)syscall(SYS_gettid);
  setpriority(PRIO_PROCESS, (id_t)tid, -5);
}

}  // namespace

TThreadedTimer::TThreadedTimer() {
  Timers().push_back(this);
  thread_ = std::thread([this] { ThreadMain(); });
}

TThreadedTimer::~TThreadedTimer() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  wake_.notify_all();
  if (thread_.joinable()) thread_.join();
  auto& timers = Timers();
  timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
}

void TThreadedTimer::SetInterval(int milliseconds) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    interval_ = std::max(0, milliseconds);
  }
  wake_.notify_all();  // a running wait starts again with the new interval
}

void TThreadedTimer::SetEnabled(bool enabled) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (!enabled) pending_ = false;  // a tick not yet run is dropped
  }
  wake_.notify_all();
}

void TThreadedTimer::ThreadMain() {
  RaiseThisThreadPriority();
  std::unique_lock<std::mutex> lock(mutex_);
  while (!stop_) {
    if (!enabled_) {
      wake_.wait(lock, [this] { return stop_ || enabled_; });
      continue;
    }
    // Sleep the interval; a change of interval or enabling restarts the wait.
    int interval = interval_;
    auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(interval);
    bool changed = wake_.wait_until(lock, until, [this, interval] {
      return stop_ || !enabled_ || interval_ != interval;
    });
    if (changed) continue;
    pending_ = true;
    lock.unlock();
    WakeMainThread();
    lock.lock();
    // Wait until the main thread has run the handler (or the tick was dropped).
    wake_.wait(lock, [this] { return stop_ || !pending_; });
  }
}

bool TThreadedTimer::RunPendingTick() {
  if (!pending_ || running_) return false;
  // The handler may process messages itself; the same tick is not run again inside it.
  running_ = true;
  struct TRelease {
    TThreadedTimer* timer;
    ~TRelease() {
      {
        std::lock_guard<std::mutex> lock(timer->mutex_);
        timer->pending_ = false;
        timer->running_ = false;
      }
      timer->wake_.notify_all();
    }
  } release{this};
  if (enabled_ && OnTimer) OnTimer();
  return true;
}

void RunPendingTimerTicks() {
  std::vector<TThreadedTimer*> timers = Timers();  // a handler may make or free timers
  for (TThreadedTimer* timer : timers) {
    auto& live = Timers();
    if (std::find(live.begin(), live.end(), timer) == live.end()) continue;
    timer->RunPendingTick();
  }
}
