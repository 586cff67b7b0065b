// Printing logos already stored in the printer: FS p by number, and ESC g 1 .. 10.
#include "logoloft/transfer/StoredLogoPrint.h"

#include <cstdio>
#include <numeric>
#include <optional>
#include <vector>

#include "logoloft/transfer/LogoSelection.h"
#include "logoloft/transfer/LogoloftConnection.h"
#include "platform/os/MessageBox.h"

namespace {

constexpr size_t kHeaderBlockSize = 30;
constexpr int kImpactImageCount = 10;

void Send(LogoloftConnection& connection, const Bytes& bytes) {
  connection.Write(bytes.data(), static_cast<uint32_t>(bytes.size()));
}

// The numbers "&Print" prints, or nothing (after saying why) when the selection is refused.
std::optional<std::vector<int>> ChosenNumbers(const LogoPrintChoice& choice) {
  if (choice.all) {
    std::vector<int> all(kMaxSelectedLogos);
    std::iota(all.begin(), all.end(), 1);
    return all;
  }
  const char* refusal = nullptr;
  std::optional<std::vector<int>> numbers;
  if (choice.selection.empty()) {
    refusal = "Select Image Number Please!";
  } else {
    numbers = ParseLogoSelection(choice.selection);
    if (!numbers) refusal = "Selection Format Error!";
  }
  if (refusal != nullptr) os::MessageBoxA(nullptr, refusal, kLogoloftCaption, os::kMbOk);
  return numbers;
}

}  // namespace

Bytes LogoHeaderBlock(int n) {
  char text[kHeaderBlockSize + 1] = {};
  std::snprintf(text, sizeof text, "----- Logo : %d -----\n", n);
  return Bytes(text, text + kHeaderBlockSize);
}

bool PrintStoredLogos(const PrinterTarget& target, const LogoPrintChoice& choice) {
  LogoloftConnection connection;
  if (!connection.Open(target, kOpenPortFailedText)) return false;
  const std::optional<std::vector<int>> numbers = ChosenNumbers(choice);
  if (!numbers) return false;
  for (int n : *numbers) {
    // FS p takes the number as one byte; 0 (and so 256) names no image and is not sent.
    const EncodedBytes command = EncodePrintNvBitImage(n % 256, choice.quality);
    if (!command) continue;
    if (choice.header) Send(connection, LogoHeaderBlock(n));
    Send(connection, *command);
  }
  return true;
}

bool PrintStoredImpactImages(const PrinterTarget& target) {
  LogoloftConnection connection;
  if (!connection.Open(target, nullptr)) return false;
  for (int n = 1; n <= kImpactImageCount; ++n) Send(connection, *EncodePrintImpactImage(n));
  return true;
}
