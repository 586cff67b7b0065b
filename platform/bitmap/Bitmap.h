// A device-independent bitmap in memory: pixels as Windows colour references, rows top to bottom.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A Windows colour reference: red in the lowest byte, then green, then blue; the top byte 0.
using ColourRef = uint32_t;

constexpr ColourRef MakeColour(int r, int g, int b) {
  return static_cast<ColourRef>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(ColourRef c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(ColourRef c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(ColourRef c) { return static_cast<int>((c >> 16) & 0xFF); }

constexpr ColourRef kWhite = MakeColour(255, 255, 255);
constexpr ColourRef kBlack = MakeColour(0, 0, 0);

struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<ColourRef> pixels;  // width * height, row-major, top row first

  Bitmap() = default;
  Bitmap(int w, int h, ColourRef fill = kWhite)
      : width(w), height(h), pixels(static_cast<size_t>(w) * static_cast<size_t>(h), fill) {}

  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  ColourRef At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  ColourRef& At(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
  // Reads outside the bitmap count as white, as the encoders expect.
  ColourRef AtOrWhite(int x, int y) const { return Contains(x, y) ? At(x, y) : kWhite; }
};
