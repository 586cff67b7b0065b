// The virtual clock of the simulated platform. Time moves only when the program sleeps (or waits
// with a time-out) or when a test advances it. With several simulated threads, time advances only
// when every registered thread is waiting, and then to the earliest deadline.
#pragma once

#include <cstdint>
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

// Back to time 0 with no sleeps recorded; only between tests, with no other simulated thread running.
void ResetClock();

}  // namespace sim
