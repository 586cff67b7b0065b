// Lays out test bitmap files byte by byte, little-endian, as the Windows headers define them.
#include "tests/bitmap/BmpWriter.h"

namespace {

void Append(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void AppendInfoHeader(std::vector<uint8_t>& out, const BmpImage& image) {
  Append(out, image.headerSize, 4);
  if (image.headerSize == kBmpCoreHeaderSize) {
    Append(out, static_cast<uint32_t>(image.width), 2);
    Append(out, static_cast<uint32_t>(image.height), 2);
    Append(out, image.planes, 2);
    Append(out, image.bitCount, 2);
    return;
  }
  Append(out, static_cast<uint32_t>(image.width), 4);
  Append(out, static_cast<uint32_t>(image.height), 4);
  Append(out, image.planes, 2);
  Append(out, image.bitCount, 2);
  Append(out, image.compression, 4);
  Append(out, static_cast<uint32_t>(image.bits.size()), 4);
  Append(out, 2835, 4);  // 72 dots per inch, both ways
  Append(out, 2835, 4);
  Append(out, image.coloursUsed, 4);
  Append(out, 0, 4);  // important colours
  const bool bitfields = image.compression == kBmpBitfields;
  const bool masksAfterHeader = bitfields && image.headerSize == kBmpInfoHeaderSize;
  if (bitfields || image.headerSize > kBmpInfoHeaderSize)
    for (uint32_t mask : image.masks) Append(out, mask, 4);
  // The rest of the larger headers (alpha mask, colour space, ...) stays zero.
  out.resize(kBmpFileHeaderSize + image.headerSize + (masksAfterHeader ? 12 : 0), 0);
}

}  // namespace

std::vector<uint8_t> WriteBmp(const BmpImage& image) {
  std::vector<uint8_t> out = {'B', 'M'};
  out.resize(kBmpFileHeaderSize, 0);  // file size, reserved, offset: filled in below
  AppendInfoHeader(out, image);
  for (ColourRef colour : image.palette) {
    Append(out, static_cast<uint32_t>(BlueOf(colour)), 1);
    Append(out, static_cast<uint32_t>(GreenOf(colour)), 1);
    Append(out, static_cast<uint32_t>(RedOf(colour)), 1);
    if (image.headerSize != kBmpCoreHeaderSize) Append(out, 0, 1);
  }
  PutU32(out, kBmpOffBitsAt, static_cast<uint32_t>(out.size()));
  out.insert(out.end(), image.bits.begin(), image.bits.end());
  PutU32(out, 2, static_cast<uint32_t>(out.size()));
  return out;
}

std::vector<uint8_t> PackBmpRows(int bitCount, const std::vector<std::vector<uint32_t>>& rows) {
  std::vector<uint8_t> out;
  for (const std::vector<uint32_t>& row : rows) {
    const size_t start = out.size();
    if (bitCount >= 8) {
      for (uint32_t value : row) Append(out, value, bitCount / 8);
    } else {
      const size_t rowBytes = (row.size() * bitCount + 7) / 8;
      out.resize(start + rowBytes, 0);
      for (size_t x = 0; x < row.size(); ++x) {
        const size_t bit = x * bitCount;
        out[start + bit / 8] |= static_cast<uint8_t>(row[x] << (8 - bitCount - bit % 8));
      }
    }
    out.resize(start + (out.size() - start + 3) / 4 * 4, 0);
  }
  return out;
}

void PutU16(std::vector<uint8_t>& file, size_t at, uint16_t value) {
  file[at] = static_cast<uint8_t>(value);
  file[at + 1] = static_cast<uint8_t>(value >> 8);
}

void PutU32(std::vector<uint8_t>& file, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) file[at + i] = static_cast<uint8_t>(value >> (8 * i));
}
