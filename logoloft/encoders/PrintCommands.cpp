// The commands that print stored logos: FS p n m and ESC g n.
#include "logoloft/encoders/PrintCommands.h"

EncodedBytes EncodePrintNvBitImage(int n, NvPrintMode mode) {
  if (n < 1 || n > 255 || static_cast<uint8_t>(mode) > 3) return std::nullopt;
  return Bytes{0x1C, 0x70, static_cast<uint8_t>(n), static_cast<uint8_t>(mode)};
}

EncodedBytes EncodePrintImpactImage(int n) {
  if (n < 1 || n > 255) return std::nullopt;
  return Bytes{0x1B, 0x67, static_cast<uint8_t>(n)};
}
