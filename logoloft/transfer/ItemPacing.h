// How the upload dialog cuts one download item into writes, per interface, and writes it so.
#pragma once

#include <cstdint>
#include <functional>

#include "logoloft/encoders/Bytes.h"

struct ItemPacing {
  uint32_t pieceSize = 0;  // 0: the whole item in one write
  uint32_t pauseMs = 0;    // after every piece but the last
};

// Serial: 1024-byte pieces 800 ms apart; TCP: the whole item; parallel, USB (and any other code,
// which the link treats as a device path): 4096-byte pieces 200 ms apart.
ItemPacing PacingFor(int interfaceKind);

// One write: the bytes written, as PrinterLink::Write counts them.
using PieceWriter = std::function<int(const uint8_t* data, uint32_t count)>;

// Writes `data` in the pieces of `pacing`, sleeping between them through the platform's clock.
// True when every byte was written; a short piece ends the item and the rest is not sent.
bool WritePaced(const Bytes& data, ItemPacing pacing, const PieceWriter& write);
