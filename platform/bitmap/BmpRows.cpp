// Decodes uncompressed bitmap rows, bottom-up or top-down, each padded to a multiple of 4 bytes.
#include "platform/bitmap/BmpRows.h"

namespace {

// The palette index of pixel x in a row of 1, 4 or 8 bits per pixel; the leftmost pixel sits in
// the most significant bits of its byte.
unsigned PaletteIndex(const uint8_t* row, int x, int bitCount) {
  const unsigned bitPos = static_cast<unsigned>(x) * bitCount;
  const unsigned shift = 8 - bitCount - (bitPos & 7);
  return (row[bitPos >> 3] >> shift) & ((1u << bitCount) - 1);
}

// The raw little-endian value of pixel x in a row of 16, 24 or 32 bits per pixel.
uint32_t DirectValue(const uint8_t* row, int x, int bytesPerPixel) {
  const uint8_t* p = row + static_cast<size_t>(x) * bytesPerPixel;
  uint32_t value = 0;
  for (int i = bytesPerPixel - 1; i >= 0; --i) value = (value << 8) | p[i];
  return value;
}

}  // namespace

void DecodeBmpRows(const BmpBytes& file, const BmpLayout& layout, Bitmap& out) {
  const size_t stride = static_cast<size_t>(layout.RowStride());
  const bool paletted = layout.bitCount <= 8;
  for (int stored = 0; stored < layout.height; ++stored) {
    const uint8_t* row = file.data + layout.pixelOffset + stride * stored;
    const int y = layout.topDown ? stored : layout.height - 1 - stored;
    for (int x = 0; x < layout.width; ++x) {
      out.At(x, y) =
          paletted ? layout.PaletteColour(PaletteIndex(row, x, layout.bitCount))
                   : BmpPixelColour(DirectValue(row, x, layout.bitCount / 8), layout.channels);
    }
  }
}
