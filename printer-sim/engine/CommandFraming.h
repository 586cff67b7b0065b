// Finds where the command at the front of the received bytes ends, from its prefix and the lengths
// it declares, so that commands split across chunks are resumed and skipped bytes are counted.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

enum class FrameStatus {
  Complete,  // `length` bytes form one command
  NeedMore,  // the command is not complete yet: wait for more bytes
  Invalid,   // skip `length` bytes, which do not form a command the printer takes
};

struct Frame {
  FrameStatus status = FrameStatus::NeedMore;
  size_t length = 0;
  std::string why;  // for Invalid
};

Frame FrameCommand(const uint8_t* data, size_t count);
