// Test helper: the bytes of a 24-bit bottom-up .bmp file holding a bitmap, built in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/bitmap/Bitmap.h"

inline std::vector<uint8_t> MakeBmp24(const Bitmap& bitmap) {
  const uint32_t rowBytes = (static_cast<uint32_t>(bitmap.width) * 3 + 3) & ~3u;
  const uint32_t dataBytes = rowBytes * static_cast<uint32_t>(bitmap.height);
  std::vector<uint8_t> out;
  auto put16 = [&out](uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
  };
  auto put32 = [&put16](uint32_t v) {
    put16(v & 0xFFFF);
    put16(v >> 16);
  };
  put16(0x4D42);  // "BM"
  put32(54 + dataBytes);
  put32(0);
  put32(54);  // pixel data offset
  put32(40);  // BITMAPINFOHEADER
  put32(static_cast<uint32_t>(bitmap.width));
  put32(static_cast<uint32_t>(bitmap.height));  // positive: bottom row first
  put16(1);
  put16(24);
  put32(0);  // BI_RGB
  put32(dataBytes);
  put32(2835);
  put32(2835);
  put32(0);
  put32(0);
  for (int y = bitmap.height - 1; y >= 0; --y) {
    for (int x = 0; x < bitmap.width; ++x) {
      const ColourRef c = bitmap.At(x, y);
      out.push_back(static_cast<uint8_t>(BlueOf(c)));
      out.push_back(static_cast<uint8_t>(GreenOf(c)));
      out.push_back(static_cast<uint8_t>(RedOf(c)));
    }
    out.resize(out.size() + (rowBytes - static_cast<uint32_t>(bitmap.width) * 3), 0);
  }
  return out;
}
