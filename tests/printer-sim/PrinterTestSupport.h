// Helpers of the virtual printer tests: byte strings, command builders and page inspection.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "printer-sim/engine/VirtualPrinter.h"

using Bytes = std::vector<uint8_t>;

inline Bytes operator+(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

inline Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

// Feeds `bytes` and returns every reply ready by then.
inline Bytes Ask(VirtualPrinter& printer, const Bytes& bytes, uint32_t nowMs = 0) {
  printer.Receive(bytes, nowMs);
  return printer.TakeReplyBytes(nowMs);
}

// One FS q record of an all-black image of xBytes * 8 by yBytes * 8 dots.
inline Bytes SolidNvBitImage(int xBytes, int yBytes) {
  Bytes record = {static_cast<uint8_t>(xBytes), 0, static_cast<uint8_t>(yBytes), 0};
  record.resize(record.size() + static_cast<size_t>(8) * xBytes * yBytes, 0xFF);
  return record;
}

// A GS 8 L definition of two planes, `width` (a multiple of 8) by `height`, plane 1 all `first`,
// plane 2 all `second`.
inline Bytes NvGraphicsDefinition(char kc1, char kc2, int width, int height, uint8_t first, uint8_t second) {
  const uint32_t k = static_cast<uint32_t>(width / 8 * height);
  const uint32_t p = 2 * k + 12;
  Bytes b = {0x1D, 0x38, 0x4C, static_cast<uint8_t>(p), static_cast<uint8_t>(p >> 8),
             static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 24), 0x30, 0x43, 0x30,
             static_cast<uint8_t>(kc1), static_cast<uint8_t>(kc2), 0x02, static_cast<uint8_t>(width),
             static_cast<uint8_t>(width >> 8), static_cast<uint8_t>(height), static_cast<uint8_t>(height >> 8), 0x31};
  b.resize(b.size() + k, first);
  b.push_back(0x32);
  b.resize(b.size() + k, second);
  return b;
}

inline int CountPixels(const Bitmap& page, ColourRef colour) {
  int n = 0;
  for (ColourRef c : page.pixels) n += c == colour ? 1 : 0;
  return n;
}

// The smallest rectangle holding every pixel of `colour`: {left, top, right, bottom}, inclusive;
// all -1 when there is none.
struct Box {
  int left = -1, top = -1, right = -1, bottom = -1;
};
inline Box BoundingBox(const Bitmap& page, ColourRef colour) {
  Box box;
  for (int y = 0; y < page.height; ++y) {
    for (int x = 0; x < page.width; ++x) {
      if (page.At(x, y) != colour) continue;
      if (box.left < 0 || x < box.left) box.left = x;
      if (box.top < 0) box.top = y;
      if (x > box.right) box.right = x;
      box.bottom = y;
    }
  }
  return box;
}
