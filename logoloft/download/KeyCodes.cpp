// The automatic key codes of a key-code download or save, and writing a key code into a block.
#include "logoloft/download/KeyCodes.h"

namespace {

constexpr uint8_t kFirstChar = '0';
constexpr uint8_t kLastChar = '}';
constexpr size_t kCodesPerFirstChar = kLastChar - kFirstChar + 1;  // 78

}  // namespace

std::optional<KeyCode> AutomaticKeyCode(size_t index) {
  const size_t first = index / kCodesPerFirstChar;
  if (first >= kCodesPerFirstChar) return std::nullopt;
  return KeyCode{static_cast<uint8_t>(kFirstChar + first),
                 static_cast<uint8_t>(kFirstChar + index % kCodesPerFirstChar)};
}

bool WriteKeyCode(Bytes& block, KeyCode code) {
  if (block.size() < kKeyCodeOffset + 2) return false;
  block[kKeyCodeOffset] = code[0];
  block[kKeyCodeOffset + 1] = code[1];
  return true;
}
