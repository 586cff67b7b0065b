// How the upload dialog cuts one download item into writes, per interface, and writes it so.
#include "logoloft/transfer/ItemPacing.h"

#include <algorithm>

#include "link/LinkKind.h"
#include "platform/os/Clock.h"

ItemPacing PacingFor(int interfaceKind) {
  switch (static_cast<LinkKind>(interfaceKind)) {
    case LinkKind::Serial:
      return {1024, 800};
    case LinkKind::Ethernet:
      return {0, 0};
    case LinkKind::Parallel:
    case LinkKind::USB:
      break;
  }
  return {4096, 200};
}

bool WritePaced(const Bytes& data, ItemPacing pacing, const PieceWriter& write) {
  if (data.empty()) return false;
  const size_t piece = pacing.pieceSize == 0 ? data.size() : pacing.pieceSize;
  size_t sent = 0;
  while (true) {
    const uint32_t count = static_cast<uint32_t>(std::min(piece, data.size() - sent));
    if (write(data.data() + sent, count) != static_cast<int>(count)) return false;
    sent += count;
    if (sent == data.size()) return true;
    os::Sleep(pacing.pauseMs);
  }
}
