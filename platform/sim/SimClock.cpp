// The virtual clock and its scheduler of simulated threads, and the seam's clock calls over it.
#include "platform/sim/SimClock.h"

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>

#include "platform/os/Clock.h"

namespace sim {
namespace {

// One blocked thread: its deadline, and whether it has been woken to test its condition again.
struct Waiter {
  std::optional<uint64_t> deadline;
  bool woken = false;
};

struct Scheduler {
  std::mutex mutex;
  std::condition_variable changed;
  uint64_t nowMs = 0;
  int threads = 1;                // simulated threads alive, the test's own included
  std::vector<Waiter*> blocked;   // threads waiting and not yet woken
  std::vector<SleepRecord> sleeps;
};

Scheduler& State() {
  static Scheduler scheduler;
  return scheduler;
}

// Wakes every blocked thread; they leave `blocked` and test their conditions again.
void WakeAllLocked(Scheduler& s) {
  for (Waiter* waiter : s.blocked) waiter->woken = true;
  s.blocked.clear();
  s.changed.notify_all();
}

// Called when every simulated thread is blocked: time jumps to the earliest deadline.
void AdvanceToEarliestDeadlineLocked(Scheduler& s) {
  std::optional<uint64_t> earliest;
  for (const Waiter* waiter : s.blocked) {
    if (waiter->deadline && (!earliest || *waiter->deadline < *earliest)) earliest = waiter->deadline;
  }
  if (!earliest) {
    std::fprintf(stderr, "sim clock: every simulated thread waits with no deadline (deadlock)\n");
    std::abort();
  }
  if (*earliest > s.nowMs) s.nowMs = *earliest;
  WakeAllLocked(s);
}

bool WaitLocked(std::unique_lock<std::mutex>& lock, std::optional<uint64_t> deadline,
                const std::function<bool()>& ready) {
  Scheduler& s = State();
  Waiter waiter{deadline};
  for (;;) {
    if (ready && ready()) return true;
    if (deadline && s.nowMs >= *deadline) return false;
    waiter.woken = false;
    s.blocked.push_back(&waiter);
    if (static_cast<int>(s.blocked.size()) == s.threads) AdvanceToEarliestDeadlineLocked(s);
    s.changed.wait(lock, [&] { return waiter.woken; });
  }
}

void ThreadEnded(const std::shared_ptr<bool>& finished) {
  Scheduler& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  *finished = true;
  --s.threads;
  WakeAllLocked(s);
}

}  // namespace

uint32_t NowMs() {
  Scheduler& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  return static_cast<uint32_t>(s.nowMs);
}

void AdvanceMs(uint32_t ms) {
  Scheduler& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  s.nowMs += ms;
  WakeAllLocked(s);
}

std::vector<SleepRecord> Sleeps() {
  Scheduler& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  return s.sleeps;
}

bool WaitUntil(uint32_t deadlineMs, const std::function<bool()>& ready) {
  std::unique_lock<std::mutex> lock(State().mutex);
  return WaitLocked(lock, deadlineMs, ready);
}

void WaitFor(const std::function<bool()>& ready) {
  std::unique_lock<std::mutex> lock(State().mutex);
  WaitLocked(lock, std::nullopt, ready);
}

void Notify() {
  Scheduler& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  WakeAllLocked(s);
}

SimThread& SimThread::operator=(SimThread&& other) noexcept {
  if (this != &other) {
    Join();
    finished_ = std::move(other.finished_);
    thread_ = std::move(other.thread_);
  }
  return *this;
}

SimThread::~SimThread() { Join(); }

void SimThread::Join() {
  if (!thread_.joinable()) return;
  std::shared_ptr<bool> finished = finished_;
  WaitFor([&] { return *finished; });
  thread_.join();
}

SimThread StartThread(std::function<void()> body) {
  Scheduler& s = State();
  SimThread handle;
  handle.finished_ = std::make_shared<bool>(false);
  {
    std::lock_guard<std::mutex> lock(s.mutex);
    ++s.threads;
  }
  std::shared_ptr<bool> finished = handle.finished_;
  handle.thread_ = std::thread([body = std::move(body), finished] {
    body();
    ThreadEnded(finished);
  });
  return handle;
}

void ResetClock() {
  Scheduler& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  s.nowMs = 0;
  s.threads = 1;
  s.blocked.clear();
  s.sleeps.clear();
}

}  // namespace sim

namespace os {

void Sleep(uint32_t ms) {
  sim::Scheduler& s = sim::State();
  std::unique_lock<std::mutex> lock(s.mutex);
  s.sleeps.push_back({static_cast<uint32_t>(s.nowMs), ms});
  sim::WaitLocked(lock, s.nowMs + ms, nullptr);
}

uint32_t GetTickCount() { return sim::NowMs(); }

}  // namespace os
