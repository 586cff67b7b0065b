// The headers of a Windows bitmap file: what the pixel decoders need to know, read and checked.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/bitmap/Bitmap.h"
#include "platform/bitmap/BmpBitfields.h"
#include "platform/bitmap/BmpBytes.h"

// Compression codes of the info header.
constexpr uint32_t kBmpRgb = 0;
constexpr uint32_t kBmpRle8 = 1;
constexpr uint32_t kBmpRle4 = 2;
constexpr uint32_t kBmpBitfields = 3;

// Header sizes the loader knows.
constexpr uint32_t kBmpCoreHeaderSize = 12;
constexpr uint32_t kBmpInfoHeaderSize = 40;
constexpr uint32_t kBmpV2HeaderSize = 52;
constexpr uint32_t kBmpV3HeaderSize = 56;
constexpr uint32_t kBmpV4HeaderSize = 108;
constexpr uint32_t kBmpV5HeaderSize = 124;

constexpr size_t kBmpFileHeaderSize = 14;
constexpr int kBmpMaxSide = 32768;                    // widest and tallest bitmap loaded
constexpr uint64_t kBmpMaxPixelBytes = 256ull << 20;  // largest decoded pixel buffer

struct BmpLayout {
  int width = 0;
  int height = 0;  // always positive; `topDown` tells the row order
  bool topDown = false;
  int bitCount = 0;
  uint32_t compression = kBmpRgb;
  BmpChannels channels;            // direct colour only
  std::vector<ColourRef> palette;  // paletted only; may be shorter than 2^bitCount
  size_t pixelOffset = 0;

  // Bytes of one stored row of uncompressed pixels: rows are padded to a multiple of 4 bytes.
  uint64_t RowStride() const { return ((static_cast<uint64_t>(width) * bitCount + 31) / 32) * 4; }

  // The colour of a palette index. An index past the end of the palette gives black: the palette
  // is never read outside its entries.
  ColourRef PaletteColour(unsigned index) const {
    return index < palette.size() ? palette[index] : kBlack;
  }
};

// Reads the file header and the info header (with its bit masks and palette) and checks that they
// describe a bitmap this loader decodes. On failure returns false and says why.
bool ReadBmpHeader(const BmpBytes& file, BmpLayout& out, std::string& why);
