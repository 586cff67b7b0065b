// The virtual clock of the simulated platform. Time moves only when the program sleeps (or waits
// with a time-out) or when a test advances it. With several simulated threads, time advances only
// when every registered thread is waiting, and then to the earliest deadline.
//
// The thread that runs the test is the first simulated thread. Further ones are started with
// StartThread. A simulated thread blocks only through os::Sleep, WaitUntil, WaitFor or
// SimThread::Join; whoever changes state that a waiting thread's `ready` test reads calls Notify
// afterwards. `ready` tests run under the clock's lock: they must not call the clock's functions.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace sim {

// Current virtual time in milliseconds since Reset.
uint32_t NowMs();

// Moves the clock forward by `ms` (a test's own passing of time).
void AdvanceMs(uint32_t ms);

// One os::Sleep call: when it started and how long it asked for.
struct SleepRecord {
  uint32_t atMs;
  uint32_t durationMs;
};
// Every sleep since Reset, in order.
std::vector<SleepRecord> Sleeps();

// Blocks the calling simulated thread until `ready()` holds (returns true) or the clock reaches
// `deadlineMs` (returns false). Without a `ready` test it simply waits for the deadline.
bool WaitUntil(uint32_t deadlineMs, const std::function<bool()>& ready = nullptr);

// Blocks the calling simulated thread until `ready()` holds, with no deadline.
void WaitFor(const std::function<bool()>& ready);

// Wakes every waiting simulated thread so that it tests its condition again.
void Notify();

// A second simulated thread; joined (as a simulated wait) by Join or when the handle goes.
class SimThread {
 public:
  SimThread() = default;
  SimThread(SimThread&&) noexcept = default;
  SimThread& operator=(SimThread&& other) noexcept;
  ~SimThread();
  SimThread(const SimThread&) = delete;
  SimThread& operator=(const SimThread&) = delete;

  bool Joinable() const { return thread_.joinable(); }
  // Waits, on the virtual clock, until the thread has finished.
  void Join();

 private:
  friend SimThread StartThread(std::function<void()> body);
  std::shared_ptr<bool> finished_;  // guarded by the clock's lock
  std::thread thread_;
};

// Starts `body` as a new simulated thread; it counts as running from this call on.
SimThread StartThread(std::function<void()> body);

// Back to time 0 with no sleeps recorded; only between tests, with no other simulated thread running.
void ResetClock();

}  // namespace sim
