// Builds Windows bitmap files in memory for the loader's tests: any header kind, depth,
// compression.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/bitmap/Bitmap.h"
#include "platform/bitmap/BmpHeader.h"

// What goes into the file; the writer lays it out as file header, info header, masks, palette and
// pixel bits, with the pixel data offset pointing right after the palette.
struct BmpImage {
  uint32_t headerSize = kBmpInfoHeaderSize;
  int32_t width = 0;
  int32_t height = 0;  // negative: rows stored top to bottom
  uint16_t planes = 1;
  uint16_t bitCount = 8;
  uint32_t compression = kBmpRgb;
  uint32_t coloursUsed = 0;
  std::array<uint32_t, 3> masks{};  // red, green, blue; written for bit fields
  std::vector<ColourRef> palette;   // 3 bytes an entry with the core header, else 4
  std::vector<uint8_t> bits;        // the pixel data exactly as stored
};

std::vector<uint8_t> WriteBmp(const BmpImage& image);

// Packs rows of pixel values (palette indexes or raw direct-colour values) in the order given,
// each padded to a multiple of 4 bytes.
std::vector<uint8_t> PackBmpRows(int bitCount, const std::vector<std::vector<uint32_t>>& rows);

// Byte offsets of file fields that the refusal tests overwrite.
constexpr size_t kBmpOffBitsAt = 10;
constexpr size_t kBmpHeaderSizeAt = 14;
constexpr size_t kBmpWidthAt = 18;
constexpr size_t kBmpHeightAt = 22;
constexpr size_t kBmpPlanesAt = 26;
constexpr size_t kBmpBitCountAt = 28;
constexpr size_t kBmpCompressionAt = 30;
constexpr size_t kBmpColoursUsedAt = 46;
constexpr size_t kBmpCoreBitCountAt = 24;
constexpr size_t kBmpMasksAt = 54;

void PutU16(std::vector<uint8_t>& file, size_t at, uint16_t value);
void PutU32(std::vector<uint8_t>& file, size_t at, uint32_t value);
