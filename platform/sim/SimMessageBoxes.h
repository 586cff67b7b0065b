// Message boxes in the simulation: each one shown is recorded, and answered as the test said.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sim {

struct MessageBoxRecord {
  std::string text;
  std::string caption;
  uint32_t type;   // os::kMb* flags: buttons and icon
  bool hasOwner;
  uint32_t atMs;   // virtual time when it was shown
};

std::vector<MessageBoxRecord> MessageBoxes();
// The answers for the next boxes, in order; a box with no scripted answer gets os::kIdOk
// (os::kIdYes for a yes/no box).
void AnswerNextMessageBoxes(const std::vector<int>& answers);
void ResetMessageBoxes();

}  // namespace sim
