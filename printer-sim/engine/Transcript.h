// What the virtual printer received: every chunk with the virtual time it arrived.
#pragma once

#include <cstdint>
#include <vector>

struct TranscriptEntry {
  uint32_t atMs = 0;
  std::vector<uint8_t> bytes;
};

// A reply of the printer and the time from which the host can read it.
struct PrinterReply {
  uint32_t readyAtMs = 0;
  std::vector<uint8_t> bytes;
};
