// Message boxes in the simulation: recorded with the virtual time, answered from the test's script.
#include "platform/sim/SimMessageBoxes.h"

#include <deque>
#include <mutex>

#include "platform/os/MessageBox.h"
#include "platform/sim/SimClock.h"

namespace sim {
namespace {

struct MessageBoxState {
  std::mutex mutex;
  std::vector<MessageBoxRecord> shown;
  std::deque<int> answers;
};

MessageBoxState& State() {
  static MessageBoxState state;
  return state;
}

constexpr uint32_t kButtonMask = 0xFu;
constexpr uint32_t kMbYesNoCancel = 0x3u;

int UnscriptedAnswer(uint32_t type) {
  uint32_t buttons = type & kButtonMask;
  return (buttons == os::kMbYesNo || buttons == kMbYesNoCancel) ? os::kIdYes : os::kIdOk;
}

}  // namespace

std::vector<MessageBoxRecord> MessageBoxes() {
  std::lock_guard<std::mutex> lock(State().mutex);
  return State().shown;
}

void AnswerNextMessageBoxes(const std::vector<int>& answers) {
  std::lock_guard<std::mutex> lock(State().mutex);
  State().answers.assign(answers.begin(), answers.end());
}

void ResetMessageBoxes() {
  std::lock_guard<std::mutex> lock(State().mutex);
  State().shown.clear();
  State().answers.clear();
}

}  // namespace sim

namespace os {

int MessageBoxA(void* owner, const char* text, const char* caption, uint32_t type) {
  uint32_t atMs = sim::NowMs();
  sim::MessageBoxState& state = sim::State();
  std::lock_guard<std::mutex> lock(state.mutex);
  state.shown.push_back({text ? text : "", caption ? caption : "", type, owner != nullptr, atMs});
  if (state.answers.empty()) return sim::UnscriptedAnswer(type);
  int answer = state.answers.front();
  state.answers.pop_front();
  return answer;
}

}  // namespace os
