// The virtual clock: sleeps with one thread, and the scheduling rule with two.
#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "platform/os/Clock.h"
#include "platform/sim/SimClock.h"
#include "tests/platform/SimFixture.h"

namespace {

class SimClockTest : public SimFixture {
 protected:
  // What each thread did and when, in the order it happened.
  void Log(const std::string& event) {
    std::lock_guard<std::mutex> lock(logMutex_);
    log_.push_back(event + "@" + std::to_string(sim::NowMs()));
  }
  std::vector<std::string> log_;

 private:
  std::mutex logMutex_;
};

TEST_F(SimClockTest, SleepsAdvanceTheClockAndAreRecorded) {
  os::Sleep(6000);
  sim::AdvanceMs(5);  // a test's own passing of time is no sleep
  os::Sleep(1000);
  os::Sleep(0);
  EXPECT_EQ(os::GetTickCount(), 7005u);
  std::vector<sim::SleepRecord> sleeps = sim::Sleeps();
  ASSERT_EQ(sleeps.size(), 3u);
  EXPECT_EQ(sleeps[0].atMs, 0u);
  EXPECT_EQ(sleeps[0].durationMs, 6000u);
  EXPECT_EQ(sleeps[1].atMs, 6005u);
  EXPECT_EQ(sleeps[1].durationMs, 1000u);
  EXPECT_EQ(sleeps[2].atMs, 7005u);
  EXPECT_EQ(sleeps[2].durationMs, 0u);
}

TEST_F(SimClockTest, TwoThreadsInterleaveByTheirDeadlines) {
  sim::SimThread reader = sim::StartThread([this] {
    for (int i = 0; i < 3; ++i) {
      os::Sleep(100);
      Log("reader");
    }
  });
  os::Sleep(150);
  Log("main");
  os::Sleep(100);
  Log("main");
  reader.Join();
  EXPECT_EQ(log_, (std::vector<std::string>{"reader@100", "main@150", "reader@200", "main@250",
                                            "reader@300"}));
  EXPECT_EQ(sim::NowMs(), 300u);
}

TEST_F(SimClockTest, TimeStandsWhileAnotherThreadRuns) {
  std::atomic<bool> released{false};
  sim::SimThread worker = sim::StartThread([&] {
    sim::WaitFor([&] { return released.load(); });
    Log("worker woke");
    os::Sleep(40);
    Log("worker done");
  });
  os::Sleep(500);  // the worker waits with no deadline: time goes straight to 500
  released = true;
  sim::Notify();
  os::Sleep(10);  // must not pass before the woken worker has logged at 500
  Log("main");
  worker.Join();
  EXPECT_EQ(log_, (std::vector<std::string>{"worker woke@500", "main@510", "worker done@540"}));
}

TEST_F(SimClockTest, WaitUntilEndsByConditionOrDeadline) {
  std::atomic<bool> ready{false};
  sim::SimThread device = sim::StartThread([&] {
    os::Sleep(300);
    ready = true;
    sim::Notify();
    os::Sleep(2000);
  });
  EXPECT_TRUE(sim::WaitUntil(1000, [&] { return ready.load(); }));
  EXPECT_EQ(sim::NowMs(), 300u);
  EXPECT_FALSE(sim::WaitUntil(1000, [] { return false; }));
  EXPECT_EQ(sim::NowMs(), 1000u);
  device.Join();
  EXPECT_EQ(sim::NowMs(), 2300u);
}

}  // namespace
