// Bounds-checked little-endian reads from the bytes of a bitmap file held in memory.
#pragma once

#include <cstddef>
#include <cstdint>

struct BmpBytes {
  const uint8_t* data = nullptr;
  size_t size = 0;

  // True when the n bytes starting at `offset` lie inside the file.
  // Sizes are 64-bit so that a 32-bit build cannot wrap them.
  bool Has(uint64_t offset, uint64_t n) const { return offset <= size && n <= size - offset; }

  // The readers below expect the caller to have checked Has() for the bytes they touch.
  uint8_t U8(size_t offset) const { return data[offset]; }
  uint16_t U16(size_t offset) const {
    return static_cast<uint16_t>(data[offset] | (data[offset + 1] << 8));
  }
  uint32_t U32(size_t offset) const {
    return static_cast<uint32_t>(data[offset]) | (static_cast<uint32_t>(data[offset + 1]) << 8) |
           (static_cast<uint32_t>(data[offset + 2]) << 16) |
           (static_cast<uint32_t>(data[offset + 3]) << 24);
  }
  int32_t I32(size_t offset) const { return static_cast<int32_t>(U32(offset)); }
};
