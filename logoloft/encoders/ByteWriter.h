// Appending the multi-byte values of the command formats to a byte string (internal to encoders/).
#pragma once

#include <cstddef>
#include <cstdint>

#include "logoloft/encoders/Bytes.h"

// nL nH: a 16-bit value, least significant byte first.
inline void AppendLittle16(Bytes& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value & 0xFF));
  out.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
}

// p1 p2 p3 p4: a 32-bit value, least significant byte first.
inline void AppendLittle32(Bytes& out, uint32_t value) {
  AppendLittle16(out, value & 0xFFFF);
  AppendLittle16(out, value >> 16);
}
